#pragma once
// Edge and text colours derived from a background colour, for controls with AutoColor. The input is
// an RGB colour; resolve a system colour reference with TranslateColor first.

#include "theme/OleColor.h"

// Red, green and blue each times factor, rounded to nearest (ties to even) and clamped to 0..255.
OleColor ScaleColor(OleColor rgb, double factor);
// White when the integer average of red, green and blue is below 128, otherwise black.
OleColor ContrastTextColor(OleColor rgb);
