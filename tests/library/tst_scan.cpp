// The breadth-first walk (its exact order and what it skips) and the scan that turns found files
// into records, on real temporary folder trees.

#include "TestFolder.h"

#include "library/FileScan.h"
#include "library/PassiveFileSearch.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <filesystem>
#include <sys/stat.h>

namespace {

// Lays out a tree from lines such as "f:m/a.tktrack" (file), "d:m/empty" (folder),
// "l:TARGET>m/link" (symbolic link; TARGET relative to the link's folder or absolute),
// "p:m/pipe.tktrack" (named pipe), "r:m/ro" (a folder without write permission).
void Build(TestFolder& t, const QStringList& layout)
{
    for (const QString& line : layout) {
        const QString what = line.mid(2);
        switch (line[0].toLatin1()) {
        case 'f':
            t.createFile(what, "x");
            break;
        case 'd':
            t.createDir(what);
            break;
        case 'r':
            t.createDir(what);
            QFile::setPermissions(t.filePath(what), QFile::ReadOwner | QFile::ExeOwner);
            break;
        case 'l': {
            const QString target = what.section(QLatin1Char('>'), 0, 0);
            const QString link = t.filePath(what.section(QLatin1Char('>'), 1));
            QDir().mkpath(QFileInfo(link).absolutePath());
            QVERIFY(QFile::link(target, link));
            break;
        }
        case 'p':
            QDir().mkpath(QFileInfo(t.filePath(what)).absolutePath());
            QCOMPARE(::mkfifo(QFile::encodeName(t.filePath(what)).constData(), 0600), 0);
            break;
        default:
            QFAIL(qPrintable(QStringLiteral("bad layout line ") + line));
        }
    }
}

QStringList Walk(PassiveFileSearch& search)
{
    // A walk that does not end within this many steps follows a loop.
    for (int steps = 0; search.SearchStep(); ++steps)
        if (steps > 100000)
            return {QStringLiteral("endless walk")};
    return search.FoundFiles();
}

QStringList WalkMedia(const TestFolder& t, const QStringList& mediaFolders, qint32 filesPerStep = 2)
{
    PassiveFileSearch search;
    QStringList full;
    for (const QString& m : mediaFolders)
        full << t.filePath(m);
    PrepareMediaSearch(search, full, filesPerStep);
    return Walk(search);
}

QStringList Relative(const TestFolder& t, const QStringList& paths)
{
    QStringList out;
    for (const QString& p : paths)
        out << p.mid(t.path().size() + 1);
    return out;
}

// The order a breadth-first walk must give, worked out independently with std::filesystem:
// folders in the order they are discovered (each folder's subfolders in directory order, at the
// end of the queue), and within each folder its visible regular files in directory order.
QStringList ExpectedBreadthFirst(const TestFolder& t, const QStringList& mediaFolders)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> folders;
    for (const QString& m : mediaFolders)
        folders.emplace_back(t.filePath(m).toStdString());
    QStringList files;
    for (size_t i = 0; i < folders.size(); ++i)
        for (const fs::directory_entry& e : fs::directory_iterator(folders[i])) {
            const std::string name = e.path().filename().string();
            if (name[0] == '.')
                continue;
            if (e.is_directory() && !e.is_symlink())
                folders.push_back(e.path());
            else if (e.is_regular_file() && (name.ends_with(".tktrack") || name.ends_with(".tkpack")))
                files << t.path() + QLatin1Char('/') + QString::fromStdString(
                             fs::relative(e.path(), t.path().toStdString()).string());
        }
    return files;
}

} // namespace

class TestScan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void walkOrderIsBreadthFirst_data();
    void walkOrderIsBreadthFirst();
    void walkOrderOfAWideTree();
    void whatTheWalkSees_data();
    void whatTheWalkSees();
    void symbolicLinkLoopsAreNotFollowed();
    void stepsDoOneBoundedPieceOfWork_data();
    void stepsDoOneBoundedPieceOfWork();
    void stepsFollowTheirOrderOfPriority();
    void foldersAndExtensionsAreAddedOnce();
    void scanAddsEveryNewFileWithARow();
    void rescanAddsNothing();
    void scanWithoutFoldersEndsOnTheFirstTick();
    void restartedScanBeginsAgain();
};

