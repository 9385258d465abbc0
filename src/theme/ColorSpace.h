#pragma once
// The colour picker's arithmetic: RGB and HSL on a 0..255 scale for all six components, with the
// rounding the picker has always used (half to even, so pure red comes back as 254, 2, 2), and the
// resolving of system colour references without a display.

#include "theme/OleColor.h"

#include <functional>

struct RgbTriple {
    qint32 Red = 0;
    qint32 Green = 0;
    qint32 Blue = 0;
    bool operator==(const RgbTriple&) const = default;
};

struct HslTriple {
    qint32 Hue = 0;
    qint32 Saturation = 0;
    qint32 Luminance = 0;
    bool operator==(const HslTriple&) const = default;
};

// The colour that system colour index nn stands for right now (the caller knows the desktop).
using SystemColorResolver = std::function<OleColor(int index)>;

// A reference 0x800000nn becomes resolve(nn); an RGB colour passes unchanged.
OleColor TranslateColor(OleColor color, const SystemColorResolver& resolve);

// Bits 0-7, 8-15 and 16-23 of the colour, whatever its top byte.
RgbTriple ColorToRgb(OleColor color);
// An RGB colour from the triple (each component taken modulo 256).
OleColor RgbToColor(const RgbTriple& rgb);

// Hue, saturation and luminance, each clamped to 0..255; grey has hue and saturation 0.
HslTriple RgbToHsl(const RgbTriple& rgb);
// Red, green and blue, each clamped to 0..255. Components past 255 (a pointer at the far edge of a
// bar) are taken as they are; only the result is clamped.
RgbTriple HslToRgb(const HslTriple& hsl);
