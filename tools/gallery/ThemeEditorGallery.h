#pragma once
// Pictures of the theme editor, opened on the built-in theme and on a dark one, and of the colour
// picker with a colour chosen over another it was opened with.

#include "Gallery.h"

// The picker's picture shows the chosen colour in its "Current" swatch at this point.
inline constexpr int kPickerCurrentX = 573;
inline constexpr int kPickerCurrentY = 39;

GalleryShots RenderThemeEditorGallery();
