// The media database file: its exact bytes, round trips, damaged files and failed writes.

#include "library/MediaDatabase.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/resource.h>
#include <csignal>

namespace {

// Big-endian text field as the layout documents it: 4-byte count, then the bytes.
QByteArray Str(const QByteArray& text)
{
    QByteArray out(4, '\0');
    const quint32 n = text.size();
    out[0] = char(n >> 24), out[1] = char(n >> 16), out[2] = char(n >> 8), out[3] = char(n);
    return out + text;
}

QByteArray Long(quint32 n)
{
    QByteArray out(4, '\0');
    out[0] = char(n >> 24), out[1] = char(n >> 16), out[2] = char(n >> 8), out[3] = char(n);
    return out;
}

MediaRecord SampleRecord(int i)
{
    MediaRecord r;
    r.FilePath = QStringLiteral("/media/tracks/coaster_%1.tktrack").arg(i);
    r.FileType = i % 3;
    r.TypeName = TypeNameOf(r.FileType);
    r.AddDate = QStringLiteral("01/02/2026 03:04:05");
    r.RideCount = i * 7;
    r.RideDate = i % 2 ? QStringLiteral("12/31/2026 23:59:59") : QString();
    r.PackTrack = i % 3 == 1 ? QStringLiteral("/sim/Tracks/inner.tktrack") : QString();
    r.Title = QStringLiteral("Coaster %1 \u00e9").arg(i);
    r.Author = i % 2 ? QStringLiteral("Bob") : QString();
    r.Rating = QStringLiteral("*****");
    r.Notes = QStringLiteral("line one\r\nline two");
    return r;
}

MediaTable SampleTable(int count)
{
    MediaTable t;
    for (int i = 0; i < count; ++i)
        t.Append(SampleRecord(i));
    return t;
}

// A database of records that differ only in their paths' stored bytes, each record's notes `notes`.
QByteArray DatabaseOf(const QList<QByteArray>& paths, const QByteArray& notes = {})
{
    QByteArray out = "RVDB" + MediaDatabaseVersionTag().toLatin1() + Long(paths.size());
    for (const QByteArray& p : paths)
        out += Str(p) + Long(1) + Str("01/02/2026 03:04:05") + Long(0) + Str({}) + Str({}) + Str("T") + Str({})
            + Str({}) + Str(notes);
    return out;
}

// Stored path bytes: ASCII, a Latin-1 byte that is not UTF-8 (read as Windows-1252), UTF-8, a
// Windows-1252-only byte, a second spelling of record 0, the micro sign, y with diaeresis, ASCII
// that a Kelvin sign folds to, and a sharp s.
const QList<QByteArray> kStoredPaths{
    "/m/Steel Dragon.tktrack", "/m/caf\xe9 ride.tktrack", "/m/\xc3\x89t\xc3\xa9.tktrack", "/m/\x80uro.tktrack",
    "/m/steel dragon.tktrack", "/m/\xb5icro.tktrack", "/m/\xff.tktrack", "/m/kelvin.tktrack", "/m/stra\xdf" "e.tktrack",
};

} // namespace

class TestMediaDatabase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyDatabaseIsTwelveBytes();
    void recordBytesFollowTheLayout();
    void roundTripKeepsEveryField();
    void unknownFileTypeReadsAsUnknown();
    void otherVersionLoadsWithoutTouchingTable();
    void missingFileOrWrongMagicFails();
    void truncatedAtEveryOffsetFailsAndKeepsCopy();
    void largeFileReadsAsItsBytesDecode_data();
    void largeFileReadsAsItsBytesDecode();
    void findPathsAgreesWithTheLoad_data();
    void findPathsAgreesWithTheLoad();
    void impossibleCountsAreDamage_data();
    void impossibleCountsAreDamage();
    void removeShiftsLaterRecordsDown();
    void bulkRemoveKeepsOrderAndIndex();
    void failedWriteLeavesOldFileIntact();
};

void TestMediaDatabase::emptyDatabaseIsTwelveBytes()
{
    TestFolder dir;
    MediaTable empty;
    QVERIFY(SaveMediaDatabase(empty, dir.path()));
    const QString path = dir.filePath(QStringLiteral("Ridevault.rvltdb"));
    QCOMPARE(TestFolder::readFile(path), hexBytes("52 56 44 42 31 30 30 30 00 00 00 00"));

    MediaTable loaded = SampleTable(2);
    QVERIFY(LoadMediaDatabase(loaded, dir.path()));
    QCOMPARE(loaded.MediaCount(), 0);
}

