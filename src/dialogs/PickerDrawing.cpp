#include "dialogs/PickerDrawing.h"

#include <QPainter>

#include <algorithm>

namespace {

QColor ToColor(const RgbTriple& rgb) { return QColor(rgb.Red, rgb.Green, rgb.Blue); }

// A filled box between two columns, both included, over the bar's full height.
void FillColumns(QPainter& painter, int x1, int x2, int height, const RgbTriple& rgb)
{
    painter.fillRect(QRect(QPoint(x1, 0), QPoint(x2, height)), ToColor(rgb));
}

template <typename ColourOf>
void DrawBar(QImage& bar, int step, ColourOf colourOf)
{
    QPainter painter(&bar);
    for (int k = 0; k <= 255 + step; k += step)
        FillColumns(painter, 2 * k, 2 * k + 2 * step, bar.height(), HslToRgb(colourOf(std::min(k, 255))));
}

} // namespace

void DrawHueBar(QImage& bar)
{
    QPainter painter(&bar);
    for (int h = 0; h <= 255; ++h)
        FillColumns(painter, 2 * h, 2 * h + 2, bar.height(), HslToRgb({h, 255, 128}));
}

void DrawLuminanceBar(QImage& bar, const HslTriple& hsl, int step)
{
    DrawBar(bar, step, [&hsl](int k) { return HslTriple{hsl.Hue, hsl.Saturation, k}; });
}

void DrawSaturationBar(QImage& bar, const HslTriple& hsl, int step)
{
    DrawBar(bar, step, [&hsl](int k) { return HslTriple{hsl.Hue, k, hsl.Luminance}; });
}

void DrawGradient(QImage& field, int hue, int step)
{
    const int pen = static_cast<int>(1.5 * step);
    QPainter painter(&field);
    for (int y = 0; y <= 127 + step; y += step) {
        for (int x = 0; x <= 127 + step; x += step) {
            const QColor colour = ToColor(HslToRgb({hue, std::min(2 * x, 255), std::min(2 * y, 255)}));
            if (pen <= 1)
                painter.fillRect(x, y, 1, 1, colour);
            else
                painter.fillRect(x - pen / 2, y - pen / 2, pen, pen, colour);
        }
    }
}
