// A record's row in the main list, the search over rows, and which screenshot belongs to a record.
// A wrong cell order, a missing separator or a case-sensitive search each shows up here as a row that
// the user cannot find; a wrong screenshot choice as the wrong picture beside a track.

#include "TestFolder.h"

#include "library/RowText.h"
#include "library/ScreenshotLookup.h"

#include <QTest>

class TestRowText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formatCount_data();
    void formatCount();
    void rowTextCellsInOrder();
    void search_data();
    void search();
    void screenshotChoice_data();
    void screenshotChoice();
};

void TestRowText::formatCount_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("three digits") << qint64(999) << "999";
    QTest::newRow("first group") << qint64(1000) << "1,000";
    QTest::newRow("millions") << qint64(1234567) << "1,234,567";
    QTest::newRow("largest count") << qint64(2147483647) << "2,147,483,647";
    QTest::newRow("negative") << qint64(-1234) << "-1,234";
}

void TestRowText::formatCount()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(FormatCount(value), text);
}

void TestRowText::rowTextCellsInOrder()
{
    MediaRecord r;
    r.Title = "Big Drop";
    r.Author = "John Smith";
    r.Rating = "*****";
    r.RideCount = 1204;
    r.RideDate = "02/03/2004 05:06:07";
    r.FileType = FileTypePackage;
    r.AddDate = "01/02/2003 04:05:06";
    r.Notes = "never shown";
    r.PackTrack = "never shown either";
    QCOMPARE(BuildRowText(r, 42),
             QString("Big Drop\r\nJohn Smith\r\n*****\r\n1,204\r\n02/03/2004 05:06:07\r\nPack\r\n"
                     "01/02/2003 04:05:06\r\n42"));
    // Empty cells keep their separators, so the key is always the eighth cell.
    QCOMPARE(BuildRowText(MediaRecord{}, 0).split("\r\n"),
             QStringList({"", "", "", "0", "", "Track", "", "0"}));
}

void TestRowText::search_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("matches");
    QTest::newRow("title, other case") << "BIG drop" << true;
    QTest::newRow("type cell") << "pack" << true;
    QTest::newRow("key digits") << "17" << true;
    QTest::newRow("formatted count") << "1,2" << true;
    QTest::newRow("across a separator") << QString::fromUtf8("über\r\njohn") << true;
    QTest::newRow("notes are not in the row") << "secret" << false;
    QTest::newRow("no wildcards") << "big*drop" << false;
    QTest::newRow("empty matches all") << "" << true;
    QTest::newRow("non-ASCII, other case") << QString::fromUtf8("ÜBER") << true;
}

void TestRowText::search()
{
    QFETCH(QString, search);
    QFETCH(bool, matches);
    MediaRecord r;
    r.Title = QString::fromUtf8("Big Drop über");
    r.Author = "John Smith";
    r.RideCount = 1204;
    r.FileType = FileTypePackage;
    r.Notes = "secret";
    QCOMPARE(RowTextMatches(BuildRowText(r, 317), search), matches);
}

void TestRowText::screenshotChoice_data()
{
    // Files laid out below the test folder; the record's FilePath and PackTrack (relative, "" none);
    // whether a simulator folder "sim/" is given; the candidates expected, relative, in order.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("filePath");
    QTest::addColumn<QString>("packTrack");
    QTest::addColumn<bool>("withSimulator");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first by name beside the track")
        << QStringList{"m/loop.tktrack", "m/loop2.jpg", "m/loop.bmp", "m/loop.png", "m/looper.txt", "m/other.bmp"}
        << "m/loop.tktrack" << "" << true << QStringList{"m/loop.bmp", "m/loop2.jpg"};
    QTest::newRow("names and extensions in other letter case")
        << QStringList{"m/Loop.tktrack", "m/LOOP_1.JPG", "m/loop_2.Bmp"} << "m/Loop.tktrack" << "" << false
        << QStringList{"m/LOOP_1.JPG", "m/loop_2.Bmp"};
    QTest::newRow("simulator screenshots when none beside")
        << QStringList{"m/loop.tktrack", "sim/Screenshots/loop_001.jpg", "sim/Screenshots/lap.jpg"}
        << "m/loop.tktrack" << "" << true << QStringList{"sim/Screenshots/loop_001.jpg"};
    QTest::newRow("screenshots folder in other letter case")
        << QStringList{"m/loop.tktrack", "sim/screenshots/loop_001.bmp"} << "m/loop.tktrack" << "" << true
        << QStringList{"sim/screenshots/loop_001.bmp"};
    QTest::newRow("beside wins over the simulator")
        << QStringList{"m/loop.tktrack", "m/loop.jpg", "sim/Screenshots/loop_001.jpg"} << "m/loop.tktrack" << ""
        << true << QStringList{"m/loop.jpg"};
    QTest::newRow("no simulator folder, nothing beside")
        << QStringList{"m/loop.tktrack", "sim/Screenshots/loop.jpg"} << "m/loop.tktrack" << "" << false
        << QStringList{};
    QTest::newRow("ridden package: its track's name, beside the package first")
        << QStringList{"m/pack.tkpack", "m/pack.bmp", "m/Coaster.bmp", "sim/Screenshots/coaster_1.jpg"}
        << "m/pack.tkpack" << "sim/Tracks/Coaster.tktrack" << true << QStringList{"m/Coaster.bmp"};
    QTest::newRow("ridden package: then the simulator's folder")
        << QStringList{"m/pack.tkpack", "m/pack.bmp", "sim/Screenshots/coaster_1.jpg"} << "m/pack.tkpack"
        << "sim\\Tracks\\Coaster.tktrack" << true << QStringList{"sim/Screenshots/coaster_1.jpg"};
    QTest::newRow("name cut at the first dot")
        << QStringList{"m/big.drop.v2.tktrack", "m/big.jpg", "m/bigger.bmp"} << "m/big.drop.v2.tktrack" << ""
        << false << QStringList{"m/big.jpg", "m/bigger.bmp"};
    QTest::newRow("wildcard characters in the name are plain text")
        << QStringList{"m/[x]*.tktrack", "m/[x]*1.bmp", "m/x.bmp"} << "m/[x]*.tktrack" << "" << false
        << QStringList{"m/[x]*1.bmp"};
    QTest::newRow("a folder is not a picture")
        << QStringList{"m/loop.tktrack", "m/loop.bmp/inside"} << "m/loop.tktrack" << "" << false << QStringList{};
}

void TestRowText::screenshotChoice()
{
    QFETCH(QStringList, files);
    QFETCH(QString, filePath);
    QFETCH(QString, packTrack);
    QFETCH(bool, withSimulator);
    QFETCH(QStringList, expected);

    TestFolder folder;
    folder.createDir("sim");
    for (const QString& f : files)
        folder.createFile(f, "x");
    MediaRecord r;
    r.FilePath = folder.filePath(filePath);
    r.PackTrack = packTrack.isEmpty() ? QString() : folder.path() + '/' + packTrack;
    QStringList wanted;
    for (const QString& e : expected)
        wanted << folder.filePath(e);
    QCOMPARE(FindScreenshotCandidates(r, withSimulator ? folder.filePath("sim/") : QString()), wanted);
}

QTEST_GUILESS_MAIN(TestRowText)
#include "tst_rowtext.moc"
