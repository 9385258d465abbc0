#include "platform/DriveList.h"

#include "platform/ProgramFolder.h"

#include <QDir>

#include <algorithm>

namespace {

bool IsRemovableMountPoint(const QString& mountPoint)
{
    for (const char* base : {"/media/", "/run/media/", "/mnt/"}) {
        if (mountPoint.startsWith(QLatin1String(base)))
            return true;
    }
    return mountPoint == QLatin1String("/mnt");
}

// The folder as a drive holds it: native separators and a final separator.
QString DriveFolder(const QString& path) { return WithFinalSeparator(QDir::toNativeSeparators(path)); }

} // namespace

QList<DriveEntry> ChooseUserDrives(const QStringList& mountPoints, const QString& homeFolder)
{
    QList<DriveEntry> drives;
    drives.append({QStringLiteral("/"), DriveFolder(QStringLiteral("/"))});
    if (!homeFolder.isEmpty() && QDir::cleanPath(homeFolder) != QLatin1String("/"))
        drives.append({QStringLiteral("Home (%1)").arg(QDir::cleanPath(homeFolder)), DriveFolder(homeFolder)});

    QStringList removable;
    for (const QString& mountPoint : mountPoints) {
        const QString clean = QDir::cleanPath(mountPoint);
        if (IsRemovableMountPoint(clean) && !removable.contains(clean))
            removable.append(clean);
    }
    std::sort(removable.begin(), removable.end());
    for (const QString& mountPoint : std::as_const(removable))
        drives.append({mountPoint, DriveFolder(mountPoint)});
    return drives;
}

int DriveOfFolder(const QList<DriveEntry>& drives, const QString& folder)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    const QString path = DriveFolder(folder);
    int best = -1;
    for (int i = 0; i < drives.size(); ++i) {
        const QString& driveFolder = drives[i].Folder;
        if (path.startsWith(driveFolder, kCase) && (best < 0 || driveFolder.size() > drives[best].Folder.size()))
            best = i;
    }
    return best;
}
