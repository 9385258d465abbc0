#include "theme/ColorDerivation.h"

#include "platform/Twips.h"

#include <algorithm>

namespace {
int ScaleByte(int value, double factor)
{
    return static_cast<int>(std::clamp<long long>(RoundHalfEven(value * factor), 0, 255));
}
} // namespace

OleColor ScaleColor(OleColor rgb, double factor)
{
    return RgbColor(ScaleByte(RedOf(rgb), factor), ScaleByte(GreenOf(rgb), factor), ScaleByte(BlueOf(rgb), factor));
}

OleColor ContrastTextColor(OleColor rgb)
{
    const int average = (RedOf(rgb) + GreenOf(rgb) + BlueOf(rgb)) / 3;
    return average < 128 ? RgbColor(255, 255, 255) : RgbColor(0, 0, 0);
}

ColorGroup ColorizeFromBackground(OleColor face, const SystemColorResolver& resolve)
{
    const OleColor rgb = TranslateColor(face, resolve);
    return {face, ContrastTextColor(rgb), ScaleColor(rgb, 1.25), ScaleColor(rgb, 1.5), ScaleColor(rgb, 0.75),
            ScaleColor(rgb, 0.5)};
}
