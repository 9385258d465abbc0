#pragma once
// The colour picker's ready-made swatches: black and white, and seven ramps of 15 colours each
// (red, yellow, green, cyan, blue, magenta, grey). A colour ramp climbs from dark to its pure colour
// in steps of 32 and then on towards white; the grey ramp runs 16, 32, ..., 240.

#include "theme/OleColor.h"

#include <array>

inline constexpr int kColorRampCount = 7;
inline constexpr int kColorRampLength = 15;

using ColorRamp = std::array<OleColor, kColorRampLength>;

// lblScale0: 0 black, 1 white.
inline constexpr std::array<OleColor, 2> kBlackAndWhite{RgbColor(0, 0, 0), RgbColor(255, 255, 255)};

// FillColorScales: ramps 0..6 are lblScale1..lblScale7.
std::array<ColorRamp, kColorRampCount> FillColorScales();
