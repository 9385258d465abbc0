#pragma once
// OleColor: every colour in themes and controls. Either an RGB colour 0x00BBGGRR (red in the lowest
// byte) or a reference 0x800000nn to system colour nn, resolved only when something is drawn.

#include <QtGlobal>

using OleColor = qint32;

constexpr OleColor RgbColor(int red, int green, int blue)
{
    return static_cast<OleColor>((quint32(blue & 0xFF) << 16) | (quint32(green & 0xFF) << 8) | quint32(red & 0xFF));
}
constexpr OleColor SystemColorRef(int index) { return static_cast<OleColor>(0x80000000u | quint32(index & 0xFF)); }
constexpr bool IsSystemColorRef(OleColor color) { return color < 0; }
constexpr int SystemColorIndex(OleColor color) { return static_cast<int>(quint32(color) & 0x00FFFFFFu); }
constexpr int RedOf(OleColor color) { return color & 0xFF; }
constexpr int GreenOf(OleColor color) { return (color >> 8) & 0xFF; }
constexpr int BlueOf(OleColor color) { return (color >> 16) & 0xFF; }
