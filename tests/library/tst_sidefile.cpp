// The side file: fingerprints and retired records come back after a save and a load while the
// database keeps exactly its own bytes; a damaged or foreign side file never stops the load, is kept
// aside and written whole again; the retired list drops its oldest entries at its bound.

#include "TestFolder.h"

#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"
#include "library/MediaValidation.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

MediaRecord Record(const QString& path, int n)
{
    MediaRecord r;
    r.FilePath = path;
    r.TypeName = TypeNameOf(r.FileType);
    r.AddDate = QStringLiteral("01/02/2003 04:05:%1").arg(n, 2, 10, QLatin1Char('0'));
    r.RideCount = n;
    r.Title = QStringLiteral("T\u00e9 %1").arg(n);
    r.Notes = QStringLiteral("notes %1").arg(n);
    return r;
}

// Three records with files (fingerprinted), one without, and two retired.
MediaTable SampleTable(TestFolder& t)
{
    MediaTable table;
    for (int n = 0; n < 3; ++n) {
        const QString path = t.createFile(QStringLiteral("m/%1 \u00e4.tktrack").arg(n), QByteArray(100 + n, 'x'));
        table.Append(Record(path, n), FingerprintOfFile(path));
    }
    table.Append(Record(t.filePath("m/none.tktrack"), 3));
    table.Retired.Retire(Record("/gone/a.tktrack", 4), FingerprintOfFile(t.filePath("m/0 \u00e4.tktrack")));
    table.Retired.Retire(Record("/gone/b.tktrack", 5), {});
    return table;
}

} // namespace

class TestSideFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTripKeepsTheDatabaseBytes();
    void damagedSideFileIsKeptAsideAndRebuilt_data();
    void damagedSideFileIsKeptAsideAndRebuilt();
    void retiredBoundDropsTheOldest_data();
    void retiredBoundDropsTheOldest();
};

void TestSideFile::roundTripKeepsTheDatabaseBytes()
{
    TestFolder t;
    const MediaTable table = SampleTable(t);
    QString error;
    QVERIFY2(SaveMediaDatabase(table, t.path(), &error), qPrintable(error));
    const QString db = MediaDatabasePath(t.path());
    QCOMPARE(TestFolder::readFile(db), EncodeMediaDatabase(table));
    MediaTable plain;
    plain.Replace(table.MediaList);
    QCOMPARE(TestFolder::readFile(db), EncodeMediaDatabase(plain));

    MediaTable loaded;
    QVERIFY(LoadMediaDatabase(loaded, t.path()));
    QCOMPARE(loaded.MediaList, table.MediaList);
    for (qint32 i = 0; i < table.MediaCount(); ++i)
        QCOMPARE(loaded.FingerprintOf(i), table.FingerprintOf(i));
    QVERIFY(!loaded.FingerprintOf(3).IsValid());
    QCOMPARE(loaded.Retired.Entries(), table.Retired.Entries());

    // Beside a database it was not written with (here the same records in another order, as another
    // program might save them), the side file gives no fingerprint to a wrong record; its retired
    // records still count.
    std::vector<MediaRecord> reversed(table.MediaList.rbegin(), table.MediaList.rend());
    MediaTable shuffled;
    shuffled.Replace(reversed);
    QCOMPARE(LoadMediaSideFile(shuffled, MediaSideFilePath(db), StampOf(EncodeMediaDatabase(shuffled))),
             SideFileRead::Loaded);
    for (qint32 i = 0; i < shuffled.MediaCount(); ++i)
        QVERIFY(!shuffled.FingerprintOf(i).IsValid());
    QCOMPARE(shuffled.Retired.Entries(), table.Retired.Entries());
}

