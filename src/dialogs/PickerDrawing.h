#pragma once
// What the colour picker paints into its bars and its field. Step 1 is full resolution; while a
// drag is under way the picker passes coarser steps (16 for a bar, 8 for the field) so that a
// mouse move costs a few dozen conversions per bar and a few hundred for the field.
//
// Units are pixels: a bar gives each of its 256 values 2 pixels (512 wide), the field gives each
// pixel 2 units of saturation (to the right) and of luminance (downwards), 129 x 129 pixels.

#include "theme/ColorSpace.h"

#include <QImage>

// h = 0..255 in HslToRgb(h, 255, 128), each a box from x = 2h to 2h + 2, full height.
void DrawHueBar(QImage& bar);
// k = 0, step, ... while k <= 255 + step, HslToRgb(Hue, Saturation, min(k, 255)) from 2k to 2k + 2 step.
void DrawLuminanceBar(QImage& bar, const HslTriple& hsl, int step);
// The same with the saturation running.
void DrawSaturationBar(QImage& bar, const HslTriple& hsl, int step);
// A point every step pixels up to 127 + step, HslToRgb(hue, min(2x, 255), min(2y, 255)), with a
// pen of the integer part of 1.5 x step.
void DrawGradient(QImage& field, int hue, int step);
