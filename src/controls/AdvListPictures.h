#pragma once
// The advanced list's tiny pictures, pixel by pixel: the two sort arrows of the header and the
// four arrows of the scroll-bar buttons. Drawn again whenever the colours change.

#include <QColor>
#include <QImage>
#include <Qt>

// 13 x 13: index 0 points up (after an ascending sort), 1 down (after a descending sort).
QImage AdvListSortArrow(int index, const QColor& face, const QColor& shadow, const QColor& brightHighlight);
// 9 x 9: the less-button's arrow (up or left) or the more-button's (down or right).
QImage AdvListScrollArrow(Qt::Orientation bar, bool more, const QColor& face, const QColor& text);
