// Rolling backups: every save keeps the replaced file, and over many simulated days exactly the
// newest five and the first of each of the last fourteen days stay; links and foreign names in the
// folder are never touched; a backup that does not load is never restored and changes nothing.

#include "TestFolder.h"

#include "library/DatabaseBackups.h"
#include "library/MediaDatabase.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

MediaTable TableOf(int records)
{
    MediaTable table;
    for (int n = 0; n < records; ++n) {
        MediaRecord r;
        r.FilePath = QStringLiteral("/m/%1.tktrack").arg(n);
        r.TypeName = TypeNameOf(r.FileType);
        table.Append(r);
    }
    return table;
}

const QDateTime kStart(QDate(2026, 3, 1), QTime(0, 0));

} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rotationOverSimulatedDays_data();
    void rotationOverSimulatedDays();
    void restoreRefusesWhatDoesNotLoad_data();
    void restoreRefusesWhatDoesNotLoad();
};

void TestBackups::rotationOverSimulatedDays_data()
{
    // Saves happen at these hours of each of 20 days, each with one record more than the last.
    // Expected: the stamps of the backups left, newest first, as "day hour" (day 1 = the first).
    QTest::addColumn<QList<int>>("hours");
    QTest::addColumn<QStringList>("left");

    QStringList daily;
    for (int day = 20; day >= 7; --day)
        daily << QStringLiteral("%1 9").arg(day);
    QTest::newRow("once a day") << QList<int>{9} << daily;

    QStringList thrice{"20 18", "20 12", "20 9", "19 18", "19 12", "19 9"};
    for (int day = 18; day >= 7; --day)
        thrice << QStringLiteral("%1 9").arg(day);
    QTest::newRow("three times a day") << QList<int>{9, 12, 18} << thrice;
}

void TestBackups::rotationOverSimulatedDays()
{
    QFETCH(QList<int>, hours);
    QFETCH(QStringList, left);

    TestFolder t;
    const QString db = t.filePath("Ridevault.rvltdb");
    const QString folder = t.createDir("Backups");
    const QString foreign = t.createFile("Backups/notes.txt", "mine");
    const QString target = t.createFile("elsewhere/Ridevault.rvltdb.20260301-090000-000.bak", "linked");
    QVERIFY(QFile::link(target, folder + "/Ridevault.rvltdb.20260301-100000-000.bak"));

    int records = 0;
    for (int day = 1; day <= 20; ++day) {
        for (int hour : hours) {
            const QDateTime now = kStart.addDays(day - 1).addSecs(hour * 3600);
            QVERIFY(SaveMediaDatabaseFile(TableOf(++records), db, nullptr, now));
        }
    }
    // Saving the same bytes again keeps no backup.
    QVERIFY(SaveMediaDatabaseFile(TableOf(records), db, nullptr, kStart.addDays(19).addSecs(23 * 3600)));

    QStringList got;
    const std::vector<DatabaseBackup> backups = ListDatabaseBackups(db);
    for (const DatabaseBackup& b : backups) {
        got << QStringLiteral("%1 %2").arg(kStart.daysTo(b.Date) + 1).arg(b.Date.time().hour());
        // Each backup is the whole file that its save replaced: one record fewer than that save wrote.
        QVERIFY(b.Records >= 1);
        QCOMPARE(b.Bytes, QFileInfo(b.File).size());
    }
    QCOMPARE(got, left);
    QCOMPARE(backups.front().Records, records - 1);
    QCOMPARE(TestFolder::readFile(foreign), QByteArray("mine"));
    QVERIFY(QFileInfo(folder + "/Ridevault.rvltdb.20260301-100000-000.bak").isSymLink());
    QCOMPARE(TestFolder::readFile(target), QByteArray("linked"));
}

void TestBackups::restoreRefusesWhatDoesNotLoad_data()
{
    QTest::addColumn<QByteArray>("backup");  // bytes of the file to restore; "" means a good backup
    QTest::addColumn<bool>("restored");

    const QByteArray good = EncodeMediaDatabase(TableOf(2));
    QTest::newRow("good backup") << good << true;
    QTest::newRow("cut short") << good.left(good.size() - 3) << false;
    QTest::newRow("impossible count") << QByteArray("RVDB1000\x7f\0\0\0", 12) << false;
    QTest::newRow("other version") << QByteArray("RVDB2000\0\0\0\0", 12) << false;
    QTest::newRow("not a database") << QByteArray("hello") << false;
}

void TestBackups::restoreRefusesWhatDoesNotLoad()
{
    QFETCH(QByteArray, backup);
    QFETCH(bool, restored);

    TestFolder t;
    const QString db = t.filePath("Ridevault.rvltdb");
    MediaTable table = TableOf(5);
    QVERIFY(SaveMediaDatabaseFile(table, db));
    const QByteArray before = TestFolder::readFile(db);
    const QByteArray sideBefore = TestFolder::readFile(db + ".side");
    const QString file = t.createFile("chosen.bak", backup);
    const QDateTime now(QDate(2026, 4, 1), QTime(8, 0));

    QString error;
    QCOMPARE(RestoreDatabaseBackup(table, db, file, now, &error), restored);
    if (restored) {
        QCOMPARE(TestFolder::readFile(db), backup);
        QCOMPARE(table.MediaCount(), 2);
        const std::vector<DatabaseBackup> backups = ListDatabaseBackups(db);
        QCOMPARE(backups.size(), size_t(1));
        QCOMPARE(TestFolder::readFile(backups[0].File), before);
    } else {
        QVERIFY(!error.isEmpty());
        QCOMPARE(TestFolder::readFile(db), before);
        QCOMPARE(TestFolder::readFile(db + ".side"), sideBefore);
        QCOMPARE(table.MediaCount(), 5);
        QVERIFY(ListDatabaseBackups(db).empty());
    }
}

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
