// ridevault-cli db scan / validate / retired / backups / restore, on the same core code as the
// window: AddOrRelinkMediaRecord, ValidateMediaList, the side file and the backups folder.

#include "CliCommon.h"
#include "CliDatabase.h"
#include "CliDbRelink.h"

#include "library/DatabaseBackups.h"
#include "library/FileScan.h"
#include "library/MediaDatabase.h"
#include "library/MediaValidation.h"
#include "library/PassiveFileSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <climits>

namespace {

void PrintLine(const QJsonObject& o)
{
    CliPrint(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
}

// The folders as media folders: absolute, existing, each ending in a separator as the settings
// dialog stores them.
QStringList MediaFolders(const QStringList& args)
{
    QStringList folders;
    for (const QString& a : args) {
        const QFileInfo info(a);
        if (!info.isDir())
            throw CliError(QStringLiteral("%1: no such folder").arg(a));
        folders << QDir::toNativeSeparators(info.absoluteFilePath() + QLatin1Char('/'));
    }
    return folders;
}

QJsonObject FingerprintJson(const ContentFingerprint& print)
{
    if (!print.IsValid())
        return {};
    return QJsonObject{{QStringLiteral("Size"), double(print.Size)},
                       {QStringLiteral("Hash"), QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(print.Hash.data()),
                                                                               qsizetype(print.Hash.size())).toHex())}};
}

} // namespace

QString CliAddOutcomeName(AddOutcome outcome)
{
    switch (outcome) {
    case AddOutcome::Added:
        return QStringLiteral("added");
    case AddOutcome::Relinked:
        return QStringLiteral("relinked");
    case AddOutcome::Revived:
        return QStringLiteral("revived");
    case AddOutcome::Refused:
        break;
    }
    return QStringLiteral("refused");
}

// The whole walk at once, then the new files' fingerprints on every core, then each file through
// record creation in walk order, exactly as the window's scan hands them over.
int RunDbScan(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    const NameScheme scheme = CliTakeNameScheme(args);
    CliRequireArgs(args, 2, INT_MAX, QStringLiteral("ridevault-cli db scan DB_FILE FOLDER..."));
    const QString dbPath = args.takeFirst();
    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(dbPath, force);
    const QStringList folders = MediaFolders(args);
    MediaTable table;
    CliLoadDatabase(table, dbPath, true);

    PassiveFileSearch search;
    PrepareMediaSearch(search, folders, INT_MAX);
    while (search.SearchStep()) {
    }
    QStringList fresh;
    for (const QString& path : search.FoundFiles())
        if (!table.ContainsPath(path))
            fresh << path;
    const std::vector<ContentFingerprint> prints = FingerprintFiles(fresh);

    QJsonArray lines;
    qsizetype next = 0;
    for (const QString& path : search.FoundFiles()) {
        const bool isFresh = next < fresh.size() && fresh[next] == path;
        const AddResult result =
            AddOrRelinkMediaRecord(table, path, scheme, QDateTime::currentDateTime(), isFresh ? &prints[next] : nullptr);
        next += isFresh ? 1 : 0;
        if (result.Outcome == AddOutcome::Refused)
            continue;
        const MediaRecord& r = table.MediaList[result.Index];
        QJsonObject o{{QStringLiteral("path"), path},
                      {QStringLiteral("outcome"), CliAddOutcomeName(result.Outcome)},
                      {QStringLiteral("Title"), r.Title},
                      {QStringLiteral("Author"), r.Author}};
        if (!result.OldPath.isEmpty())
            o.insert(QStringLiteral("from"), result.OldPath);
        lines.append(o);
    }
    CliSaveDatabase(table, dbPath);
    for (const QJsonValue& o : lines)
        PrintLine(o.toObject());
    return 0;
}

int RunDbValidate(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    CliRefuseUnknownOptions(args);
    CliRequireArgs(args, 2, INT_MAX, QStringLiteral("ridevault-cli db validate DB_FILE FOLDER..."));
    const QString dbPath = args.first();
    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(dbPath, force);
    const QStringList folders = MediaFolders(args.mid(1));
    MediaTable table;
    CliLoadDatabase(table, dbPath, false);
    const std::vector<MediaRecord> before = table.MediaList;
    ValidateMediaList(table, folders, nullptr);
    CliSaveDatabase(table, dbPath);
    for (const MediaRecord& r : before)
        if (!table.ContainsPath(r.FilePath))
            PrintLine(CliRecordToJson(r));
    return 0;
}

int RunDbRetired(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli db retired DB_FILE"));
    MediaTable table;
    CliLoadDatabase(table, args[0], false);
    QJsonArray out;
    for (const RetiredRecord& entry : table.Retired.Entries()) {
        QJsonObject o = CliRecordToJson(entry.Record);
        const QJsonObject print = FingerprintJson(entry.Fingerprint);
        for (auto it = print.begin(); it != print.end(); ++it)
            o.insert(it.key(), it.value());
        out.append(o);
    }
    CliPrintJson(QJsonDocument(out));
    return 0;
}

int RunDbBackups(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli db backups DB_FILE"));
    QJsonArray out;
    for (const DatabaseBackup& b : ListDatabaseBackups(QFileInfo(args[0]).absoluteFilePath()))
        out.append(QJsonObject{{QStringLiteral("file"), b.File},
                               {QStringLiteral("date"), b.Date.toString(Qt::ISODateWithMs)},
                               {QStringLiteral("records"), b.Records},
                               {QStringLiteral("bytes"), double(b.Bytes)}});
    CliPrintJson(QJsonDocument(out));
    return 0;
}

int RunDbRestore(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    CliRequireArgs(args, 2, 2, QStringLiteral("ridevault-cli db restore DB_FILE BACKUP_FILE"));
    const QString dbPath = QFileInfo(args[0]).absoluteFilePath();
    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(dbPath, force);
    // A current database that does not load is no reason to refuse: the load keeps it as ".damaged".
    MediaTable table;
    (void)LoadMediaDatabaseFile(table, dbPath);
    QString error;
    if (!RestoreDatabaseBackup(table, dbPath, args[1], QDateTime::currentDateTime(), &error))
        throw CliError(error);
    PrintLine(QJsonObject{{QStringLiteral("restored"), args[1]}, {QStringLiteral("records"), table.MediaCount()}});
    return 0;
}
