#pragma once
// The "Restore Backup..." dialog's picture for the gallery, with made-up backups.

#include "Gallery.h"

GalleryShots RenderRestoreBackupGallery();
