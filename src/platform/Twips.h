#pragma once
// The program lays out its windows in twips, as its Windows forms always did; widgets measure in
// pixels. Every conversion goes through here: twips per pixel = 1440 / logical DPI of the axis (15 at
// 96 DPI), and a converted value is rounded to the nearest whole number with ties to even (12.5
// gives 12).

#include <cmath>

inline long long RoundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));  // the default FE_TONEAREST mode
}

inline double TwipsPerPixel(double logicalDpi) { return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0; }

// n px in twips along an axis.
inline int PixelsToTwips(double pixels, double twipsPerPixel)
{
    return static_cast<int>(RoundHalfEven(pixels * twipsPerPixel));
}

// A distance in twips as whole pixels along an axis.
inline int TwipsToPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(RoundHalfEven(twips / twipsPerPixel));
}