// Trees with at most one file and one subfolder per folder: the whole order is fixed.
void TestScan::walkOrderIsBreadthFirst_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QStringList>("media");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("chain") << QStringList{"f:m/a/b/3.tktrack", "f:m/a/2.tkpack", "f:m/1.tktrack"}
                           << QStringList{"m"}
                           << QStringList{"m/1.tktrack", "m/a/2.tkpack", "m/a/b/3.tktrack"};
    QTest::newRow("two media folders interleave by depth")
        << QStringList{"f:m/1.tktrack", "f:m/a/3.tktrack", "f:m/a/aa/5.tktrack", "f:n/2.tktrack",
                       "f:n/b/4.tktrack", "f:n/b/bb/6.tktrack"}
        << QStringList{"m", "n"}
        << QStringList{"m/1.tktrack", "n/2.tktrack", "m/a/3.tktrack", "n/b/4.tktrack",
                       "m/a/aa/5.tktrack", "n/b/bb/6.tktrack"};
    QTest::newRow("every file of a level before the next level")
        << QStringList{"f:m/deep/deeper/deepest/4.tktrack", "f:n/1.tkpack", "f:o/x/2.tktrack",
                       "f:o/x/y/3.tkpack"}
        << QStringList{"m", "n", "o"}
        << QStringList{"n/1.tkpack", "o/x/2.tktrack", "o/x/y/3.tkpack",
                       "m/deep/deeper/deepest/4.tktrack"};
    QTest::newRow("nested media folder is walked again")
        << QStringList{"f:m/1.tktrack", "f:m/s/2.tktrack"} << QStringList{"m", "m/s"}
        << QStringList{"m/1.tktrack", "m/s/2.tktrack", "m/s/2.tktrack"};
    QTest::newRow("missing media folder yields nothing")
        << QStringList{"f:n/1.tktrack"} << QStringList{"gone", "n"} << QStringList{"n/1.tktrack"};
}

void TestScan::walkOrderIsBreadthFirst()
{
    QFETCH(QStringList, layout);
    QFETCH(QStringList, media);
    QFETCH(QStringList, expected);
    TestFolder t;
    Build(t, layout);
    for (qint32 perStep : {1, 2, 7})
        QCOMPARE(Relative(t, WalkMedia(t, media, perStep)), expected);
}

// Many files and folders per level: the order within a folder is the file system's, and the walk
// must keep it while still going level by level.
void TestScan::walkOrderOfAWideTree()
{
    TestFolder t;
    QStringList layout;
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 3; ++b)
            for (int f = 0; f < 5; ++f) {
                layout << QStringLiteral("f:m/a%1/t%2.tktrack").arg(a).arg(f)
                       << QStringLiteral("f:m/a%1/b%2/p%3.tkpack").arg(a).arg(b).arg(f)
                       << QStringLiteral("f:m/a%1/b%2/other%3.txt").arg(a).arg(b).arg(f);
            }
    layout << "f:m/top.tktrack" << "f:n/second.tkpack" << "f:n/c/d/e/deep.tktrack";
    Build(t, layout);
    const QStringList found = WalkMedia(t, {"m", "n"});
    QCOMPARE(found.size(), 4 * 5 + 4 * 3 * 5 + 3);
    QCOMPARE(found, ExpectedBreadthFirst(t, {"m", "n"}));
}

void TestScan::whatTheWalkSees_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("hidden file skipped")
        << QStringList{"f:m/.secret.tktrack", "f:m/seen.tktrack"} << QStringList{"m/seen.tktrack"};
    QTest::newRow("a name that is only the extension is hidden")
        << QStringList{"f:m/.tktrack", "f:m/.tkpack"} << QStringList{};
    QTest::newRow("hidden folder not entered")
        << QStringList{"f:m/.h/in.tktrack", "f:m/.h/v/deeper.tktrack", "f:m/v/out.tktrack"}
        << QStringList{"m/v/out.tktrack"};
    QTest::newRow("upper-case extension found, case kept")
        << QStringList{"f:m/UP.TKTRACK", "f:m/Mixed.TkPack"} << QStringList{"m/Mixed.TkPack", "m/UP.TKTRACK"};
    QTest::newRow("double extension matched once")
        << QStringList{"f:m/x.tkpack.tktrack", "f:m/y.tktrack.tkpack"}
        << QStringList{"m/x.tkpack.tktrack", "m/y.tktrack.tkpack"};
    QTest::newRow("other names ignored")
        << QStringList{"f:m/a.txt", "f:m/a.tktrack.bak", "f:m/tktrack", "f:m/atkpack", "d:m/folder.tktrack"}
        << QStringList{};
    QTest::newRow("link to a folder not entered")
        << QStringList{"f:out/o.tktrack", "l:../out>m/link", "f:m/own.tktrack"} << QStringList{"m/own.tktrack"};
    QTest::newRow("link to a file is a file")
        << QStringList{"f:out/o.tktrack", "l:../out/o.tktrack>m/o-link.tktrack"}
        << QStringList{"m/o-link.tktrack"};
    QTest::newRow("broken link skipped") << QStringList{"l:nowhere.tktrack>m/b.tktrack"} << QStringList{};
    QTest::newRow("named pipe skipped") << QStringList{"p:m/pipe.tktrack"} << QStringList{};
    QTest::newRow("link to a named pipe skipped")
        << QStringList{"p:out/pipe.tktrack", "l:../out/pipe.tktrack>m/p-link.tktrack"} << QStringList{};
    QTest::newRow("read-only folder entered (no such rule here)")
        << QStringList{"f:m/ro/in.tktrack", "r:m/ro"} << QStringList{"m/ro/in.tktrack"};
}

