// Records follow their files: a moved, renamed or re-cased file keeps its record (in place when the
// scan comes first, back from the retired list when validation came first), an edited title stays,
// a copy of a file that is still there is a record of its own, and of two candidates the one ridden
// last wins.

#include "TestFolder.h"

#include "library/AddMediaRecord.h"
#include "library/FileScan.h"
#include "library/MediaValidation.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const NameScheme kScheme;

QString Describe(const MediaRecord& r, const QString& root)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(QDir(root).relativeFilePath(r.FilePath), r.Title, r.Author, r.Rating)
        .arg(r.RideCount);
}

// The window's scan, run to its end.
void Scan(MediaTable& table, const QStringList& mediaPaths)
{
    FileScan scan;
    scan.StartFileScan(true, mediaPaths);
    while (scan.FileScanStep(table, kScheme, nullptr)) {
    }
}

} // namespace

class TestRelink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void userFieldsSurviveMoves_data();
    void userFieldsSurviveMoves();
    void mostRecentlyRiddenCandidateWins_data();
    void mostRecentlyRiddenCandidateWins();
    void pathIndexFollowsEveryMove_data();
    void pathIndexFollowsEveryMove();
};

void TestRelink::userFieldsSurviveMoves_data()
{
    // The library starts as two files in m/old, scanned, then edited by the user: "bob - alpha" was
    // rated and ridden, "beta" got a title of the user's own. Steps: "move FROM > TO" (file or
    // folder), "copy FROM > TO", "validate", "scan". Records after, as "path|Title|Author|Rating|RideCount",
    // sorted, and how many retired records remain.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("retired");

    const QString alphaNew = QStringLiteral("m/new/bob - alpha.tktrack|Alpha|bob|*****|7");
    const QString betaNew = QStringLiteral("m/new/beta.tktrack|My Beta||ok|0");
    QTest::newRow("moved folder, validate, scan")
        << QStringList{"move m/old > m/new", "validate", "scan"} << QStringList{betaNew, alphaNew} << 0;
    QTest::newRow("moved folder, scan, validate")
        << QStringList{"move m/old > m/new", "scan", "validate"} << QStringList{betaNew, alphaNew} << 0;
    QTest::newRow("rename keeps an edited title, a derived one follows")
        << QStringList{"move m/old/beta.tktrack > m/old/gamma.tktrack",
                       "move m/old/bob - alpha.tktrack > m/old/ann - delta.tkpack", "scan"}
        << QStringList{"m/old/ann - delta.tkpack|Delta|ann|*****|7", "m/old/gamma.tktrack|My Beta||ok|0"} << 0;
    QTest::newRow("copy of a file still there is a new record")
        << QStringList{"copy m/old/beta.tktrack > m/old/beta2.tktrack", "scan"}
        << QStringList{"m/old/beta.tktrack|My Beta||ok|0", "m/old/beta2.tktrack|Beta2|||0",
                       "m/old/bob - alpha.tktrack|Alpha|bob|*****|7"}
        << 0;
    QTest::newRow("letter case of the folder only")
        << QStringList{"move m/old > m/OLD", "scan", "validate"}
        << QStringList{"m/OLD/beta.tktrack|My Beta||ok|0", "m/OLD/bob - alpha.tktrack|Alpha|bob|*****|7"} << 0;
    QTest::newRow("into another media folder, validate first")
        << QStringList{"move m/old/beta.tktrack > x/beta.tktrack", "validate", "scan"}
        << QStringList{"m/old/bob - alpha.tktrack|Alpha|bob|*****|7", "x/beta.tktrack|My Beta||ok|0"} << 0;
    QTest::newRow("out of the media folders: retired, nothing found")
        << QStringList{"move m/old/beta.tktrack > elsewhere/beta.tktrack", "validate", "scan"}
        << QStringList{"m/old/bob - alpha.tktrack|Alpha|bob|*****|7"} << 1;
}

