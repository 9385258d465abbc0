// LiveFolders without a display: after a change to a folder, Refresh reports exactly the ride
// files and subfolders that came and went - a rename as one gone and one new file, a removed
// subfolder with every watched folder and file under it, hidden names and other extensions never.

#include "TestFolder.h"

#include "library/LiveFolders.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

using Step = std::function<void(TestFolder&)>;
Q_DECLARE_METATYPE(Step)

class TestLiveFoldersCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refreshReportsTheChanges_data();
    void refreshReportsTheChanges();
};

void TestLiveFoldersCore::refreshReportsTheChanges_data()
{
    QTest::addColumn<Step>("change");
    QTest::addColumn<QStringList>("added");        // files, relative
    QTest::addColumn<QStringList>("gone");         // files, relative
    QTest::addColumn<QStringList>("addedFolders");
    QTest::addColumn<QStringList>("goneFolders");
    QTest::newRow("create") << Step([](TestFolder& t) { t.createFile("m/c.TKPACK"); })
                            << QStringList{"m/c.TKPACK"} << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("delete") << Step([](TestFolder& t) { QFile::remove(t.filePath("m/a.tktrack")); })
                            << QStringList{} << QStringList{"m/a.tktrack"} << QStringList{} << QStringList{};
    QTest::newRow("rename") << Step([](TestFolder& t) {
        QFile::rename(t.filePath("m/a.tktrack"), t.filePath("m/b.tktrack"));
    }) << QStringList{"m/b.tktrack"} << QStringList{"m/a.tktrack"} << QStringList{} << QStringList{};
    QTest::newRow("new subfolder") << Step([](TestFolder& t) { t.createFile("m/new/d.tktrack"); })
                                   << QStringList{} << QStringList{} << QStringList{"m/new/"} << QStringList{};
    QTest::newRow("subfolder removed") << Step([](TestFolder& t) { QDir(t.filePath("m/sub")).removeRecursively(); })
                                       << QStringList{} << QStringList{"m/sub/s.tktrack", "m/sub/deep/e.tkpack"}
                                       << QStringList{} << QStringList{"m/sub/", "m/sub/deep/"};
    QTest::newRow("hidden and other files") << Step([](TestFolder& t) {
        t.createFile("m/.h.tktrack");
        t.createFile("m/.hid/x.tktrack");
        t.createFile("m/readme.txt");
        t.createFile("m/tktrack");
    }) << QStringList{} << QStringList{} << QStringList{} << QStringList{};
}

void TestLiveFoldersCore::refreshReportsTheChanges()
{
    QFETCH(Step, change);
    QFETCH(QStringList, added);
    QFETCH(QStringList, gone);
    QFETCH(QStringList, addedFolders);
    QFETCH(QStringList, goneFolders);
    TestFolder t;
    t.createFile("m/a.tktrack");
    t.createFile("m/sub/s.tktrack");
    t.createFile("m/sub/deep/e.tkpack");
    LiveFolders folders;
    QCOMPARE(folders.Join(t.filePath("m")).Subfolders, QStringList{t.filePath("m/sub/")});
    folders.Join(t.filePath("m/sub"));
    folders.Join(t.filePath("m/sub/deep/"));

    change(t);
    const FolderChanges changes = folders.Refresh(t.filePath("m"));

    auto full = [&](const QStringList& relative) {
        QStringList paths;
        for (const QString& path : relative)
            paths << t.filePath(path);
        paths.sort();
        return paths;
    };
    auto sorted = [](QStringList list) {
        list.sort();
        return list;
    };
    QCOMPARE(sorted(changes.AddedFiles), full(added));
    QCOMPARE(sorted(changes.GoneFiles), full(gone));
    QCOMPARE(sorted(changes.AddedFolders), full(addedFolders));
    QCOMPARE(sorted(changes.GoneFolders), full(goneFolders));
    QCOMPARE(folders.FolderCount(), 3 - goneFolders.size());
    // Nothing changed since: nothing to report.
    const FolderChanges again = folders.Refresh(t.filePath("m"));
    QVERIFY(again.AddedFiles.isEmpty() && again.GoneFiles.isEmpty() && again.AddedFolders.isEmpty());
}

QTEST_GUILESS_MAIN(TestLiveFoldersCore)
#include "tst_livefolders_core.moc"