void TestScan::whatTheWalkSees()
{
    QFETCH(QStringList, layout);
    QFETCH(QStringList, expected);
    TestFolder t;
    Build(t, layout);
    QStringList found = Relative(t, WalkMedia(t, {"m"}));
    found.sort();
    QCOMPARE(found, expected);
    QFile::setPermissions(t.filePath("m/ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestScan::symbolicLinkLoopsAreNotFollowed()
{
    TestFolder t;
    Build(t, {"f:m/a/x.tktrack", "l:..>m/a/up", "l:.>m/a/self", "l:../../m>m/a/b/root",
              "l:loop2>m/loop1", "l:loop1>m/loop2"});
    QCOMPARE(Relative(t, WalkMedia(t, {"m"})), QStringList{"m/a/x.tktrack"});
}

// With no folder the walk is over at once; each folder costs one listing of its files and one of
// its subfolders; every FilesPerStep candidates cost one more step.
void TestScan::stepsDoOneBoundedPieceOfWork_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QStringList>("media");
    QTest::addColumn<int>("filesPerStep");
    QTest::addColumn<int>("busySteps");

    QTest::newRow("no folders") << QStringList{} << QStringList{} << 2 << 0;
    QTest::newRow("empty folder") << QStringList{"d:m"} << QStringList{"m"} << 2 << 2;
    QTest::newRow("missing folder") << QStringList{} << QStringList{"m"} << 2 << 2;
    QTest::newRow("five files, two per step")
        << QStringList{"f:m/1.tktrack", "f:m/2.tktrack", "f:m/3.txt", "f:m/4.tkpack", "f:m/5"}
        << QStringList{"m"} << 2 << 2 + 3;
    QTest::newRow("zero per step means one")
        << QStringList{"f:m/1.tktrack", "f:m/2.txt", "f:m/3.txt"} << QStringList{"m"} << 0 << 2 + 3;
    QTest::newRow("a subfolder") << QStringList{"f:m/s/1.tktrack"} << QStringList{"m"} << 2 << 2 + 2 + 1;
}

void TestScan::stepsDoOneBoundedPieceOfWork()
{
    QFETCH(QStringList, layout);
    QFETCH(QStringList, media);
    QFETCH(int, filesPerStep);
    QFETCH(int, busySteps);
    TestFolder t;
    Build(t, layout);
    PassiveFileSearch search;
    QStringList full;
    for (const QString& m : media)
        full << t.filePath(m);
    PrepareMediaSearch(search, full, filesPerStep);
    int steps = 0;
    while (search.SearchStep())
        ++steps;
    QCOMPARE(steps, busySteps);
    QVERIFY(!search.SearchStep());
}

// Found files and known folders after every step: testing listed files comes first, then listing
// the next folder's files, and only then the next folder's subfolders, so the files near the top
// show up before the walk goes deeper.
void TestScan::stepsFollowTheirOrderOfPriority()
{
    TestFolder t;
    Build(t, {"f:m/1.tktrack", "f:m/2.tktrack", "f:m/s/3.tkpack", "f:n/4.tktrack", "f:n/t/5.tktrack"});
    PassiveFileSearch search;
    PrepareMediaSearch(search, {t.filePath("m"), t.filePath("n")}, 2);
    QList<int> found, folders;
    while (search.SearchStep()) {
        found << search.FoundCount();
        folders << int(search.SearchFolders().size());
    }
    //                 files m, test, files n, test, subs m, files m/s, test, subs n, files n/t, test, subs m/s, subs n/t
    QCOMPARE(found, (QList<int>{0, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5}));
    QCOMPARE(folders, (QList<int>{2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 4}));
}

void TestScan::foldersAndExtensionsAreAddedOnce()
{
    TestFolder t;
    Build(t, {"f:m/a.tktrack", "f:m/b.tkpack", "f:m/c.other"});
    PassiveFileSearch search;
    search.ResetSearch(1);
    for (const QString& f : {t.filePath("m"), t.filePath("m") + "/", t.filePath("M/"), QString()})
        search.AddSearchFolder(f);
    QCOMPARE(search.SearchFolders(), QStringList{t.filePath("m") + "/"});
    for (const char* e : {"*.TKTRACK", ".tktrack", "tktrack", "", "*tkpack"})
        search.AddSearchExtension(QLatin1String(e));
    QStringList found = Relative(t, Walk(search));
    found.sort();
    QCOMPARE(found, (QStringList{"m/a.tktrack", "m/b.tkpack"}));

    search.ResetSearch(1);
    search.AddSearchFolder(t.filePath("m"));
    found = Relative(t, Walk(search));
    found.sort();
    QCOMPARE(found, (QStringList{"m/a.tktrack", "m/b.tkpack", "m/c.other"}));
}

void TestScan::scanAddsEveryNewFileWithARow()
{
    TestFolder t;
    Build(t, {"f:m/john smith - steel dragon.tktrack", "f:m/sub/my_big_coaster.tkpack", "f:m/notes.txt",
              "f:n/x.tktrack"});
    MediaTable table;
    FileScan scan;
    scan.StartFileScan(false, {t.filePath("m"), t.filePath("n")});
    QVERIFY(scan.IsRunning());
    QCOMPARE(scan.TimerInterval(), kPassiveScanInterval);
    QCOMPARE(scan.StatusText(), QStringLiteral("Passive File Scan in Progress..."));

    std::vector<qint32> rows;
    const AddRowCallback addRow = [&](qint32 index) {
        QCOMPARE(index, table.MediaCount() - 1);
        rows.push_back(index);
    };
    int ticks = 0;
    while (scan.FileScanStep(table, NameScheme(), addRow)) {
        QCOMPARE(qsizetype(rows.size()), scan.Search().FoundFiles().size());
        QVERIFY(++ticks < 100);
    }
    QVERIFY(!scan.IsRunning());
    QCOMPARE(scan.StatusText(), QString());
    QCOMPARE(rows, (std::vector<qint32>{0, 1, 2}));
    QCOMPARE(table.MediaList[0].FilePath, t.filePath("m/john smith - steel dragon.tktrack"));
    QCOMPARE(table.MediaList[0].Title, QStringLiteral("Steel Dragon"));
    QCOMPARE(table.MediaList[0].Author, QStringLiteral("john smith"));
    QCOMPARE(table.MediaList[1].FilePath, t.filePath("n/x.tktrack"));
    QCOMPARE(table.MediaList[2].FilePath, t.filePath("m/sub/my_big_coaster.tkpack"));
    QCOMPARE(table.MediaList[2].TypeName, QStringLiteral("Pack"));
    QCOMPARE(table.MediaList[2].Title, QStringLiteral("My Big Coaster"));
}

void TestScan::rescanAddsNothing()
{
    TestFolder t;
    Build(t, {"f:m/a.tktrack", "f:m/s/b.tkpack"});
    MediaTable table;
    MediaRecord known;
    known.FilePath = t.filePath("m/A.TKTRACK");  // known already, in other letter case
    table.Append(known);
    FileScan scan;
    int rows = 0;
    for (int pass = 0; pass < 2; ++pass) {
        scan.StartFileScan(true, {t.filePath("m")});
        QCOMPARE(scan.TimerInterval(), kAggressiveScanInterval);
        QCOMPARE(scan.StatusText(), QStringLiteral("Aggressive File Scan in Progress..."));
        while (scan.FileScanStep(table, NameScheme(), [&](qint32) { ++rows; })) {
        }
        QCOMPARE(rows, 1);
        QCOMPARE(table.MediaCount(), 2);
    }
}

void TestScan::scanWithoutFoldersEndsOnTheFirstTick()
{
    MediaTable table;
    FileScan scan;
    scan.StartFileScan(false, {});
    QVERIFY(!scan.FileScanStep(table, NameScheme(), nullptr));
    QVERIFY(!scan.IsRunning());
    QCOMPARE(scan.StatusText(), QString());
    QCOMPARE(table.MediaCount(), 0);
}

void TestScan::restartedScanBeginsAgain()
{
    TestFolder t;
    Build(t, {"f:m/a.tktrack", "f:m/s/b.tkpack", "f:n/c.tktrack"});
    MediaTable table;
    FileScan scan;
    scan.StartFileScan(false, {t.filePath("m")});
    for (int i = 0; i < 3; ++i)
        scan.FileScanStep(table, NameScheme(), nullptr);
    QCOMPARE(table.MediaCount(), 1);
    scan.StartFileScan(true, {t.filePath("n"), t.filePath("m")});
    QVERIFY(scan.IsAggressive());
    QCOMPARE(scan.Search().FoundCount(), 0);
    while (scan.FileScanStep(table, NameScheme(), nullptr)) {
    }
    QCOMPARE(table.MediaCount(), 3);
    QCOMPARE(table.MediaList[1].FilePath, t.filePath("n/c.tktrack"));
    QCOMPARE(table.MediaList[2].FilePath, t.filePath("m/s/b.tkpack"));
}

QTEST_GUILESS_MAIN(TestScan)
#include "tst_scan.moc"
