#include "session/OpenRideFiles.h"

#include "library/AddMediaRecord.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool IsRideFileName(const QString& path)
{
    return IsTrackFileName(path) || path.endsWith(QLatin1String(kPackageExtension), Qt::CaseInsensitive);
}

QString StatusTextOf(const OpenedFiles& opened, const MediaTable& table)
{
    if (!opened.Refused.isEmpty()) {
        const qsizetype more = opened.Refused.size() - 1;
        return QStringLiteral("Not added: %1%2")
            .arg(opened.Refused.first(), more > 0 ? QStringLiteral(" (and %1 more)").arg(more) : QString());
    }
    if (opened.Added.size() == 1)
        return QStringLiteral("Added: %1").arg(table.MediaList[size_t(opened.Added.front())].FilePath);
    if (opened.Added.size() > 1)
        return QStringLiteral("Added %1 files.").arg(opened.Added.size());
    return QString();
}

} // namespace

qint32 FindMediaRecord(const MediaTable& table, const QString& path)
{
    for (qint32 i = 0; i < table.MediaCount(); ++i)
        if (table.MediaList[size_t(i)].FilePath.compare(path, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

OpenedFiles OpenRideFiles(MediaTable& table, const QStringList& paths, const NameScheme& scheme, const QDateTime& now)
{
    OpenedFiles opened;
    for (const QString& given : paths) {
        const QFileInfo info(given);
        const QString path = QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
        if (!IsRideFileName(path)) {
            opened.Refused.append(QStringLiteral("%1: not a track or package file").arg(given));
            continue;
        }
        if (!info.isFile()) {
            opened.Refused.append(QStringLiteral("%1: no such file").arg(given));
            continue;
        }
        // A known file is shown again rather than refused; record creation may also give an existing
        // record this path instead of appending one, so the record is looked up after it.
        const qint32 countBefore = table.MediaCount();
        if (FindMediaRecord(table, path) < 0)
            AddMediaRecord(table, path, scheme, now);
        const qint32 record = FindMediaRecord(table, path);
        if (record < 0) {
            opened.Refused.append(QStringLiteral("%1: cannot be added").arg(given));
            continue;
        }
        if (table.MediaCount() > countBefore)
            opened.Added.push_back(record);
        if (opened.FirstRecord < 0)
            opened.FirstRecord = record;
    }
    opened.StatusText = StatusTextOf(opened, table);
    return opened;
}
