#pragma once
// The colour of the screen pixel under the mouse pointer, read from the screen's own pixels (under
// X11 and on Windows). None where the platform refuses to hand out screen pixels (a Wayland
// session, for one): the caller then keeps the colour it had.

#include "theme/OleColor.h"

#include <optional>

std::optional<OleColor> ScreenColorAtCursor();
