#include "CliDatabase.h"

#include "CliCommon.h"

#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"

#include <QFile>
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

// Read first and only then taken into the table, so a database that does not load changes no file
// (the program's load would keep a ".damaged" copy). The side file's stamp is taken from the file
// mapped, not from a second copy of it in fresh memory.
void CliLoadDatabase(MediaTable& table, const QString& path, bool mayBeMissing)
{
    DatabaseStamp stamp;
    if (!mayBeMissing || QFileInfo::exists(path)) {
        table.Replace(CliReadDatabase(path));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            if (const uchar* mapped = file.map(0, file.size()))
                stamp = StampOf(QByteArrayView(mapped, file.size()));
            else
                stamp = StampOf(file.readAll());
        }
    }
    LoadMediaSideFile(table, MediaSideFilePath(path), stamp);
}

void CliSaveDatabase(const MediaTable& table, const QString& path)
{
    QString error;
    if (!SaveMediaDatabaseFile(table, path, &error))
        throw CliError(error);
}

NameScheme CliTakeNameScheme(QStringList& args)
{
    NameScheme scheme;
    const std::pair<const char*, bool NameScheme::*> flags[] = {
        {"--no-underscores", &NameScheme::NameReplaceUnderscores},
        {"--no-trim", &NameScheme::NameTrimSpaces},
        {"--no-autoformat", &NameScheme::NameAutoFormat},
        {"--no-brackets", &NameScheme::NameBracketFilter},
        {"--no-dash", &NameScheme::NameDashFilter},
    };
    for (const auto& [flag, member] : flags)
        if (args.removeAll(QLatin1String(flag)) > 0)
            scheme.*member = false;
    CliRefuseUnknownOptions(args);
    return scheme;
}