void TestMediaDatabase::recordBytesFollowTheLayout()
{
    MediaRecord r;
    r.FilePath = QStringLiteral("/t/a.tkpack");
    r.FileType = 1;
    r.AddDate = QStringLiteral("02/03/2026 04:05:06");
    r.RideCount = 258;
    r.RideDate = QString();
    r.PackTrack = QStringLiteral("p");
    r.Title = QStringLiteral("T");
    r.Author = QStringLiteral("Au");
    r.Rating = QString();
    r.Notes = QStringLiteral("n");
    MediaTable t;
    t.Append(r);

    const QByteArray expected = QByteArray("RVDB1000") + Long(1) + Str("/t/a.tkpack") + Long(1)
        + Str("02/03/2026 04:05:06") + Long(258) + Str("") + Str("p") + Str("T") + Str("Au") + Str("")
        + Str("n");
    QCOMPARE(EncodeMediaDatabase(t), expected);

    std::vector<MediaRecord> decoded;
    QCOMPARE(DecodeMediaDatabase(expected, decoded), DatabaseRead::Loaded);
    QCOMPARE(decoded.size(), size_t(1));
    r.TypeName = QStringLiteral("Pack");
    QCOMPARE(decoded[0], r);
}

void TestMediaDatabase::roundTripKeepsEveryField()
{
    TestFolder dir;
    const MediaTable original = SampleTable(50);
    QVERIFY(SaveMediaDatabase(original, dir.path()));
    MediaTable loaded;
    QVERIFY(LoadMediaDatabase(loaded, dir.path()));
    QCOMPARE(loaded.MediaCount(), 50);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(loaded.MediaList[i], original.MediaList[i]);
    QVERIFY(loaded.ContainsPath(QStringLiteral("/MEDIA/tracks/COASTER_7.tktrack")));
    // Saving what was loaded gives back the same bytes.
    QCOMPARE(EncodeMediaDatabase(loaded), EncodeMediaDatabase(original));
}

void TestMediaDatabase::unknownFileTypeReadsAsUnknown()
{
    MediaRecord r = SampleRecord(1);
    r.FileType = 5;
    MediaTable t;
    t.Append(r);
    std::vector<MediaRecord> decoded;
    QCOMPARE(DecodeMediaDatabase(EncodeMediaDatabase(t), decoded), DatabaseRead::Loaded);
    QCOMPARE(decoded.at(0).TypeName, QStringLiteral("Unknown"));
    QCOMPARE(decoded.at(0).FileType, 5);
}

void TestMediaDatabase::otherVersionLoadsWithoutTouchingTable()
{
    TestFolder dir;
    const QByteArray other = QByteArray("RVDB2000") + Long(0);
    const QString path = dir.createFile(QStringLiteral("Ridevault.rvltdb"), other);
    MediaTable t = SampleTable(3);
    QVERIFY(LoadMediaDatabase(t, dir.path()));
    QCOMPARE(t.MediaCount(), 3);
    // The other version's file is kept before a save replaces it.
    QCOMPARE(TestFolder::readFile(path + QStringLiteral(".damaged")), other);
}

void TestMediaDatabase::missingFileOrWrongMagicFails()
{
    TestFolder dir;
    MediaTable t = SampleTable(2);
    QVERIFY(!LoadMediaDatabase(t, dir.path()));
    dir.createFile(QStringLiteral("Ridevault.rvltdb"), QByteArray("RVDX1000") + Long(0));
    QVERIFY(!LoadMediaDatabase(t, dir.path()));
    QCOMPARE(t.MediaCount(), 2);
}

void TestMediaDatabase::truncatedAtEveryOffsetFailsAndKeepsCopy()
{
    const QByteArray full = EncodeMediaDatabase(SampleTable(3));
    const MediaTable before = SampleTable(1);
    for (int cut = 0; cut < full.size(); ++cut) {
        TestFolder dir;
        const QByteArray damaged = full.left(cut);
        const QString path = dir.createFile(QStringLiteral("Ridevault.rvltdb"), damaged);
        MediaTable t = before;
        // An empty file is a file that does not hold a database either.
        QVERIFY2(!LoadMediaDatabase(t, dir.path()), qPrintable(QStringLiteral("cut at %1").arg(cut)));
        QCOMPARE(t.MediaCount(), 1);
        QCOMPARE(t.MediaList[0], before.MediaList[0]);
        QCOMPARE(TestFolder::readFile(path + QStringLiteral(".damaged")), damaged);
        QCOMPARE(TestFolder::readFile(path), damaged);
    }
}

void TestMediaDatabase::largeFileReadsAsItsBytesDecode_data()
{
    QTest::addColumn<int>("cut");  // bytes taken off the end; the last text is 18 bytes behind its count
    QTest::newRow("whole") << 0;
    QTest::newRow("last byte missing") << 1;
    QTest::newRow("last text missing") << 18;
    QTest::newRow("inside the last count") << 20;
    QTest::newRow("last field missing") << 22;
    QTest::newRow("into the record before") << 23;
}

