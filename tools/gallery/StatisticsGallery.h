#pragma once
// Pictures of the statistics window over a made-up library of forty records ridden over two years
// (a fixed "today", so the pictures do not change from day to day), under the default theme and a
// dark theme of RGB colours; and the same window for an empty library.

#include "Gallery.h"

GalleryShots RenderStatisticsGallery();
