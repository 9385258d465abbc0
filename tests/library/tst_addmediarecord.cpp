// Record creation: refusals, type and date stamp, and the title/author derivation rules.

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"
#include "TestFolder.h"

#include <QTest>

Q_DECLARE_METATYPE(NameScheme)

namespace {

NameScheme Scheme(bool underscores, bool trim, bool autoFormat, bool brackets, bool dash)
{
    return NameScheme{underscores, trim, autoFormat, brackets, dash};
}

const NameScheme kAllOn = Scheme(true, true, true, true, true);

} // namespace

class TestAddMediaRecord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void derivesTitleAndAuthor_data();
    void derivesTitleAndAuthor();
    void refusesShortAndKnownPaths();
    void indexIgnoresLetterCaseInAnyScript_data();
    void indexIgnoresLetterCaseInAnyScript();
    void typesByExtensionAndStampsDate_data();
    void typesByExtensionAndStampsDate();
    void dateIgnoresLocale();
};

void TestAddMediaRecord::derivesTitleAndAuthor_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<NameScheme>("scheme");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");

    const NameScheme noDash = Scheme(true, true, true, true, false);
    const NameScheme noAuto = Scheme(true, true, false, true, true);
    auto row = [](const char* name, const char* file, NameScheme s, const QString& t, const QString& a) {
        QTest::newRow(name) << QString::fromUtf8(file) << s << t << a;
    };
    row("underscores", "my_big_coaster.tktrack", kAllOn, "My Big Coaster", "");
    row("dash", "john smith - steel dragon.tktrack", kAllOn, "Steel Dragon", "john smith");
    row("brackets", "Steel Dragon [beta] (John Smith).tkpack", kAllOn, "Steel Dragon", "John Smith");
    row("dash off keeps dash", "rock'n'roll 3d-loop.tktrack", noDash, "Rock'N'Roll 3D-Loop", "");
    row("auto-format lowers", "McDONALD.tktrack", kAllOn, "Mcdonald", "");
    row("first dash splits", "a-b-c.tktrack", kAllOn, "B-C", "a");
    row("nothing before dash", "- Intro.tktrack", kAllOn, "Intro", "");
    row("author loses last char", "Coaster [x] (Bob) final.tkpack", kAllOn, "Coaster", "Bob) fina");
    row("no ( after [", "Name (Bob) [x].tktrack", noDash, "Name (Bob) [X]", "");
    row("auto-format off keeps case", "McDONALD_Ride.tktrack", noAuto, "McDONALD Ride", "");
    row("only underscores and blanks", "_ _ _.tktrack", Scheme(true, true, true, false, false), "", "");
    row("bracket first gives empty title", "[x] (Bob).tktrack", kAllOn, "", "Bob");
    row("( last gives empty author", "Ride [x] (.tktrack", kAllOn, "Ride", "");
    row("trim only blanks", "\tride .tktrack", kAllOn, "\tRide", "");
    row("trim off keeps blanks", " ride .tktrack", Scheme(true, false, true, false, false), " Ride ", "");
    row("underscores off", "big_one.tktrack", Scheme(false, true, true, true, true), "Big_One", "");
    row("dash trims only inner side", "  bob  -  loop  .tktrack", Scheme(true, false, false, false, true),
        "loop  ", "  bob");
    row("accented letters are not letters", "\xc3\xa9t\xc3\xa9 ride.tktrack", kAllOn,
        QStringLiteral("\u00e9T\u00e9 Ride"), "");
    row("digits break words", "3d2go.tktrack", kAllOn, "3D2Go", "");
    row("only the last dot ends the name", "v1.2 coaster.tktrack", kAllOn, "V1.2 Coaster", "");
    row("brackets win over dash", "a - b [c] (d).tktrack", kAllOn, "A - B", "d");
    row("folder dropped", "sub.dir/x-y.tktrack", kAllOn, "Y", "x");
}

void TestAddMediaRecord::derivesTitleAndAuthor()
{
    QFETCH(QString, fileName);
    QFETCH(NameScheme, scheme);
    QFETCH(QString, title);
    QFETCH(QString, author);

    MediaTable table;
    QVERIFY(AddMediaRecord(table, QStringLiteral("/media/") + fileName, scheme));
    QCOMPARE(table.MediaCount(), 1);
    QCOMPARE(table.MediaList[0].Title, title);
    QCOMPARE(table.MediaList[0].Author, author);
}

void TestAddMediaRecord::refusesShortAndKnownPaths()
{
    MediaTable table;
    QVERIFY(!AddMediaRecord(table, QStringLiteral("/a.tktr"), kAllOn));  // 7 characters
    QVERIFY(AddMediaRecord(table, QStringLiteral("/a.tktra"), kAllOn));  // 8 characters
    QVERIFY(AddMediaRecord(table, QStringLiteral("/Tracks/Big.tktrack"), kAllOn));
    QVERIFY(!AddMediaRecord(table, QStringLiteral("/tracks/BIG.TKTRACK"), kAllOn));
    QCOMPARE(table.MediaCount(), 2);
    table.RemoveMediaRecord(1);
    QVERIFY(AddMediaRecord(table, QStringLiteral("/tracks/BIG.TKTRACK"), kAllOn));
    QCOMPARE(table.MediaList.back().FilePath, QStringLiteral("/tracks/BIG.TKTRACK"));
}

