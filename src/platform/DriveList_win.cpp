#include "platform/DriveList.h"

#include <QDir>

QList<DriveEntry> UserDrives()
{
    // Every drive letter, ready or not: choosing one that is not ready is refused by the chooser.
    QList<DriveEntry> drives;
    const QFileInfoList roots = QDir::drives();
    for (const QFileInfo& root : roots) {
        const QString folder = QDir::toNativeSeparators(root.absoluteFilePath());
        drives.append({folder.left(2).toLower(), folder});
    }
    return drives;
}
