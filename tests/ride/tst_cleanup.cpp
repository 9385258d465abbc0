// Removing what a ride installed: only listed files inside the simulator folder, the folders this
// emptied, never the simulator's own folders, never anything a tampered list points at elsewhere.

#include "TestFolder.h"

#include "ride/CleanupInstalledFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

struct Scene {
    TestFolder root;
    Scene()
    {
        root.createDir(QStringLiteral("sim/objects"));
        root.createDir(QStringLiteral("sim/Tracks"));
        root.createDir(QStringLiteral("prog"));
        root.createFile(QStringLiteral("outside/victim.txt"), "victim");
    }
    QString sim(const QString& relative = QString()) const { return root.filePath(QStringLiteral("sim/") + relative); }
    void list(const QByteArray& content) { root.createFile(QStringLiteral("prog/Ridevault.rvltps"), content); }
    CleanupResult run() const
    {
        return CleanupInstalledFiles(root.filePath(QStringLiteral("sim")), root.filePath(QStringLiteral("prog")));
    }
    bool listExists() const { return QFile::exists(root.filePath(QStringLiteral("prog/Ridevault.rvltps"))); }
};

} // namespace

class TestCleanup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void removesListedFilesAndEmptiedFolders()
    {
        Scene s;
        s.root.createFile(QStringLiteral("sim/Tracks/loop.tktrack"), "t");
        s.root.createFile(QStringLiteral("sim/objects/Loop/station.obj"), "o");
        s.root.createFile(QStringLiteral("sim/objects/Loop/sub/deep.obj"), "d");
        s.root.createFile(QStringLiteral("sim/readme.txt"), "r");
        // Listed in the package's letter case; one file the user already removed during the ride.
        s.list("tracks\\LOOP.tktrack|OBJECTS\\loop\\station.obj|objects\\gone.obj|objects\\Loop\\sub\\deep.obj|readme.txt");
        const CleanupResult r = s.run();
        QCOMPARE(r.deleted, QStringList({QStringLiteral("tracks\\LOOP.tktrack"), QStringLiteral("OBJECTS\\loop\\station.obj"),
                                         QStringLiteral("objects\\Loop\\sub\\deep.obj"), QStringLiteral("readme.txt")}));
        QCOMPARE(r.skipped, QStringList({QStringLiteral("objects\\gone.obj")}));
        QCOMPARE(r.removedFolders, QStringList({QStringLiteral("objects\\Loop\\sub\\"), QStringLiteral("OBJECTS\\loop\\")}));
        QCOMPARE(s.root.listAll(), QStringList({QStringLiteral("outside/"), QStringLiteral("outside/victim.txt"),
                                                QStringLiteral("prog/"), QStringLiteral("sim/"),
                                                QStringLiteral("sim/Tracks/"), QStringLiteral("sim/objects/")}));
        QVERIFY(!s.listExists());
    }

    void protectedFoldersAreKept_data()
    {
        QTest::addColumn<QString>("folder");
        for (const char* f : {"cartextures", "data", "elements", "environments", "help", "objects", "plugins",
                              "Screenshots", "teratextures", "TRACKS", "woody"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }

    void protectedFoldersAreKept()
    {
        QFETCH(QString, folder);
        Scene s;
        s.root.createFile(QStringLiteral("sim/%1/only.file").arg(folder));
        s.list(QStringLiteral("%1\\only.file").arg(folder.toLower()).toUtf8());
        const CleanupResult r = s.run();
        QCOMPARE(r.deleted.size(), 1);
        QVERIFY(r.removedFolders.isEmpty());
        QVERIFY(QFileInfo(s.sim(folder)).isDir());
        QVERIFY(IsProtectedFolder(folder + QLatin1Char('\\')));
        QVERIFY(!IsProtectedFolder(folder + QStringLiteral("\\sub\\")));
    }

    void foldersWithOtherContentStay()
    {
        Scene s;
        s.root.createFile(QStringLiteral("sim/objects/new/ours.obj"));
        s.root.createFile(QStringLiteral("sim/objects/new/.users-note"));
        s.root.createFile(QStringLiteral("sim/top/ours.obj"));
        s.list("objects\\new\\ours.obj|top\\ours.obj");
        const CleanupResult r = s.run();
        QCOMPARE(r.removedFolders, QStringList({QStringLiteral("top\\")}));
        QVERIFY(QFile::exists(s.sim(QStringLiteral("objects/new/.users-note"))));
        // The simulator folder itself is never removed, even when the clean-up empties it.
        Scene t;
        QDir(t.sim()).removeRecursively();
        t.root.createFile(QStringLiteral("sim/only.txt"));
        t.list("only.txt");
        QCOMPARE(t.run().deleted.size(), 1);
        QVERIFY(QFileInfo(t.sim()).isDir());
    }

    // A tampered list, or links in the simulator folder, never lead the clean-up outside it.
    void tamperedListDeletesNothingOutside_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("parent traversal") << QStringLiteral("..\\outside\\victim.txt");
        QTest::newRow("slash traversal") << QStringLiteral("objects/../../outside/victim.txt");
        QTest::newRow("absolute") << QStringLiteral("@OUTSIDE@/victim.txt");
        QTest::newRow("leading separator") << QStringLiteral("\\..\\outside\\victim.txt");
        QTest::newRow("drive") << QStringLiteral("C:..\\outside\\victim.txt");
        QTest::newRow("control character") << QStringLiteral("..\\outside\\victim.txt\n");
        QTest::newRow("folder itself") << QStringLiteral("objects");
        QTest::newRow("simulator folder") << QStringLiteral(".");
        QTest::newRow("through a link to a folder outside") << QStringLiteral("objects\\away\\victim.txt");
        QTest::newRow("a link to a file outside") << QStringLiteral("objects\\victim.obj");
        QTest::newRow("through a link, into an empty folder") << QStringLiteral("objects\\away\\empty\\x.obj");
    }

    void tamperedListDeletesNothingOutside()
    {
        QFETCH(QString, entry);
        Scene s;
        const QString outside = s.root.filePath(QStringLiteral("outside"));
        entry.replace(QLatin1String("@OUTSIDE@"), outside);
        s.root.createFile(QStringLiteral("sim/objects/ours.obj"));
        QVERIFY(QFile::link(outside, s.sim(QStringLiteral("objects/away"))));
        QVERIFY(QFile::link(outside + QStringLiteral("/victim.txt"), s.sim(QStringLiteral("objects/victim.obj"))));
        s.root.createDir(QStringLiteral("outside/empty"));
        s.list((entry + QStringLiteral("|objects\\ours.obj")).toUtf8());
        const CleanupResult r = s.run();
        QCOMPARE(r.skipped, QStringList({entry}));
        QCOMPARE(r.deleted, QStringList({QStringLiteral("objects\\ours.obj")}));
        QVERIFY(r.removedFolders.isEmpty());
        QCOMPARE(TestFolder::readFile(outside + QStringLiteral("/victim.txt")), QByteArray("victim"));
        QVERIFY(QFileInfo(outside + QStringLiteral("/empty")).isDir());
        QVERIFY(QFileInfo(s.sim(QStringLiteral("objects/victim.obj"))).isSymLink());
        QVERIFY(QFileInfo(s.sim(QStringLiteral("objects"))).isDir());
        QVERIFY(!s.listExists());
    }

    // Without a list only what a stopped installation left goes.
    void stagingLeftoversGoWithoutAList()
    {
        Scene s;
        s.root.createFile(QStringLiteral("sim/objects/a.obj"), "the user's");
        s.root.createFile(QStringLiteral("sim/.ridevault-staging-Ab12Cd/0"), "inflated");
        s.root.createFile(QStringLiteral("sim/.ridevault-staging-Ab12Cd/1"), "half");
        // Only that exact pattern, directly in the simulator folder, never through a link.
        s.root.createFile(QStringLiteral("sim/.ridevault-staging-AB12CDE/mine"), "too long");
        s.root.createFile(QStringLiteral("sim/.ridevault-staging-Ab1-Cd/mine"), "not letters or digits");
        s.root.createFile(QStringLiteral("sim/objects/.ridevault-staging-Ab12Cd/mine"), "one level down");
        s.root.createFile(QStringLiteral("outside/staged/victim.txt"), "victim");
        QVERIFY(QFile::link(s.root.filePath(QStringLiteral("outside/staged")), s.sim(QStringLiteral(".ridevault-staging-Link00"))));
        const CleanupResult r = s.run();
        QVERIFY(r.deleted.isEmpty() && r.skipped.isEmpty() && r.removedFolders.isEmpty());
        QVERIFY(!QFileInfo::exists(s.sim(QStringLiteral(".ridevault-staging-Ab12Cd"))));
        for (const char* kept : {".ridevault-staging-AB12CDE/mine", ".ridevault-staging-Ab1-Cd/mine",
                                 "objects/.ridevault-staging-Ab12Cd/mine", "objects/a.obj"})
            QVERIFY2(QFileInfo::exists(s.sim(QLatin1String(kept))), kept);
        QVERIFY(QFileInfo(s.sim(QStringLiteral(".ridevault-staging-Link00"))).isSymLink());
        QCOMPARE(TestFolder::readFile(s.root.filePath(QStringLiteral("outside/staged/victim.txt"))), QByteArray("victim"));
    }
};

QTEST_GUILESS_MAIN(TestCleanup)
#include "tst_cleanup.moc"