void TestAddMediaRecord::indexIgnoresLetterCaseInAnyScript_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("known");
    QTest::newRow("ASCII") << "/Media/Steel Dragon 2000.tktrack" << "/media/STEEL DRAGON 2000.TKTRACK" << true;
    QTest::newRow("ASCII, one letter apart") << "/Media/Steel Dragon 2000.tktrack" << "/media/steel dragon 2001.tktrack"
                                             << false;
    QTest::newRow("umlauts") << QStringLiteral("/M\u00fcsli/\u00c4rger.tkpack") << QStringLiteral("/M\u00dcSLI/\u00e4rger.TKPACK")
                             << true;
    QTest::newRow("umlaut against plain letter") << QStringLiteral("/M\u00fcsli/a.tkpack") << "/Musli/a.tkpack" << false;
    QTest::newRow("Greek") << QStringLiteral("/\u03a4\u03c1\u03bf\u03c7\u03b9\u03ac/\u03a3.tktrack")
                           << QStringLiteral("/\u03c4\u03a1\u039f\u03a7\u0399\u0386/\u03c3.tktrack") << true;
    QTest::newRow("Cyrillic") << QStringLiteral("/\u0422\u0440\u0435\u043a/a.tktrack") << QStringLiteral("/\u0442\u0420\u0415\u041a/A.tktrack")
                              << true;
    QTest::newRow("Kelvin sign is k") << QStringLiteral("/rides/\u212aing.tktrack") << "/rides/king.tktrack" << true;
    QTest::newRow("outside the basic plane") << QStringLiteral("/r/\U00010400.tktrack") << QStringLiteral("/R/\U00010400.TKTRACK")
                                             << true;
}

void TestAddMediaRecord::indexIgnoresLetterCaseInAnyScript()
{
    QFETCH(QString, stored);
    QFETCH(QString, asked);
    QFETCH(bool, known);
    QCOMPARE(QString::compare(stored, asked, Qt::CaseInsensitive) == 0, known);
    MediaTable table;
    for (int i = 0; i < 50; ++i)
        QVERIFY(AddMediaRecord(table, QStringLiteral("/media/other %1.tktrack").arg(i), kAllOn));
    QVERIFY(AddMediaRecord(table, stored, kAllOn));
    QCOMPARE(table.ContainsPath(asked), known);
    QCOMPARE(AddMediaRecord(table, asked, kAllOn), !known);
    // A load indexes the records afresh, from the file as the program loads it and from records
    // in memory; a removal renumbers the records behind it without losing their paths.
    TestFolder dir;
    QVERIFY(SaveMediaDatabase(table, dir.path()));
    MediaTable fromFile, fromRecords;
    QVERIFY(LoadMediaDatabase(fromFile, dir.path()));
    fromRecords.Replace(table.MediaList);
    for (MediaTable* loaded : {&fromFile, &fromRecords}) {
        QVERIFY(loaded->ContainsPath(stored) && loaded->ContainsPath(asked));
        loaded->RemoveMediaRecord(10);
        QVERIFY(loaded->ContainsPath(asked));
        QVERIFY(!loaded->ContainsPath(QStringLiteral("/media/other 10.tktrack")));
        loaded->RemoveMediaRecord(49);
        QVERIFY(!loaded->ContainsPath(stored));
    }
}

void TestAddMediaRecord::typesByExtensionAndStampsDate_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("fileType");
    QTest::addColumn<QString>("typeName");
    QTest::newRow("track") << "/m/ride.tktrack" << 0 << "Track";
    QTest::newRow("package upper case") << "/m/RIDE.TKPACK" << 1 << "Pack";
    QTest::newRow("other") << "/m/ride.tktrack.bak" << 2 << "Unknown";
}

void TestAddMediaRecord::typesByExtensionAndStampsDate()
{
    QFETCH(QString, path);
    QFETCH(int, fileType);
    QFETCH(QString, typeName);
    MediaTable table;
    const QDateTime when(QDate(2026, 3, 4), QTime(17, 8, 9));
    QVERIFY(AddMediaRecord(table, path, kAllOn, when));
    const MediaRecord& r = table.MediaList[0];
    QCOMPARE(r.FilePath, path);
    QCOMPARE(r.FileType, fileType);
    QCOMPARE(r.TypeName, typeName);
    QCOMPARE(r.AddDate, QStringLiteral("03/04/2026 17:08:09"));
    QCOMPARE(r.RideCount, 0);
    QVERIFY(r.RideDate.isEmpty() && r.Rating.isEmpty() && r.Notes.isEmpty() && r.PackTrack.isEmpty());
}

void TestAddMediaRecord::dateIgnoresLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = FormatMediaDate(QDateTime(QDate(2026, 12, 5), QTime(0, 0, 1)));
    QLocale::setDefault(saved);
    QCOMPARE(text, QStringLiteral("12/05/2026 00:00:01"));
}

QTEST_GUILESS_MAIN(TestAddMediaRecord)
#include "tst_addmediarecord.moc"
