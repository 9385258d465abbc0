#pragma once
// The standard icon set the message box offers by index: 0 application, 1 warning, 2 question,
// 3 error, 4 information.

#include <QIcon>

class QStyle;

constexpr int kStandardIconCount = 5;

// A null icon for an index outside the set.
QIcon StandardIcon(int index, const QStyle* style);
