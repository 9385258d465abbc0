#pragma once
// Pictures of the main window over a made-up program folder of twenty tracks and packages: the
// filled list, a selected record with its screenshot thumbnail, and the open "File" drop-down, each
// under the default theme (system colours) and a dark theme of RGB colours.

#include "Gallery.h"

GalleryShots RenderMainWindowGallery();
