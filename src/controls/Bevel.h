#pragma once
// The two-pixel bevel: every 3-D edge of the program's controls (frames, text buttons, the status
// bar, the list's border, header cells, scroll-bar buttons and marker) is this ring of eight
// one-pixel lines around a rectangle of width W and height H, drawn in this order:
//
//   0 inner left   (1, H-2) .. (1, 1)        4 outer left   (0, H-1) .. (0, 0)
//   1 inner top    (1, 1)   .. (W-2, 1)      5 outer top    (0, 0)   .. (W-1, 0)
//   2 inner right  (W-2, 1) .. (W-2, H-2)    6 outer right  (W-1, 0) .. (W-1, H-1)
//   3 inner bottom (W-2, H-2) .. (1, H-2)    7 outer bottom (W-1, H-1) .. (0, H-1)
//
// Both end points of a line are drawn and a later line wins where two meet, so the corner pixels are
// the same on every control.

#include <QColor>
#include <QRect>

class QPainter;

// A bevel is named by its four colours: inner top-left / inner bottom-right / outer top-left /
// outer bottom-right.
struct BevelColors {
    QColor innerTopLeft;
    QColor innerBottomRight;
    QColor outerTopLeft;
    QColor outerBottomRight;
};

// Draws the ring around rect (rect's top-left is pixel (0, 0) of the table above).
void DrawBevel(QPainter& painter, const QRect& rect, const BevelColors& colors);
