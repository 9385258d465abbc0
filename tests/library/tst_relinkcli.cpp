// ridevault-cli db scan / validate / retired / backups / restore, run as a user runs them: each
// scan line says what happened to which file, validation prints what it retired, and a restore of
// a backup that does not load exits with 2 and writes nothing.

#include "CliRunner.h"
#include "TestFolder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QStringList Outcomes(const CliRun& run)
{
    QStringList out;
    for (const QByteArray& line : run.out.trimmed().split('\n'))
        if (!line.isEmpty()) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            out << QStringLiteral("%1 %2").arg(o.value("outcome").toString(), QFileInfo(o.value("path").toString()).fileName());
        }
    out.sort();
    return out;
}

CliRun Db(const QStringList& args)
{
    return RunCli(QStringList{QStringLiteral("db")} + args);
}

} // namespace

class TestRelinkCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scanSaysWhatItDidWithEachFile_data();
    void scanSaysWhatItDidWithEachFile();
    void restoreOfABadBackupWritesNothing();
};

void TestRelinkCli::scanSaysWhatItDidWithEachFile_data()
{
    // After a first scan of m/a.tktrack and m/b.tktrack, a.tktrack moves to n/ and c.tktrack is new;
    // validating first retires a (and revives it), scanning first relinks it in place.
    QTest::addColumn<bool>("validateFirst");
    QTest::addColumn<QStringList>("outcomes");
    QTest::newRow("scan first") << false << QStringList{"added c.tktrack", "relinked a.tktrack"};
    QTest::newRow("validate first") << true << QStringList{"added c.tktrack", "revived a.tktrack"};
}

void TestRelinkCli::scanSaysWhatItDidWithEachFile()
{
    QFETCH(bool, validateFirst);
    QFETCH(QStringList, outcomes);

    TestFolder t;
    const QString db = t.filePath("lib.rvltdb");
    t.createFile("m/a.tktrack", "alpha");
    t.createFile("m/b.tktrack", "beta");
    t.createDir("n");
    const CliRun first = Db({"scan", db, t.filePath("m")});
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(Outcomes(first), (QStringList{"added a.tktrack", "added b.tktrack"}));

    QVERIFY(QDir().rename(t.filePath("m/a.tktrack"), t.filePath("n/a.tktrack")));
    t.createFile("n/c.tktrack", "gamma");
    if (validateFirst) {
        const CliRun validate = Db({"validate", db, t.filePath("m"), t.filePath("n")});
        QCOMPARE(validate.exitCode, 0);
        const QJsonObject removed = QJsonDocument::fromJson(validate.out.trimmed()).object();
        QCOMPARE(removed.value("FilePath").toString(), t.filePath("m/a.tktrack"));
        const QJsonArray retired = QJsonDocument::fromJson(Db({"retired", db}).out).array();
        QCOMPARE(retired.size(), 1);
        QCOMPARE(retired[0].toObject().value("Size").toInt(), 5);
    }
    const CliRun second = Db({"scan", db, t.filePath("m"), t.filePath("n")});
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(Outcomes(second), outcomes);
    QCOMPARE(QJsonDocument::fromJson(Db({"retired", db}).out).array().size(), 0);
    QCOMPARE(QJsonDocument::fromJson(Db({"dump", db}).out).array().size(), 3);
}

void TestRelinkCli::restoreOfABadBackupWritesNothing()
{
    TestFolder t;
    const QString db = t.filePath("lib.rvltdb");
    t.createFile("m/a.tktrack", "alpha");
    QCOMPARE(Db({"scan", db, t.filePath("m")}).exitCode, 0);
    t.createFile("m/b.tktrack", "beta");
    QCOMPARE(Db({"scan", db, t.filePath("m")}).exitCode, 0);

    const QJsonArray backups = QJsonDocument::fromJson(Db({"backups", db}).out).array();
    QCOMPARE(backups.size(), 1);
    const QJsonObject backup = backups[0].toObject();
    QCOMPARE(backup.value("records").toInt(), 1);

    const QByteArray dbBefore = TestFolder::readFile(db);
    const QByteArray sideBefore = TestFolder::readFile(db + ".side");
    const QString bad = t.createFile("bad.bak", TestFolder::readFile(backup.value("file").toString()).chopped(2));
    const CliRun refused = Db({"restore", db, bad});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(!refused.err.isEmpty());
    QCOMPARE(TestFolder::readFile(db), dbBefore);
    QCOMPARE(TestFolder::readFile(db + ".side"), sideBefore);
    QCOMPARE(QJsonDocument::fromJson(Db({"backups", db}).out).array().size(), 1);

    QCOMPARE(Db({"restore", db, backup.value("file").toString()}).exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(Db({"dump", db}).out).array().size(), 1);
    QCOMPARE(QJsonDocument::fromJson(Db({"backups", db}).out).array().size(), 2);
}

QTEST_GUILESS_MAIN(TestRelinkCli)
#include "tst_relinkcli.moc"