void TestSideFile::damagedSideFileIsKeptAsideAndRebuilt_data()
{
    QTest::addColumn<int>("cut");          // bytes kept from the good file; -1: replaced by `bytes`
    QTest::addColumn<QByteArray>("bytes");  // used when cut is -1; appended to the good file otherwise

    QTest::newRow("empty") << -1 << QByteArray();
    QTest::newRow("foreign file") << -1 << QByteArray("RVDB1000\0\0\0\0", 12);
    QTest::newRow("other version") << -1 << QByteArray("RVSF2000\0\0\0\0\0\0\0\0RVSE", 20);
    QTest::newRow("cut in the header") << 6 << QByteArray();
    QTest::newRow("cut inside a fingerprint") << 40 << QByteArray();
    QTest::newRow("cut before the end mark") << -2 << QByteArray();
    QTest::newRow("bytes after the end mark") << 0 << QByteArray("x");
}

void TestSideFile::damagedSideFileIsKeptAsideAndRebuilt()
{
    QFETCH(int, cut);
    QFETCH(QByteArray, bytes);

    TestFolder t;
    const MediaTable table = SampleTable(t);
    QVERIFY(SaveMediaDatabase(table, t.path()));
    const QString side = MediaSideFilePath(MediaDatabasePath(t.path()));
    QByteArray damaged = TestFolder::readFile(side);
    if (cut == -1)
        damaged = bytes;
    else if (cut == -2)
        damaged.chop(4);
    else if (cut == 0)
        damaged += bytes;
    else
        damaged.truncate(cut);
    {
        QFile f(side);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(damaged);
    }

    MediaTable loaded;
    QVERIFY(LoadMediaDatabase(loaded, t.path()));
    QCOMPARE(loaded.MediaList, table.MediaList);
    QVERIFY(!loaded.FingerprintOf(0).IsValid());
    QCOMPARE(loaded.Retired.Count(), 0);
    QCOMPARE(TestFolder::readFile(side + QLatin1String(".damaged")), damaged);

    QVERIFY(SaveMediaDatabase(loaded, t.path()));
    MediaTable again;
    QVERIFY(LoadMediaDatabase(again, t.path()));
    QVERIFY(!QFileInfo::exists(side + QLatin1String(".damaged.1")));
}

void TestSideFile::retiredBoundDropsTheOldest_data()
{
    QTest::addColumn<int>("bound");
    QTest::addColumn<int>("retired");
    QTest::addColumn<QStringList>("kept");  // Notes of the entries left, oldest first

    QTest::newRow("below the bound") << 5 << 3 << QStringList{"notes 0", "notes 1", "notes 2"};
    QTest::newRow("at the bound") << 3 << 3 << QStringList{"notes 0", "notes 1", "notes 2"};
    QTest::newRow("over the bound") << 3 << 5 << QStringList{"notes 2", "notes 3", "notes 4"};
    QTest::newRow("bound of one") << 1 << 4 << QStringList{"notes 3"};
    QTest::newRow("nothing kept") << 0 << 2 << QStringList{};
}

void TestSideFile::retiredBoundDropsTheOldest()
{
    QFETCH(int, bound);
    QFETCH(int, retired);
    QFETCH(QStringList, kept);

    TestFolder t;
    MediaTable table;
    table.Retired = RetiredRecords(bound);
    for (int n = 0; n < retired; ++n)
        table.Append(Record(t.createFile(QStringLiteral("m/%1.tktrack").arg(n), QByteArray::number(n)), n));
    // Validation retires in table order, so the first record is the oldest entry.
    ValidateMediaList(table, {t.filePath("elsewhere/")}, nullptr);
    QCOMPARE(table.MediaCount(), 0);

    QVERIFY(SaveMediaDatabase(table, t.path()));
    MediaTable loaded;
    loaded.Retired = RetiredRecords(bound);
    QVERIFY(LoadMediaDatabase(loaded, t.path()));
    QStringList notes;
    for (const RetiredRecord& entry : loaded.Retired.Entries()) {
        notes << entry.Record.Notes;
        QVERIFY(entry.Fingerprint.IsValid());  // taken by validation, the files still being there
    }
    QCOMPARE(notes, kept);
}

QTEST_GUILESS_MAIN(TestSideFile)
#include "tst_sidefile.moc"
