#include "RestoreBackupGallery.h"

#include "dialogs/frmRestoreBackup.h"
#include "theme/ThemeFile.h"

GalleryShots RenderRestoreBackupGallery()
{
    // The five latest saves of one day, then the first save of two earlier days, one of them damaged.
    const QDateTime last(QDate(2026, 12, 7), QTime(21, 14, 3));
    std::vector<DatabaseBackup> backups;
    for (int i = 0; i < 7; ++i) {
        const QDateTime date = i < 5 ? last.addSecs(-i * 1847) : last.addDays(4 - i).addSecs(-30000);
        backups.push_back({QString(), date, i == 5 ? -1 : 4821 - i * 3, 1'938'442 - i * 610});
    }
    frmRestoreBackup box(backups, DefaultTheme());
    return {{QStringLiteral("restorebackup_default"), box.grab().toImage()}};
}
