#include "controls/Bevel.h"

#include <QPainter>

#include <algorithm>

namespace {

// One line of the ring as a filled one-pixel-wide rectangle, so that both ends are drawn and no pen
// or anti-aliasing setting of the caller can move a pixel.
void DrawEdge(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color)
{
    painter.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
                     color);
}

} // namespace

void DrawBevel(QPainter& painter, const QRect& rect, const BevelColors& c)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width() - 1;
    const int b = rect.top() + rect.height() - 1;
    DrawEdge(painter, l + 1, b - 1, l + 1, t + 1, c.innerTopLeft);
    DrawEdge(painter, l + 1, t + 1, r - 1, t + 1, c.innerTopLeft);
    DrawEdge(painter, r - 1, t + 1, r - 1, b - 1, c.innerBottomRight);
    DrawEdge(painter, r - 1, b - 1, l + 1, b - 1, c.innerBottomRight);
    DrawEdge(painter, l, b, l, t, c.outerTopLeft);
    DrawEdge(painter, l, t, r, t, c.outerTopLeft);
    DrawEdge(painter, r, t, r, b, c.outerBottomRight);
    DrawEdge(painter, r, b, l, b, c.outerBottomRight);
}