void TestRelink::userFieldsSurviveMoves()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, records);
    QFETCH(int, retired);

    TestFolder t;
    t.createFile("m/old/bob - alpha.tktrack", QByteArray(3000, 'a'));
    t.createFile("m/old/beta.tktrack", QByteArray(3000, 'b'));
    t.createDir("x");
    const QStringList media{t.filePath("m/"), t.filePath("x/")};
    MediaTable table;
    Scan(table, media);
    QCOMPARE(table.MediaCount(), 2);
    for (MediaRecord& r : table.MediaList) {
        if (r.Title == QLatin1String("Alpha")) {
            r.Rating = QStringLiteral("*****");
            r.RideCount = 7;
        } else {
            r.Title = QStringLiteral("My Beta");
            r.Rating = QStringLiteral("ok");
        }
    }
    const qint32 betaIndex = table.FindPath(t.filePath("m/old/beta.tktrack"));

    for (const QString& step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QStringList paths = step.section(QLatin1Char(' '), 1).split(QStringLiteral(" > "));
        const QString from = t.filePath(paths.value(0));
        const QString to = t.filePath(paths.value(1));
        if (verb == QLatin1String("move")) {
            QDir().mkpath(QFileInfo(to).absolutePath());
            QVERIFY2(QDir().rename(from, to), qPrintable(step));
        } else if (verb == QLatin1String("copy")) {
            QVERIFY(QFile::copy(from, to));
        } else if (verb == QLatin1String("validate")) {
            ValidateMediaList(table, media, nullptr);
        } else {
            Scan(table, media);
        }
    }

    QStringList got;
    for (const MediaRecord& r : table.MediaList)
        got << Describe(r, t.path());
    got.sort();
    QCOMPARE(got, records);
    QCOMPARE(table.Retired.Count(), retired);
    // A record moved by the scan keeps its place (its key in the list).
    if (steps.size() > 1 && steps[1] == QLatin1String("scan") && betaIndex >= 0)
        QCOMPARE(table.MediaList[betaIndex].Title, QStringLiteral("My Beta"));
}

void TestRelink::mostRecentlyRiddenCandidateWins_data()
{
    // Two records of the same content whose files are both gone; (ride date, add date) of each, and
    // which one the file found later brings back. As records in the table and as retired records.
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<bool>("retire");
    QTest::addColumn<int>("winner");

    const QString may = QStringLiteral("05/01/2024 10:00:00");
    const QString june = QStringLiteral("06/01/2024 10:00:00");
    const QString lastYear = QStringLiteral("12/31/2023 23:59:59");
    for (bool retire : {false, true}) {
        const char* where = retire ? "retired" : "in the table";
        QTest::addRow("ridden later wins, %s", where) << QStringList{june, may} << QStringList{may, june} << retire << 0;
        QTest::addRow("year counts before month, %s", where)
            << QStringList{lastYear, may} << QStringList{may, may} << retire << 1;
        QTest::addRow("never ridden loses, %s", where) << QStringList{"", june} << QStringList{may, may} << retire << 1;
        QTest::addRow("same ride, newer wins, %s", where) << QStringList{may, may} << QStringList{may, june} << retire << 1;
        QTest::addRow("all equal, later record wins, %s", where)
            << QStringList{may, may} << QStringList{may, may} << retire << 1;
    }
}

void TestRelink::mostRecentlyRiddenCandidateWins()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, retire);
    QFETCH(int, winner);

    TestFolder t;
    const QString found = t.createFile("m/found.tktrack", "same bytes");
    const ContentFingerprint print = FingerprintOfFile(found);
    QVERIFY(print.IsValid());
    MediaTable table;
    for (int i = 0; i < 2; ++i) {
        MediaRecord r;
        r.FilePath = t.filePath(QStringLiteral("gone/%1.tktrack").arg(i));
        r.RideDate = (i == 0 ? first : second)[0];
        r.AddDate = (i == 0 ? first : second)[1];
        r.Notes = QString::number(i);
        if (retire)
            table.Retired.Retire(r, print);
        else
            table.Append(r, print);
    }

    const AddResult result = AddOrRelinkMediaRecord(table, found, kScheme);
    QCOMPARE(result.Outcome, retire ? AddOutcome::Revived : AddOutcome::Relinked);
    QCOMPARE(table.MediaList[result.Index].Notes, QString::number(winner));
    QCOMPARE(table.MediaList[result.Index].FilePath, found);
    QCOMPARE(table.MediaCount(), retire ? 1 : 2);
    QCOMPARE(table.Retired.Count(), retire ? 1 : 0);
}

void TestRelink::pathIndexFollowsEveryMove_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("step");  // every step-th record moves
    QTest::newRow("few, all move") << 5 << 1;
    QTest::newRow("many, every third moves") << 3000 << 3;
    QTest::newRow("many, all move") << 3000 << 1;
}

// A record moved in place must be found under its new path and no longer under its old one, and
// every other record must still be found: a slot wrongly emptied in the index would let a known
// file in twice.
void TestRelink::pathIndexFollowsEveryMove()
{
    QFETCH(int, records);
    QFETCH(int, step);
    MediaTable table;
    for (int i = 0; i < records; ++i) {
        MediaRecord r;
        r.FilePath = QStringLiteral("/old/%1.tktrack").arg(i);
        table.Append(r);
    }
    for (int i = 0; i < records; i += step)
        table.SetFilePath(i, QStringLiteral("/New/%1.TKTRACK").arg(i));
    for (int i = 0; i < records; ++i) {
        const bool moved = i % step == 0;
        QCOMPARE(table.FindPath(QStringLiteral("/new/%1.tktrack").arg(i)), moved ? i : -1);
        QCOMPARE(table.FindPath(QStringLiteral("/old/%1.tktrack").arg(i)), moved ? -1 : i);
    }
}

QTEST_GUILESS_MAIN(TestRelink)
#include "tst_relink.moc"
