#include "CliDatabase.h"

#include "CliCommon.h"

#include "library/MediaDatabase.h"

#include <QFileInfo>

std::vector<MediaRecord> CliReadDatabase(const QString& path)
{
    std::vector<MediaRecord> records;
    QString error;
    if (ReadMediaDatabaseFile(path, records, &error) == DatabaseRead::Loaded)
        return records;
    throw CliError(QStringLiteral("%1: %2").arg(path, error));
}

QJsonObject CliRecordToJson(const MediaRecord& r)
{
    return QJsonObject{
        {QStringLiteral("FilePath"), r.FilePath},   {QStringLiteral("FileType"), r.FileType},
        {QStringLiteral("TypeName"), r.TypeName},   {QStringLiteral("AddDate"), r.AddDate},
        {QStringLiteral("RideCount"), r.RideCount}, {QStringLiteral("RideDate"), r.RideDate},
        {QStringLiteral("PackTrack"), r.PackTrack}, {QStringLiteral("Title"), r.Title},
        {QStringLiteral("Author"), r.Author},       {QStringLiteral("Rating"), r.Rating},
        {QStringLiteral("Notes"), r.Notes},
    };
}

std::unique_ptr<LibraryLock> CliLockDatabaseFolder(const QString& databaseFile, bool force)
{
    if (force)
        return nullptr;
    const QString folder = QFileInfo(databaseFile).absolutePath();
    auto lock = std::make_unique<LibraryLock>(folder);
    if (lock->TryLock())
        return lock;
    if (lock->Error() == QLockFile::LockFailedError)
        throw CliError(QStringLiteral("a running Ridevault holds %1 (%2); close it first, or add --force")
                           .arg(folder, LibraryLockPath(folder)));
    return nullptr;
}
