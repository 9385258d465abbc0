#include "platform/FolderPath.h"

#include <QDir>

bool CreateFolderPath(const QString& path)
{
    QString folder = path;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype cut = folder.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return false;
    folder.truncate(cut + 1);
    return QDir().mkpath(folder);
}
