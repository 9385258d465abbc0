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

void CliLoadDatabase(MediaTable& table, const QString& path, bool mayBeMissing)
{
    QString error;
    const DatabaseRead read = LoadMediaDatabaseFile(table, path, &error);
    if (read == DatabaseRead::Loaded || (read == DatabaseRead::Missing && mayBeMissing && !QFileInfo::exists(path)))
        return;
    throw CliError(QStringLiteral("%1: %2").arg(path, error));
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
