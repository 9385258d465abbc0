// The media folders are watched while the window is open: a file made there is a row without a
// scan, a removed file's row is marked and its record kept, a renamed file takes its record along
// (same record, user's title kept), a new subfolder is watched with its files, hidden files and
// folders stay out, and when the system refuses a watch the window falls back to a passive scan
// and says so in the status bar, once.

#include "MainWindowFixture.h"

#include "app/LiveMediaFolders.h"
#include "controls/ucStatusBar.h"
#include "library/FileScan.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
enum class Change { Create, Delete, Rename, NewSubfolder, Hidden, WatchLimit };
const char kLimitText[] = "Too many folders to watch: new files show after a file scan.";
} // namespace
Q_DECLARE_METATYPE(Change)

class TestLiveFolders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void folderChangesReachTheList_data();
    void folderChangesReachTheList();
};

void TestLiveFolders::folderChangesReachTheList_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("titles");  // sorted
    QTest::addColumn<QString>("alphaPath");   // where the record of Alpha points, relative
    QTest::newRow("create") << Change::Create << QStringList{"Alpha", "Comet"} << "m/a.tktrack";
    QTest::newRow("delete") << Change::Delete << QStringList{"(missing) Alpha"} << "m/a.tktrack";
    QTest::newRow("rename") << Change::Rename << QStringList{"Alpha"} << "m/b.tktrack";
    QTest::newRow("new subfolder") << Change::NewSubfolder << QStringList{"Alpha", "Dune", "Echo", "Flint"}
                                   << "m/a.tktrack";
    QTest::newRow("hidden file") << Change::Hidden << QStringList{"Alpha", "Comet"} << "m/a.tktrack";
    QTest::newRow("watch limit") << Change::WatchLimit << QStringList{"Alpha", "Fox", "Gale"} << "m/a.tktrack";
}

void TestLiveFolders::folderChangesReachTheList()
{
    QFETCH(Change, change);
    QFETCH(QStringList, titles);
    QFETCH(QString, alphaPath);
    MainWindowFixture f;
    f.folder.createFile("m/a.tktrack", "ride alpha");
    f.folder.createDir("m/old");
    f.WriteDatabase({TestRecord(f.folder.filePath("m/a.tktrack"), "Alpha", "Al")});
    const QString media = f.folder.filePath("m");
    f.WriteSettings([&](AppSettings& settings, Theme&) { settings.MediaPaths = {media}; });
    f.Open();
    LiveMediaFolders& live = f.window->LiveFolders();
    // The background fill takes Alpha's fingerprint, which a rename needs to find the record again.
    QTRY_VERIFY(!f.window->Timers().Scan().IsRunning());
    QTRY_VERIFY(!f.window->Timers().FingerprintTimer().isActive());
    QTRY_VERIFY(live.IsSettled());
    QCOMPARE(int(live.WatchedFolders().size()), 2);

    auto sortedTitles = [&] {
        QStringList shown = f.ListTitles();
        shown.sort();
        return shown;
    };
    QString refused;  // the folder whose watch the system refuses, in the watch limit case
    switch (change) {
    case Change::Create:
        f.folder.createFile("m/Comet.tktrack", "ride comet");
        f.folder.createFile("m/notes.txt", "not a ride");
        break;
    case Change::Delete:
        QVERIFY(QFile::remove(f.folder.filePath("m/a.tktrack")));
        break;
    case Change::Rename:
        QVERIFY(QFile::rename(f.folder.filePath("m/a.tktrack"), f.folder.filePath("m/b.tktrack")));
        break;
    case Change::NewSubfolder:
        // Files made with the folder, then one made once the folder is watched, then the old
        // subfolder goes and is no longer watched.
        f.folder.createFile("m/new/Dune.tktrack", "ride dune");
        f.folder.createFile("m/new/deeper/Echo.tktrack", "ride echo");
        QTRY_COMPARE(int(live.WatchedFolders().size()), 4);
        QVERIFY(QDir(f.folder.filePath("m/old")).removeRecursively());
        f.folder.createFile("m/new/deeper/Flint.tktrack", "ride flint");
        QTRY_COMPARE(sortedTitles(), titles);
        QTRY_COMPARE(int(live.WatchedFolders().size()), 3);
        break;
    case Change::Hidden:
        f.folder.createFile("m/.Ghost.tktrack", "ride ghost");
        f.folder.createFile("m/.hid/Hex.tktrack", "ride hex");
        // Comet comes last: once it shows, the hidden ones would have too.
        f.folder.createFile("m/Comet.tktrack", "ride comet");
        break;
    case Change::WatchLimit: {
        // The system refuses the watch of one folder: first m/full, then m/full2.
        refused = f.folder.filePath("m/full/");
        live.SetAddPath([&refused](QFileSystemWatcher& watcher, const QString& folder) {
            return folder != refused && watcher.addPath(folder);
        });
        live.Start({media});
        QTRY_VERIFY(live.IsSettled());
        f.folder.createFile("m/full/Fox.tktrack", "ride fox");
        QTRY_VERIFY(!live.IsWatching());
        QCOMPARE(f.StatusText(0), QString::fromLatin1(kLimitText));
        QTRY_COMPARE(int(f.ListTitles().size()), 2);  // the fallback scan found Fox
        // A second refusal does not say it again.
        f.window->findChild<ucStatusBar*>("sbMain")->UpdateField(0, QStringLiteral("other"));
        refused = f.folder.filePath("m/full2/");
        live.Start({media});
        QTRY_VERIFY(live.IsSettled());
        QVERIFY(live.IsWatching());
        f.folder.createFile("m/full2/Gale.tktrack", "ride gale");
        QTRY_VERIFY(!live.IsWatching());
        QTRY_COMPARE(int(f.ListTitles().size()), 3);
        QVERIFY(f.StatusText(0) != QString::fromLatin1(kLimitText));
        break;
    }
    }
    // A rename changes no title: the record's path is what shows the change was seen.
    QTRY_COMPARE(f.state.Media.MediaList[0].FilePath, f.folder.filePath(alphaPath));
    QTRY_COMPARE(sortedTitles(), titles);
    QTRY_VERIFY(live.IsSettled());
    QCOMPARE(qsizetype(f.state.Media.MediaCount()), titles.size());
}

QTEST_MAIN(TestLiveFolders)
#include "tst_livefolders.moc"
