#pragma once
// Pictures of the advanced list in the states a reviewer wants to see (empty, filled, sorted both
// ways, scrolled, selected rows, a pressed header), under the system colours and under a dark
// custom-colour theme. Used by the gallery program and its test.

#include <QImage>
#include <QList>
#include <QString>

#include <utility>

// Each picture with a file-name stem such as "advlist_default_sorted_ascending".
QList<std::pair<QString, QImage>> RenderAdvListGallery();
