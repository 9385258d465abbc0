// ridevault-cli db: dump a media database as JSON, write one from JSON, add files to one; the
// commands that scan, validate, show retired records and backups live in cli_dbrelink.cpp.

#include "CliCommon.h"
#include "CliDatabase.h"
#include "CliDbRelink.h"

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <climits>

int RunDbFind(const QStringList& args);
int RunDbStats(const QStringList& args);

namespace {

const char kDbHelp[] =
    "usage:\n"
    "  ridevault-cli db dump FILE                  print the records as a JSON array\n"
    "  ridevault-cli db write JSON_FILE OUT_FILE [--force]\n"
    "                                              write a database from such an array\n"
    "  ridevault-cli db add DB_FILE PATH... [--no-underscores] [--no-trim] [--no-autoformat]\n"
    "                       [--no-brackets] [--no-dash] [--force]\n"
    "                                              add files (the database is started when missing);\n"
    "                                              a file known under another path relinks its record\n"
    "  ridevault-cli db set DB_FILE INDEX FIELD=VALUE... [--force]\n"
    "                                              change Title, Author, Rating or Notes of one record\n"
    "  ridevault-cli db scan DB_FILE FOLDER... [name-scheme flags as for add] [--force]\n"
    "                                              scan the folders into the database, relinking moved\n"
    "                                              files; one JSON line per file added or relinked\n"
    "  ridevault-cli db validate DB_FILE FOLDER... [--force]\n"
    "                                              drop records whose file is gone or outside the\n"
    "                                              folders (they are retired); prints them\n"
    "  ridevault-cli db retired DB_FILE            print the retired records as a JSON array\n"
    "  ridevault-cli db backups DB_FILE            print the backups (file, date, records, bytes)\n"
    "  ridevault-cli db restore DB_FILE BACKUP_FILE [--force]\n"
    "                                              make a backup the database (the current one is\n"
    "                                              kept as a backup; a backup that does not load: 2)\n"
    "  ridevault-cli db find DB_FILE QUERY         print the index of each record the search text\n"
    "                                              matches (field words: title: rode:2026 -type:pack ...)\n"
    "  ridevault-cli db stats DB_FILE [--today YYYY-MM-DD]\n"
    "                                              print the library overview as JSON\n"
    "Commands that write refuse while a running Ridevault holds the database's folder (its program\n"
    "folder, where the lock file ridevault.lock lives), unless --force.\n";

QString TextField(const QJsonObject& o, const char* key, int index)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return {};
    if (!v.isString())
        throw CliError(QStringLiteral("record %1: %2 must be a string").arg(index).arg(QLatin1String(key)));
    return v.toString();
}

qint32 LongField(const QJsonObject& o, const char* key, int index)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return 0;
    const double d = v.toDouble(0.5);
    if (!v.isDouble() || d != static_cast<double>(static_cast<qint64>(d)) || d < -2147483648.0 || d > 2147483647.0)
        throw CliError(QStringLiteral("record %1: %2 must be a whole number in 32-bit range")
                           .arg(index).arg(QLatin1String(key)));
    return static_cast<qint32>(d);
}

MediaRecord RecordFromJson(const QJsonValue& value, int index)
{
    if (!value.isObject())
        throw CliError(QStringLiteral("record %1 is not a JSON object").arg(index));
    const QJsonObject o = value.toObject();
    MediaRecord r;
    r.FilePath = TextField(o, "FilePath", index);
    r.FileType = LongField(o, "FileType", index);
    r.TypeName = TypeNameOf(r.FileType);
    r.AddDate = TextField(o, "AddDate", index);
    r.RideCount = LongField(o, "RideCount", index);
    r.RideDate = TextField(o, "RideDate", index);
    r.PackTrack = TextField(o, "PackTrack", index);
    r.Title = TextField(o, "Title", index);
    r.Author = TextField(o, "Author", index);
    r.Rating = TextField(o, "Rating", index);
    r.Notes = TextField(o, "Notes", index);
    return r;
}

