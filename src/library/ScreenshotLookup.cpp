#include "library/ScreenshotLookup.h"

#include <QDir>

#include "platform/CaseInsensitivePath.h"

namespace {

// The text after the last separator; stored paths may carry either kind.
QString FileNameOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString FolderOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? QString() : path.left(cut + 1);
}

// The files of folder whose names begin with base and end in ".bmp" or ".jpg", in name order. The
// test is made on the names rather than through a wildcard pattern: a track name may hold "[" or "*".
QStringList MatchingPictures(const QString& folder, const QString& base)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    QStringList found;
    const QStringList names = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (!name.startsWith(base, Qt::CaseInsensitive))
            continue;
        if (name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
            || name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
            found.append(dir.filePath(name));
    }
    return found;
}

}  // namespace

QString ScreenshotBaseName(const MediaRecord& record)
{
    QString name = FileNameOf(record.PackTrack.isEmpty() ? record.FilePath : record.PackTrack);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QStringList FindScreenshotCandidates(const MediaRecord& record, const QString& simulatorPath)
{
    const QString base = ScreenshotBaseName(record);
    QStringList found = MatchingPictures(FolderOf(record.FilePath), base);
    if (found.isEmpty() && !simulatorPath.isEmpty())
        found = MatchingPictures(ResolveCaseInsensitive(simulatorPath, QStringLiteral("Screenshots")), base);
    return found;
}
