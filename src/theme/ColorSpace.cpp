#include "theme/ColorSpace.h"

#include "platform/Twips.h"

#include <algorithm>

namespace {

qint32 Round(double value) { return static_cast<qint32>(RoundHalfEven(value)); }
qint32 Clamp255(qint32 value) { return std::clamp(value, 0, 255); }

// One channel from its own hue position h (0..255) between the two levels m1 and m2: a rising
// edge, the top, a falling edge and the bottom, each a sixth or a third of the circle (42.5, 85).
qint32 HueChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 255;
    if (h > 255)
        h -= 255;
    double level;
    if (h < 42.5)
        level = Round(m1 + ((m2 - m1) * h + 21.25) / 42.5);
    else if (h < 127.5)
        level = m2;
    else if (h < 170)
        level = Round(m1 + ((m2 - m1) * (170 - h) + 21.25) / 42.5);
    else
        level = m1;
    return Clamp255(Round((level * 255 + 127.5) / 255));
}

} // namespace

OleColor TranslateColor(OleColor color, const SystemColorResolver& resolve)
{
    return IsSystemColorRef(color) ? resolve(SystemColorIndex(color)) : color;
}

RgbTriple ColorToRgb(OleColor color) { return {RedOf(color), GreenOf(color), BlueOf(color)}; }

OleColor RgbToColor(const RgbTriple& rgb) { return RgbColor(rgb.Red, rgb.Green, rgb.Blue); }

HslTriple RgbToHsl(const RgbTriple& rgb)
{
    const double r = rgb.Red;
    const double g = rgb.Green;
    const double b = rgb.Blue;
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});
    const double sum = mx + mn;
    const double d = mx - mn;

    HslTriple hsl;
    hsl.Luminance = Round((sum * 255 + 255) / 510);
    if (mx == mn) {
        hsl.Luminance = Clamp255(hsl.Luminance);
        return hsl;
    }
    hsl.Saturation = hsl.Luminance <= 127.5 ? Round((d * 255 + 0.5) / sum) : Round((d * 255 + 0.5) / (510 - sum));

    // 42.5 is a sixth of the circle; 85 and 170 are its thirds. Red wins a tie, then green.
    const double rd = ((mx - r) * 42.5 + 0.5) / d;
    const double gd = ((mx - g) * 42.5 + 0.5) / d;
    const double bd = ((mx - b) * 42.5 + 0.5) / d;
    double hue;
    if (r == mx)
        hue = bd - gd;
    else if (g == mx)
        hue = 85 + rd - bd;
    else
        hue = 170 + gd - rd;
    hsl.Hue = Round(hue);
    if (hsl.Hue < 0)
        hsl.Hue = std::max(hsl.Hue + 255, 0);

    hsl.Hue = std::min(hsl.Hue, 255);
    hsl.Saturation = Clamp255(hsl.Saturation);
    hsl.Luminance = Clamp255(hsl.Luminance);
    return hsl;
}

RgbTriple HslToRgb(const HslTriple& hsl)
{
    const double h = hsl.Hue;
    const double s = hsl.Saturation;
    const double l = hsl.Luminance;
    if (hsl.Saturation == 0) {
        const qint32 grey = Clamp255(Round(l * 255 / 255));
        return {grey, grey, grey};
    }
    const double m2 = l <= 127.5 ? Round((l * (255 + s) + 127.5) / 255) : Round((l + s) - (l * s + 127.5) / 255);
    const double m1 = 2 * l - m2;
    return {HueChannel(m1, m2, h + 85), HueChannel(m1, m2, h), HueChannel(m1, m2, h - 85)};
}
