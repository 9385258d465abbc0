#pragma once
// ColorGroup: the six colours of one 3-D group of a theme (window, button or header): a face, a text
// colour, two light edges and two dark edges. Frames, buttons and the list take a whole group at
// once, so applying a theme is one call per control instead of six.

#include "theme/OleColor.h"

struct ColorGroup {
    OleColor Face = 0;
    OleColor Text = 0;
    OleColor Highlight = 0;        // outer light edge
    OleColor BrightHighlight = 0;  // inner light edge
    OleColor Shadow = 0;           // inner dark edge
    OleColor DarkShadow = 0;       // outer dark edge

    bool operator==(const ColorGroup&) const = default;
};
