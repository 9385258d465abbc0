// ridevault-cli db: dump a media database as JSON, write one from JSON, add files to one.

#include "CliCommon.h"
#include "CliDatabase.h"

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

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
    "                                              add files (the database is started when missing)\n"
    "  ridevault-cli db set DB_FILE INDEX FIELD=VALUE... [--force]\n"
    "                                              change Title, Author, Rating or Notes of one record\n"
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
    if (!SaveMediaDatabaseFile(table, args[1]))
        throw CliError(QStringLiteral("cannot write %1").arg(args[1]));
    return 0;
}

int Add(const QStringList& arguments)
{
    QStringList args = arguments;
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
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--")))
            throw CliError(QStringLiteral("unknown option %1").arg(a));
    CliRequireArgs(args, 2, INT_MAX, QStringLiteral("ridevault-cli db add DB_FILE PATH..."));

    const QString dbPath = args.takeFirst();
    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(dbPath, force);
    MediaTable table;
    if (QFileInfo::exists(dbPath))
        table.Replace(CliReadDatabase(dbPath));

    QJsonArray results;
    for (const QString& path : args) {
        const QString full = QFileInfo(path).absoluteFilePath();
        const bool added = AddMediaRecord(table, full, scheme);
        QJsonObject o{{QStringLiteral("path"), full}, {QStringLiteral("added"), added}};
        if (added) {
            o.insert(QStringLiteral("Title"), table.MediaList.back().Title);
            o.insert(QStringLiteral("Author"), table.MediaList.back().Author);
        }
        results.append(o);
    }
    if (!SaveMediaDatabaseFile(table, dbPath))
        throw CliError(QStringLiteral("cannot write %1").arg(dbPath));
    for (const QJsonValue& o : results)
        CliPrint(QString::fromUtf8(QJsonDocument(o.toObject()).toJson(QJsonDocument::Compact)));
    return 0;
}

} // namespace

int DbSet(const QStringList& args);  // cli_db_set.cpp

int RunDbCommand(const QStringList& args)
{
    return CliDispatch("db", kDbHelp, args,
                       {{"dump", Dump}, {"write", Write}, {"add", Add}, {"set", DbSet}, {"find", RunDbFind}, {"stats", RunDbStats}});
}
