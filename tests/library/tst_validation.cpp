// Validation drops exactly the records whose file is gone or outside every media folder, keeps
// the others untouched and in order, and has the list rebuilt once.

#include "TestFolder.h"

#include "library/MediaValidation.h"

#include <QFile>
#include <QTest>

namespace {

// A record with every field set, so a test notices when a kept record is changed.
MediaRecord Record(const QString& path, int n)
{
    MediaRecord r;
    r.FilePath = path;
    r.FileType = n % 3;
    r.TypeName = TypeNameOf(r.FileType);
    r.AddDate = QStringLiteral("01/02/2003 04:05:%1").arg(n, 2, 10, QLatin1Char('0'));
    r.RideCount = n * 7;
    r.RideDate = QStringLiteral("12/31/1999 23:59:59");
    r.PackTrack = QStringLiteral("pack %1").arg(n);
    r.Title = QStringLiteral("Title %1").arg(n);
    r.Author = QStringLiteral("Author %1").arg(n);
    r.Rating = QStringLiteral("*****");
    r.Notes = QStringLiteral("notes\r\n%1").arg(n);
    return r;
}

} // namespace

class TestValidation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void removesStaleRecordsOnly_data();
    void removesStaleRecordsOnly();
    void listIsRefilledOnceAfterTheRemovals();
};

void TestValidation::removesStaleRecordsOnly_data()
{
    // Files that exist on disk; records (relative paths, in table order); media folders relative
    // to the test folder ("" = the test folder itself with a final "/"); the records that stay.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("media");
    QTest::addColumn<QStringList>("kept");

    const QStringList abc{"m/a.tktrack", "m/b.tkpack", "m/c.tktrack"};
    QTest::newRow("nothing stale") << abc << abc << QStringList{"m/"} << abc;
    QTest::newRow("missing file in the middle")
        << QStringList{"m/a.tktrack", "m/c.tktrack"} << abc << QStringList{"m/"}
        << QStringList{"m/a.tktrack", "m/c.tktrack"};
    QTest::newRow("two missing in a row")
        << QStringList{"m/c.tktrack"} << abc << QStringList{"m/"} << QStringList{"m/c.tktrack"};
    QTest::newRow("last record missing")
        << QStringList{"m/a.tktrack", "m/b.tkpack"} << abc << QStringList{"m/"}
        << QStringList{"m/a.tktrack", "m/b.tkpack"};
    QTest::newRow("all missing") << QStringList{} << abc << QStringList{"m/"} << QStringList{};
    QTest::newRow("no media folders") << abc << abc << QStringList{} << QStringList{};
    QTest::newRow("outside every media folder")
        << QStringList{"m/a.tktrack", "other/b.tkpack", "n/c.tktrack"}
        << QStringList{"m/a.tktrack", "other/b.tkpack", "n/c.tktrack"} << QStringList{"n/", "m/"}
        << QStringList{"m/a.tktrack", "n/c.tktrack"};
    QTest::newRow("subfolder counts as inside")
        << QStringList{"m/x/y/deep.tktrack"} << QStringList{"m/x/y/deep.tktrack"} << QStringList{"m/"}
        << QStringList{"m/x/y/deep.tktrack"};
    QTest::newRow("folder in other letter case counts as inside")
        << QStringList{"m/a.tktrack"} << QStringList{"m/a.tktrack"} << QStringList{"M/"}
        << QStringList{"m/a.tktrack"};
    QTest::newRow("folder without final slash covers a sibling with the same start")
        << QStringList{"m/a.tktrack", "m2/b.tktrack", "n/c.tktrack"}
        << QStringList{"m/a.tktrack", "m2/b.tktrack", "n/c.tktrack"} << QStringList{"m"}
        << QStringList{"m/a.tktrack", "m2/b.tktrack"};
    QTest::newRow("folder with final slash does not")
        << QStringList{"m/a.tktrack", "m2/b.tktrack"} << QStringList{"m/a.tktrack", "m2/b.tktrack"}
        << QStringList{"m/"} << QStringList{"m/a.tktrack"};
    QTest::newRow("renamed to a hidden name counts as gone")
        << QStringList{"m/.a.tktrack", "m/b.tkpack"} << QStringList{"m/.a.tktrack", "m/b.tkpack"}
        << QStringList{"m/"} << QStringList{"m/b.tkpack"};
    QTest::newRow("a folder where the file was counts as gone")
        << QStringList{"m/a.tktrack/inner", "m/b.tkpack"} << QStringList{"m/a.tktrack", "m/b.tkpack"}
        << QStringList{"m/"} << QStringList{"m/b.tkpack"};
    QTest::newRow("records with the same path in other case are judged alone")
        << QStringList{"m/a.tktrack"} << QStringList{"m/a.tktrack", "m/A.tktrack", "m/a.tktrack"}
        << QStringList{"m/"} << QStringList{"m/a.tktrack", "m/a.tktrack"};
}

void TestValidation::removesStaleRecordsOnly()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, records);
    QFETCH(QStringList, media);
    QFETCH(QStringList, kept);

    TestFolder t;
    for (const QString& f : files)
        t.createFile(f, "x");
    const QString root = t.path() + QLatin1Char('/');
    MediaTable table;
    std::vector<MediaRecord> expected;
    qsizetype k = 0;  // kept lists the surviving records in table order
    for (int i = 0; i < records.size(); ++i) {
        table.Append(Record(root + records[i], i));
        if (k < kept.size() && kept[k] == records[i]) {
            expected.push_back(Record(root + records[i], i));
            ++k;
        }
    }
    QCOMPARE(k, kept.size());
    QStringList mediaPaths;
    for (const QString& m : media)
        mediaPaths << root + m;

    const qint32 removed = ValidateMediaList(table, mediaPaths, nullptr);
    QCOMPARE(table.MediaList, expected);
    QCOMPARE(removed, qint32(records.size() - kept.size()));
    for (const QString& r : records)
        QCOMPARE(table.ContainsPath(root + r), kept.contains(r, Qt::CaseInsensitive));
}

void TestValidation::listIsRefilledOnceAfterTheRemovals()
{
    TestFolder t;
    const QString kept = t.createFile("m/kept.tktrack", "x");
    MediaTable table;
    table.Append(Record(t.filePath("m/gone.tktrack"), 0));
    table.Append(Record(kept, 1));
    table.Append(Record(t.filePath("elsewhere/x.tkpack"), 2));
    table.Append(Record(t.createFile("elsewhere/y.tkpack"), 3));
    int fills = 0;
    ValidateMediaList(table, {t.filePath("m/")}, [&] {
        ++fills;
        QCOMPARE(table.MediaCount(), 1);
        QCOMPARE(table.MediaList[0].FilePath, kept);
    });
    QCOMPARE(fills, 1);
}

QTEST_GUILESS_MAIN(TestValidation)
#include "tst_validation.moc"