// A file large enough to be read mapped gives what decoding its bytes in memory gives: the same
// records, or the same damage with the same reason.
void TestMediaDatabase::largeFileReadsAsItsBytesDecode()
{
    QFETCH(int, cut);
    const QByteArray full = EncodeMediaDatabase(SampleTable(1000));
    QVERIFY(full.size() > 128 * 1024);
    const QByteArray bytes = full.left(full.size() - cut);
    TestFolder dir;
    const QString path = dir.createFile(QStringLiteral("big.rvltdb"), bytes);
    std::vector<MediaRecord> fromFile{SampleRecord(7)}, fromBytes{SampleRecord(7)};
    QString fileError, bytesError;
    const DatabaseRead read = ReadMediaDatabaseFile(path, fromFile, &fileError);
    QCOMPARE(read, DecodeMediaDatabase(bytes, fromBytes, &bytesError));
    QCOMPARE(read, cut == 0 ? DatabaseRead::Loaded : DatabaseRead::Damaged);
    QCOMPARE(fileError, bytesError);
    QCOMPARE(fromFile, fromBytes);
    QCOMPARE(fromFile.size(), cut == 0 ? size_t(1000) : size_t(1));
}

void TestMediaDatabase::findPathsAgreesWithTheLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QList<int>>("expected");  // the records found, -1 for none; empty: the file does not load

    const QByteArray db = DatabaseOf(kStoredPaths);
    const QStringList mixed{"/m/Steel Dragon.tktrack", "/M/STEEL DRAGON.TKTRACK", "/m/Steel Dragon.tkpack",
                            "/m/Steel Dragon2.tktrack"};
    QTest::newRow("ASCII: exact, other case finds the first spelling, absent")
        << db << mixed << QList<int>{0, 0, -1, -1};
    QTest::newRow("Latin-1 byte in another case")
        << db << QStringList{QStringLiteral("/m/CAFÉ RIDE.tktrack")} << QList<int>{1};
    QTest::newRow("UTF-8 in another case") << db << QStringList{QStringLiteral("/m/éTÉ.tktrack")} << QList<int>{2};
    QTest::newRow("Windows-1252 byte") << db << QStringList{QStringLiteral("/m/€URO.tktrack")} << QList<int>{3};
    QTest::newRow("micro sign folds as capital mu")
        << db << QStringList{QStringLiteral("/m/\u039cICRO.tktrack")} << QList<int>{5};
    QTest::newRow("y diaeresis and its capital")
        << db << QStringList{QStringLiteral("/m/\u0178.TKTRACK")} << QList<int>{6};
    QTest::newRow("Kelvin sign folds to ASCII k")
        << db << QStringList{QStringLiteral("/m/\u212aelvin.tktrack")} << QList<int>{7};
    QTest::newRow("sharp s: capital sharp s, not SS")
        << db << QStringList{QStringLiteral("/m/STRA\u1e9eE.tktrack"), "/m/STRASSE.tktrack"} << QList<int>{8, -1};
    QTest::newRow("several, in their order")
        << db << QStringList{"/x/nothing here.tktrack", QStringLiteral("/m/€uro.tktrack"), "/m/steel DRAGON.tktrack"}
        << QList<int>{-1, 3, 0};
    QTest::newRow("empty database") << DatabaseOf({}) << QStringList{"/m/Steel Dragon.tktrack"} << QList<int>{-1};
    QTest::newRow("last byte cut") << db.chopped(1) << mixed << QList<int>{};
    QTest::newRow("cut inside the first path") << db.left(20) << mixed << QList<int>{};
    QTest::newRow("one record more than stored")
        << QByteArray(db).replace(8, 4, Long(kStoredPaths.size() + 1)) << mixed << QList<int>{};
    QTest::newRow("a byte behind the last record") << db + '\0' << mixed << QList<int>{0, 0, -1, -1};
    QTest::newRow("wrong magic") << QByteArray(db).replace(0, 4, "RVDX") << mixed << QList<int>{};
    QTest::newRow("another version") << QByteArray(db).replace(4, 4, "0999") << mixed << QList<int>{};
    const QByteArray big = DatabaseOf(kStoredPaths, QByteArray(20000, 'n'));
    QTest::newRow("large file, read mapped") << big << mixed << QList<int>{0, 0, -1, -1};
    QTest::newRow("large file cut by one byte") << big.chopped(1) << mixed << QList<int>{};
}

