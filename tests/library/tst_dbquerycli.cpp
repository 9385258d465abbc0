// ridevault-cli db find and db stats, run as a user runs them: indexes in record order, one a line,
// the same numbers as the window's overview, and a clear refusal of a damaged database.

#include "CliRunner.h"
#include "TestFolder.h"

#include "library/MediaDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QString WriteLibrary(TestFolder& dir)
{
    MediaTable table;
    const auto add = [&](const char* title, qint32 type, qint32 rides, const char* rideDate) {
        MediaRecord r;
        r.FilePath = QStringLiteral("/media/%1.tktrack").arg(QLatin1String(title));
        r.Title = QLatin1String(title);
        r.FileType = type;
        r.TypeName = TypeNameOf(type);
        r.RideCount = rides;
        r.RideDate = QLatin1String(rideDate);
        r.AddDate = QStringLiteral("05/06/2026 07:08:09");
        table.Append(r);
    };
    add("Steel Dragon", FileTypeTrack, 4, "11/30/2026 10:00:00");
    add("Wooden Beast", FileTypePackage, 0, "");
    add("Steel Vengeance", FileTypePackage, 9, "12/01/2026 10:00:00");
    add("Night Flight", FileTypeTrack, 4, "12/24/2024 10:00:00");
    const QString db = dir.filePath(QStringLiteral("lib.rvltdb"));
    return SaveMediaDatabaseFile(table, db) ? db : QString();
}

} // namespace

class TestDbQueryCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findPrintsIndexes_data();
    void findPrintsIndexes();
    void statsAsJson();
    void damagedDatabaseIsRefused();
};

void TestDbQueryCli::findPrintsIndexes_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("plain text") << "steel" << QByteArray("0\n2\n");
    QTest::newRow("key digits take part") << "\r\n3" << QByteArray("3\n");
    QTest::newRow("field and negation") << "steel -type:pack" << QByteArray("0\n");
    QTest::newRow("dash first is no option") << "-rode:never" << QByteArray("0\n2\n3\n");
    QTest::newRow("nothing found") << "rode:2025" << QByteArray();
}

void TestDbQueryCli::findPrintsIndexes()
{
    QFETCH(QString, query);
    QFETCH(QByteArray, out);
    TestFolder dir;
    const CliRun run = RunCli({QStringLiteral("db"), QStringLiteral("find"), WriteLibrary(dir), query});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, out);
}

void TestDbQueryCli::statsAsJson()
{
    TestFolder dir;
    const CliRun run = RunCli({QStringLiteral("db"), QStringLiteral("stats"), WriteLibrary(dir), QStringLiteral("--today"),
                               QStringLiteral("2026-12-07")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(o.value(QStringLiteral("records")).toInt(), 4);
    QCOMPARE(o.value(QStringLiteral("tracks")).toInt(), 2);
    QCOMPARE(o.value(QStringLiteral("packages")).toInt(), 2);
    QCOMPARE(o.value(QStringLiteral("totalRides")).toInt(), 17);
    QCOMPARE(o.value(QStringLiteral("neverRidden")).toInt(), 1);
    const QJsonArray most = o.value(QStringLiteral("mostRidden")).toArray();
    QCOMPARE(most.size(), 3);
    QCOMPARE(most[1].toObject().value(QStringLiteral("index")).toInt(), 0);  // ties in record order
    QCOMPARE(most[2].toObject().value(QStringLiteral("Title")).toString(), QStringLiteral("Night Flight"));
    const QJsonArray months = o.value(QStringLiteral("ridesPerMonth")).toArray();
    QCOMPARE(months.size(), 24);
    QCOMPARE(months[0].toObject().value(QStringLiteral("month")).toString(), QStringLiteral("2025-01"));
    QCOMPARE(months[22].toObject().value(QStringLiteral("rides")).toInt(), 1);
    QCOMPARE(months[23].toObject().value(QStringLiteral("month")).toString(), QStringLiteral("2026-12"));
    QCOMPARE(months[23].toObject().value(QStringLiteral("rides")).toInt(), 1);
}

void TestDbQueryCli::damagedDatabaseIsRefused()
{
    TestFolder dir;
    const QString db = dir.createFile(QStringLiteral("bad.rvltdb"), QByteArray("RVDB1000\0\0\0\5", 12));
    for (const char* command : {"find", "stats"}) {
        QStringList args{QStringLiteral("db"), QLatin1String(command), db};
        if (QByteArray(command) == "find")
            args << QStringLiteral("steel");
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("ridevault-cli: "));
    }
    const CliRun badDay = RunCli({QStringLiteral("db"), QStringLiteral("stats"), WriteLibrary(dir),
                                  QStringLiteral("--today"), QStringLiteral("2026-13-01")});
    QCOMPARE(badDay.exitCode, 2);
}

QTEST_GUILESS_MAIN(TestDbQueryCli)
#include "tst_dbquerycli.moc"
