#pragma once
// Edge and text colours derived from a background colour, for controls with AutoColor and for the
// theme editor. ScaleColor and ContrastTextColor take an RGB colour; resolve a system colour
// reference with TranslateColor first.

#include "theme/ColorGroup.h"
#include "theme/ColorSpace.h"
#include "theme/OleColor.h"

// Red, green and blue each times factor, rounded to nearest (ties to even) and clamped to 0..255.
OleColor ScaleColor(OleColor rgb, double factor);
// White when the integer average of red, green and blue is below 128, otherwise black.
OleColor ContrastTextColor(OleColor rgb);

// "Colorize from Background": a 3-D group derived from its face colour. The face stays as stored;
// the text is the contrast colour; Highlight, Bright Highlight, Shadow and Dark Shadow are the
// face scaled by 1.25, 1.5, 0.75 and 0.5. A face that is a system colour reference is resolved
// first, so the group follows the colour the user sees rather than the reference's number.
ColorGroup ColorizeFromBackground(OleColor face, const SystemColorResolver& resolve);
