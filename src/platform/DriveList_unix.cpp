#include "platform/DriveList.h"

#include <QDir>
#include <QStorageInfo>

QList<DriveEntry> UserDrives()
{
    QStringList mountPoints;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (volume.isValid() && volume.isReady())
            mountPoints.append(volume.rootPath());
    }
    return ChooseUserDrives(mountPoints, QDir::homePath());
}
