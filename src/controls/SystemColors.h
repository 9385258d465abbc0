#pragma once
// Resolving OleColor values for drawing. A system colour reference (0x800000nn) becomes the
// colour that system colour nn has right now: GetSysColor on Windows, the application palette on
// Linux through a fixed table from the system colour index to a palette role. This is the one
// place where that happens; every control draws through it.

#include "theme/OleColor.h"

#include <QColor>
#include <QPalette>

// GetSysColor on Windows; the palette's colour for that index elsewhere (black for an unknown index).
OleColor SystemColor(int index, const QPalette& palette);
// TranslateColor: a reference becomes the RGB OleColor it stands for; RGB colours pass unchanged.
OleColor TranslateColor(OleColor color, const QPalette& palette);
// The colour to draw with.
QColor ToQColor(OleColor color, const QPalette& palette);
// An RGB QColor as an OleColor (alpha dropped).
OleColor FromQColor(const QColor& color);
