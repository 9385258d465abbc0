// ridevault-cli db: dump and write are inverses byte for byte, add derives titles and refuses known
// paths, and bad input changes no file.

#include "CliRunner.h"
#include "TestFolder.h"

#include "library/MediaDatabase.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTest>

class TestDbCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dumpThenWriteGivesBackTheSameBytes();
    void addDerivesTitlesAndRefusesKnownPaths();
    void addOfKnownPathsWritesNothing_data();
    void addOfKnownPathsWritesNothing();
    void setChangesOneRecordsFields();
    void badInputChangesNothing_data();
    void badInputChangesNothing();
};

void TestDbCli::dumpThenWriteGivesBackTheSameBytes()
{
    TestFolder dir;
    MediaTable table;
    MediaRecord r;
    r.FilePath = QStringLiteral("/media/Z\u00fcrich Loop.tkpack");
    r.FileType = 7;  // unknown types survive as they are
    r.AddDate = QStringLiteral("01/02/2026 03:04:05");
    r.RideCount = -3;
    r.Notes = QStringLiteral("two\r\nlines");
    table.Append(r);
    table.Append(MediaRecord{});
    const QString original = dir.filePath(QStringLiteral("a.rvltdb"));
    QVERIFY(SaveMediaDatabaseFile(table, original));

    const CliRun dump = RunCli({QStringLiteral("db"), QStringLiteral("dump"), original});
    QCOMPARE(dump.exitCode, 0);
    const QJsonArray records = QJsonDocument::fromJson(dump.out).array();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].toObject().value(QStringLiteral("TypeName")).toString(), QStringLiteral("Unknown"));
    const QString json = dir.createFile(QStringLiteral("a.json"), dump.out);
    const QString copy = dir.filePath(QStringLiteral("b.rvltdb"));
    QCOMPARE(RunCli({QStringLiteral("db"), QStringLiteral("write"), json, copy}).exitCode, 0);
    QCOMPARE(TestFolder::readFile(copy), TestFolder::readFile(original));
}

void TestDbCli::addDerivesTitlesAndRefusesKnownPaths()
{
    TestFolder dir;
    const QString db = dir.filePath(QStringLiteral("new.rvltdb"));
    const QString first = dir.filePath(QStringLiteral("john smith - steel_dragon.tktrack"));
    const CliRun add = RunCli({QStringLiteral("db"), QStringLiteral("add"), db, first, first.toUpper(),
                               QStringLiteral("--no-dash")});
    QCOMPARE(add.exitCode, 0);
    const QList<QByteArray> lines = add.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    const QJsonObject added = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(added.value(QStringLiteral("added")).toBool(), true);
    QCOMPARE(added.value(QStringLiteral("Title")).toString(), QStringLiteral("John Smith - Steel Dragon"));
    QCOMPARE(QJsonDocument::fromJson(lines[1]).object().value(QStringLiteral("added")).toBool(), false);

    std::vector<MediaRecord> records;
    QCOMPARE(ReadMediaDatabaseFile(db, records), DatabaseRead::Loaded);
    QCOMPARE(records.size(), size_t(1));
    QCOMPARE(records[0].FilePath, first);
}

void TestDbCli::addOfKnownPathsWritesNothing_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("writes");
    QTest::newRow("a known path") << QStringList{"@known"} << false;
    QTest::newRow("a known path twice") << QStringList{"@known", "@known"} << false;
    QTest::newRow("too short to add") << QStringList{"/a.tk"} << false;
    QTest::newRow("a new path after a known one") << QStringList{"@known", "@new"} << true;
    QTest::newRow("a known path in other letters, only that file there (relinks)") << QStringList{"@moved"} << true;
}

// A database whose files carry an old date: an add that changes nothing leaves every file's bytes and
// date alone and keeps no backup; one new path among known ones still saves, and so does a known
// path in other letters when only the file of that spelling exists (its record moves to it).
void TestDbCli::addOfKnownPathsWritesNothing()
{
    QFETCH(QStringList, paths);
    QFETCH(bool, writes);
    TestFolder dir;
    const QString db = dir.filePath(QStringLiteral("lib.rvltdb"));
    const QString known = dir.filePath(QStringLiteral("known ride.tktrack"));
    const QString fresh = dir.filePath(QStringLiteral("new ride.tktrack"));
    const QString moved = dir.createFile(QStringLiteral("Known Ride.tktrack"), "x");
    QCOMPARE(RunCli({QStringLiteral("db"), QStringLiteral("add"), db, known}).exitCode, 0);
    const QStringList files = dir.listAll();
    QVERIFY(files.contains(QStringLiteral("lib.rvltdb")));
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    QMap<QString, QByteArray> bytes;
    for (const QString& f : files) {
        QFile file(dir.filePath(f));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        bytes.insert(f, file.readAll());
    }

    QStringList args{QStringLiteral("db"), QStringLiteral("add"), db};
    for (const QString& p : paths)
        args << (p == QLatin1String("@known") ? known
                 : p == QLatin1String("@new")  ? fresh
                 : p == QLatin1String("@moved") ? moved
                                                : p);
    const CliRun run = RunCli(args);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count('\n'), paths.size());
    QCOMPARE(dir.listAll() != files, writes);  // a save keeps a backup of the file it replaces
    QCOMPARE(QFileInfo(db).lastModified() != old, writes);
    if (writes)
        return;
    for (const QString& f : files) {
        QCOMPARE(QFileInfo(dir.filePath(f)).lastModified(), old);
        QCOMPARE(TestFolder::readFile(dir.filePath(f)), bytes.value(f));
    }
}

