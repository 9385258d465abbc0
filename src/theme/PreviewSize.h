#pragma once
// The seven sizes of the screenshot preview a theme can ask for, as the theme editor offers them.

#include <QSize>
#include <QString>

inline constexpr int kPreviewSizeCount = 7;

// 0 = 40 x 30 ... 6 = 320 x 240.
QSize PreviewSize(int option);
QString PreviewSizeCaption(int option);  // "40 x 30"
// The option a theme's stored size selects; the first rule that applies: a side at or below a
// size's side picks that size (40 x 30 .. 160 x 120); both sides above 240 x 180 pick 320 x 240;
// anything else 240 x 180.
int PreviewOptionFor(qint32 width, qint32 height);