// The paths a database holds, read from its bytes without loading it, are exactly what the loaded
// table's FindPath finds (a path said to be there that the load would add is a lost add), and a
// file the load refuses is refused here too.
void TestMediaDatabase::findPathsAgreesWithTheLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, asked);
    QFETCH(QList<int>, expected);
    TestFolder dir;
    const QString path = dir.createFile(QStringLiteral("Ridevault.rvltdb"), bytes);

    std::vector<StoredPath> found;
    const bool read = FindMediaDatabasePaths(path, asked, found);
    std::vector<MediaRecord> records;
    const bool loaded = ReadMediaDatabaseFile(path, records) == DatabaseRead::Loaded;
    QCOMPARE(read, loaded);
    QCOMPARE(loaded, !expected.isEmpty());
    if (!loaded) {
        QVERIFY(found.empty());
        return;
    }
    MediaTable table;
    table.Replace(std::move(records));
    QCOMPARE(found.size(), size_t(asked.size()));
    for (qsizetype i = 0; i < asked.size(); ++i) {
        const qint32 record = table.FindPath(asked[i]);
        QCOMPARE(found[i].Record, record);
        QCOMPARE(found[i].Record, expected[i]);
        QCOMPARE(found[i].Path, record >= 0 ? table.MediaList[record].FilePath : QString());
    }
}

void TestMediaDatabase::impossibleCountsAreDamage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("negative count") << QByteArray("RVDB1000") + Long(0xFFFFFFFF);
    QTest::newRow("count without records") << QByteArray("RVDB1000") + Long(1);
    QTest::newRow("huge count") << QByteArray("RVDB1000") + Long(0x7FFFFFFF) + QByteArray(40, '\0');
    QTest::newRow("negative text length") << QByteArray("RVDB1000") + Long(1) + Long(0xFFFFFFF0)
            + QByteArray(40, '\0');
}

void TestMediaDatabase::impossibleCountsAreDamage()
{
    QFETCH(QByteArray, bytes);
    TestFolder dir;
    dir.createFile(QStringLiteral("Ridevault.rvltdb"), bytes);
    MediaTable t = SampleTable(2);
    QVERIFY(!LoadMediaDatabase(t, dir.path()));
    QCOMPARE(t.MediaCount(), 2);
    // A second failure keeps a second, numbered copy instead of overwriting the first.
    QVERIFY(!LoadMediaDatabase(t, dir.path()));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Ridevault.rvltdb.damaged.1"))));
}

void TestMediaDatabase::removeShiftsLaterRecordsDown()
{
    MediaTable t = SampleTable(3);
    const MediaTable original = t;
    t.RemoveMediaRecord(-1);
    t.RemoveMediaRecord(3);
    QCOMPARE(t.MediaCount(), 3);
    t.RemoveMediaRecord(0);
    QCOMPARE(t.MediaCount(), 2);
    QCOMPARE(t.MediaList[0], original.MediaList[1]);
    QCOMPARE(t.MediaList[1], original.MediaList[2]);
    QVERIFY(!t.ContainsPath(original.MediaList[0].FilePath));
    QVERIFY(t.ContainsPath(original.MediaList[2].FilePath));
}

void TestMediaDatabase::bulkRemoveKeepsOrderAndIndex()
{
    MediaTable t = SampleTable(6);
    const MediaTable original = t;
    t.RemoveMediaRecords({4, 0, 2, 2, 99, -3});
    QCOMPARE(t.MediaCount(), 3);
    QCOMPARE(t.MediaList[0], original.MediaList[1]);
    QCOMPARE(t.MediaList[1], original.MediaList[3]);
    QCOMPARE(t.MediaList[2], original.MediaList[5]);
    QVERIFY(!t.ContainsPath(original.MediaList[4].FilePath));
    QVERIFY(t.ContainsPath(original.MediaList[5].FilePath));
}

void TestMediaDatabase::failedWriteLeavesOldFileIntact()
{
    // A file-size limit makes every write past N bytes fail as a full disk would.
    TestFolder dir;
    QVERIFY(SaveMediaDatabase(SampleTable(2), dir.path()));
    const QString path = MediaDatabasePath(dir.path());
    const QByteArray old = TestFolder::readFile(path);
    const MediaTable bigger = SampleTable(500);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    for (rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(4096), rlim_t(20000)}) {
        rlimit small = saved;
        small.rlim_cur = limit;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool ok = SaveMediaDatabase(bigger, dir.path());
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!ok);
        QCOMPARE(TestFolder::readFile(path), old);
    }
    std::signal(SIGXFSZ, oldHandler);
    // Nothing half-written is left beside it either (the side file is the database's own).
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("Ridevault.rvltdb"), QStringLiteral("Ridevault.rvltdb.side")}));
}

QTEST_GUILESS_MAIN(TestMediaDatabase)
#include "tst_mediadatabase.moc"
