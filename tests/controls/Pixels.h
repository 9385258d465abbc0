#pragma once
// What a control paints, for the pixel tests: the widget rendered (shown or not) into an image first
// filled with magenta, so a pixel the control leaves unpainted shows; an RGB OleColor as the pixel
// it should paint; a pixel as text; and how many pixels of some rows are exactly one colour.

#include "theme/OleColor.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

inline QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

inline QRgb Rgb(OleColor color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }

// "x, y: #rrggbb", so that a compare of two of these names the point and both colours when it fails.
inline QString PixelText(QPoint at, QRgb colour)
{
    return QStringLiteral("%1, %2: %3").arg(at.x()).arg(at.y()).arg(QColor(colour).name());
}

// Rows top to bottom - 1, every column.
inline int CountInRows(const QImage& image, int top, int bottom, QRgb colour)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}