// Only the named fields of the one record change; Notes take CR LF; a bad field anywhere in the
// list writes nothing, even when the fields before it were good.
void TestDbCli::setChangesOneRecordsFields()
{
    TestFolder dir;
    MediaTable table;
    MediaRecord first;
    first.FilePath = QStringLiteral("/m/a.tktrack");
    first.Title = QStringLiteral("A");
    first.Author = QStringLiteral("Anna");
    first.TypeName = TypeNameOf(first.FileType);  // as loading derives it
    MediaRecord second = first;
    second.FilePath = QStringLiteral("/m/b.tktrack");
    table.Append(first);
    table.Append(second);
    const QString db = dir.filePath(QStringLiteral("db.rvltdb"));
    QVERIFY(SaveMediaDatabaseFile(table, db));

    const CliRun set = RunCli({QStringLiteral("db"), QStringLiteral("set"), db, QStringLiteral("1"),
                               QStringLiteral("title=Big = Loop"), QStringLiteral("Notes=two\nlines"),
                               QStringLiteral("Rating=")});
    QCOMPARE(set.exitCode, 0);
    std::vector<MediaRecord> records;
    QCOMPARE(ReadMediaDatabaseFile(db, records), DatabaseRead::Loaded);
    QCOMPARE(records[0], table.MediaList[0]);
    second.Title = QStringLiteral("Big = Loop");
    second.Notes = QStringLiteral("two\r\nlines");
    QCOMPARE(records[1], second);

    const QByteArray before = TestFolder::readFile(db);
    const CliRun bad = RunCli({QStringLiteral("db"), QStringLiteral("set"), db, QStringLiteral("0"),
                               QStringLiteral("Title=changed"), QStringLiteral("FilePath=/x.tktrack")});
    QCOMPARE(bad.exitCode, 2);
    QCOMPARE(TestFolder::readFile(db), before);
}

void TestDbCli::badInputChangesNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("jsonText");
    QTest::newRow("not JSON") << QStringList{"write", "@json", "@db"} << QByteArray("[{");
    QTest::newRow("not an array") << QStringList{"write", "@json", "@db"} << QByteArray("{}");
    QTest::newRow("number as text") << QStringList{"write", "@json", "@db"}
                                    << QByteArray(R"([{"FilePath": "/a.tktrack", "RideCount": "3"}])");
    QTest::newRow("fraction") << QStringList{"write", "@json", "@db"} << QByteArray(R"([{"FileType": 1.5}])");
    QTest::newRow("out of range") << QStringList{"write", "@json", "@db"}
                                  << QByteArray(R"([{"RideCount": 4294967296}])");
    QTest::newRow("add to a damaged database") << QStringList{"add", "@damaged", "/m/new.tktrack"} << QByteArray();
    QTest::newRow("unknown option") << QStringList{"add", "@db", "/m/a.tktrack", "--no-such"} << QByteArray();
    QTest::newRow("too few arguments") << QStringList{"write", "@json"} << QByteArray("[]");
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << QByteArray();
    QTest::newRow("set: no such record") << QStringList{"set", "@db", "0", "Title=x"} << QByteArray();
    QTest::newRow("set: index not a number") << QStringList{"set", "@db", "first", "Title=x"} << QByteArray();
    QTest::newRow("set: unknown field") << QStringList{"set", "@db", "0", "Colour=red"} << QByteArray();
    QTest::newRow("set: no value") << QStringList{"set", "@db", "0", "Title"} << QByteArray();
    QTest::newRow("set: damaged database") << QStringList{"set", "@damaged", "0", "Title=x"} << QByteArray();
}

void TestDbCli::badInputChangesNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, jsonText);
    TestFolder dir;
    const QByteArray oldDb = hexBytes("52 56 44 42 31 30 30 30 00 00 00 00");
    const QByteArray damaged = hexBytes("52 56 44 42 31 30 30 30 00 00 00 05");
    const QString db = dir.createFile(QStringLiteral("db.rvltdb"), oldDb);
    const QString damagedDb = dir.createFile(QStringLiteral("damaged.rvltdb"), damaged);
    const QString json = dir.createFile(QStringLiteral("in.json"), jsonText);
    const QStringList before = dir.listAll();

    QStringList full{QStringLiteral("db")};
    for (const QString& a : args)
        full << (a == QLatin1String("@json") ? json : a == QLatin1String("@db") ? db
                 : a == QLatin1String("@damaged") ? damagedDb : a);
    const CliRun run = RunCli(full);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(dir.listAll(), before);
    QCOMPARE(TestFolder::readFile(db), oldDb);
    QCOMPARE(TestFolder::readFile(damagedDb), damaged);
}

QTEST_GUILESS_MAIN(TestDbCli)
#include "tst_dbcli.moc"
