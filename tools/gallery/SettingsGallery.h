#pragma once
// Pictures of the settings dialog's four pages and of the folder chooser, over a made-up program
// folder with two media folders and three theme files.

#include "Gallery.h"

GalleryShots RenderSettingsGallery();