// The records go out one by one, each indented as inside the array, so the text is exactly what
// printing the whole array as one document gives, without that document in memory.
int Dump(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli db dump FILE"));
    const std::vector<MediaRecord> records = CliReadDatabase(args[0]);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        throw CliError(QStringLiteral("cannot write to standard output"));
    out.write("[\n");
    for (size_t i = 0; i < records.size(); ++i) {
        QByteArray record = QJsonDocument(CliRecordToJson(records[i])).toJson(QJsonDocument::Indented);
        record.chop(1);  // the document's final line break
        record.replace("\n", "\n    ");
        out.write("    " + record + (i + 1 < records.size() ? ",\n" : "\n"));
    }
    out.write("]\n");
    return 0;
}

int Write(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    CliRequireArgs(args, 2, 2, QStringLiteral("ridevault-cli db write JSON_FILE OUT_FILE"));
    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(args[1], force);
    const QJsonDocument doc = CliReadJsonFile(args[0]);
    if (!doc.isArray())
        throw CliError(QStringLiteral("%1: expected a JSON array of records").arg(args[0]));
    MediaTable table;
    const QJsonArray array = doc.array();
    for (int i = 0; i < array.size(); ++i)
        table.Append(RecordFromJson(array[i], i));
    CliSaveDatabase(table, args[1]);
    return 0;
}

QJsonObject AddResultJson(const MediaTable& table, const QString& path, const AddResult& result)
{
    const bool added = result.Outcome == AddOutcome::Added || result.Outcome == AddOutcome::Revived;
    QJsonObject o{{QStringLiteral("path"), path}, {QStringLiteral("added"), added}};
    if (result.Outcome != AddOutcome::Refused) {
        o.insert(QStringLiteral("outcome"), CliAddOutcomeName(result.Outcome));
        o.insert(QStringLiteral("Title"), table.MediaList[result.Index].Title);
        o.insert(QStringLiteral("Author"), table.MediaList[result.Index].Author);
    }
    if (!result.OldPath.isEmpty())
        o.insert(QStringLiteral("from"), result.OldPath);
    return o;
}

// True when the add would change nothing: the database loads and already holds every path as it is
// spelt. Answered from the file's bytes alone, so an add of known paths never builds the table. The
// side file is read as the load reads it, so a damaged one is kept aside all the same.
bool AllPathsKnown(const QString& dbPath, const QStringList& paths)
{
    std::vector<StoredPath> found;
    if (!QFileInfo::exists(dbPath) || !FindMediaDatabasePaths(dbPath, paths, found))
        return false;
    for (qsizetype i = 0; i < paths.size(); ++i)
        if (found[i].Record < 0 || found[i].Path != paths[i])
            return false;
    MediaTable unused;
    LoadMediaSideFile(unused, MediaSideFilePath(dbPath), DatabaseStamp());
    return true;
}

int Add(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    const NameScheme scheme = CliTakeNameScheme(args);
    CliRequireArgs(args, 2, INT_MAX, QStringLiteral("ridevault-cli db add DB_FILE PATH..."));

    const QString dbPath = args.takeFirst();
    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(dbPath, force);
    QStringList paths;
    for (const QString& path : args)
        paths << QFileInfo(path).absoluteFilePath();

    MediaTable table;
    QJsonArray results;
    if (AllPathsKnown(dbPath, paths)) {
        for (const QString& path : paths)
            results.append(AddResultJson(table, path, {}));
    } else {
        CliLoadDatabase(table, dbPath, true);
        // Paths the database knows already change nothing, so they write nothing either: no save,
        // no backup, no side file, the files' dates left alone.
        bool changed = !QFileInfo::exists(dbPath);
        for (const QString& path : paths) {
            const AddResult result = AddOrRelinkMediaRecord(table, path, scheme);
            changed = changed || result.Outcome != AddOutcome::Refused;
            results.append(AddResultJson(table, path, result));
        }
        if (changed)
            CliSaveDatabase(table, dbPath);
    }
    for (const QJsonValue& o : results)
        CliPrint(QString::fromUtf8(QJsonDocument(o.toObject()).toJson(QJsonDocument::Compact)));
    return 0;
}

} // namespace

int DbSet(const QStringList& args);  // cli_db_set.cpp

int RunDbCommand(const QStringList& args)
{
    return CliDispatch("db", kDbHelp, args,
                       {{"dump", Dump}, {"write", Write}, {"add", Add}, {"set", DbSet}, {"scan", RunDbScan},
                        {"validate", RunDbValidate}, {"retired", RunDbRetired}, {"backups", RunDbBackups},
                        {"restore", RunDbRestore}, {"find", RunDbFind}, {"stats", RunDbStats}});
}
