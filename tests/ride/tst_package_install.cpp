// Installing packages into a simulator folder: what lands, what is listed, what is refused, and that
// a refused, failed or interrupted installation leaves nothing unlisted behind.

#include "PackageBytes.h"
#include "TestFolder.h"

#include "ride/CleanupInstalledFiles.h"
#include "ride/InstalledFilesList.h"
#include "ride/PackageInstall.h"
#include "ride/PackageWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

namespace {

// A simulator folder "sim" with its own top-level folders, a program folder "prog", and files
// outside both that no package may reach.
struct Scene {
    TestFolder root;
    PackageInstallation install;

    Scene()
    {
        root.createFile(QStringLiteral("sim/TrakoraSimulator.exe"), "MZ");
        root.createDir(QStringLiteral("sim/objects"));
        root.createDir(QStringLiteral("sim/tracks"));
        root.createDir(QStringLiteral("prog"));
        root.createFile(QStringLiteral("outside/keep.txt"), "keep");
        install.SimulatorPath = root.filePath(QStringLiteral("sim")) + QLatin1Char('/');
        install.ProgramFolder = root.filePath(QStringLiteral("prog"));
    }
    QString sim(const QString& relative) const { return root.filePath(QStringLiteral("sim/") + relative); }
    QString listPath() const { return root.filePath(QStringLiteral("prog/Ridevault.rvltps")); }
    QByteArray list() const { return TestFolder::readFile(listPath()); }
    QString writePackage(const QByteArray& bytes, const QString& name = QStringLiteral("p.tkpack"))
    {
        return root.createFile(QStringLiteral("packs/") + name, bytes);
    }
    PackageResult installBytes(const QByteArray& bytes) { return InstallPackage(install, writePackage(bytes)); }
    // Everything in the scene except the packages themselves.
    QStringList state() const { return root.listAll().filter(QRegularExpression(QStringLiteral("^(?!packs/)"))); }
};

QByteArray Pack(const std::vector<PackageSourceFile>& files) { return BuildPackage(files); }

PackageSourceFile F(const char* folder, const char* name, const QByteArray& data)
{
    return {QString::fromUtf8(folder), QString::fromUtf8(name), data};
}

} // namespace

class TestPackageInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void installsAndLists()
    {
        Scene s;
        s.root.createFile(QStringLiteral("sim/.ridevault-staging-AbC123/0"), "left by a stopped installation");
        const QByteArray station(200000, 'o');
        const QString pack = s.writePackage(Pack({F("tracks\\", "loop.tktrack", "track"),
                                                   F("objects\\", "loop_station.obj", station)}));
        QCOMPARE(InstallPackage(s.install, pack), kPackageInstalled);
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("tracks/loop.tktrack"))), QByteArray("track"));
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("objects/loop_station.obj"))), station);
        QCOMPARE(s.list(), QByteArray("tracks\\loop.tktrack|objects\\loop_station.obj"));
        QCOMPARE(s.install.InstalledTrack, QStringLiteral("tracks\\loop.tktrack"));
        QCOMPARE(s.install.Created, QStringList({QStringLiteral("tracks\\loop.tktrack"),
                                                 QStringLiteral("objects\\loop_station.obj")}));
        QCOMPARE(s.install.Contents.EntryCount, 2);
        // No staging folder stays behind, neither this installation's nor the one left before.
        QCOMPARE(QDir(s.sim(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 3);
    }

    void everyResultCodeWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<PackageResult>("code");
        const HandEntry track = FileEntry("tracks\\", "t.tktrack", "t");
        const HandEntry object = FileEntry("objects\\new\\", "o.obj", "o");
        QByteArray noMagic = HandPackage({track});
        noMagic.replace("TKSE", "TKSF");
        QByteArray noEntries = HandPackage({track});
        noEntries.replace(QByteArray("TKSE\0\0\0\0\1", 9), QByteArray("TKSE\0\0\0\0\0", 9));
        // The last entry's CompressedSize sits just before the trailer.
        QByteArray outsideFile = HandPackage({track, object});
        qToLittleEndian<qint32>(1000, outsideFile.data() + outsideFile.size() - 12);
        HandEntry broken = object;
        broken.stream[4] = char(broken.stream[4] ^ 0x7f);
        HandEntry wrongSize = object;
        wrongSize.uncompressedSize = 2;
        HandEntry third = FileEntry("objects\\", "c.obj", QByteArray(5000, 'c'));
        third.stream[third.stream.size() / 2] = char(third.stream[third.stream.size() / 2] ^ 0x20);

        QTest::newRow("-2 no magic") << noMagic << kPackageBadDirectory;
        QTest::newRow("-2 too short") << QByteArray("1234567") << kPackageBadDirectory;
        QTest::newRow("-3 data outside the file") << outsideFile << kPackageOutsideFile;
        QTest::newRow("-4 no entries") << noEntries << kPackageNoEntries;
        QTest::newRow("-5 damaged stream after a good one") << HandPackage({track, broken}) << kPackageCannotUnpack;
        QTest::newRow("-5 damaged third stream after a new folder")
            << HandPackage({track, FileEntry("objects\\new\\", "b.obj", "b"), third}) << kPackageCannotUnpack;
        QTest::newRow("-5 size other than declared") << HandPackage({track, wrongSize}) << kPackageCannotUnpack;
        QTest::newRow("-6 hostile second entry")
            << HandPackage({track, FileEntry("objects\\..\\..\\", "escape.obj", "x")}) << kPackageHostileName;
        QTest::newRow("-5 a file stands where a folder is needed")
            << HandPackage({track, FileEntry("TrakoraSimulator.exe\\", "o.obj", "x")}) << kPackageCannotUnpack;
    }

    void everyResultCodeWritesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(PackageResult, code);
        Scene s;
        s.install.InstalledTrack = QStringLiteral("tracks\\before.tktrack");
        const QStringList before = s.state();
        QCOMPARE(s.installBytes(bytes), code);
        QCOMPARE(s.state(), before);
        QCOMPARE(s.install.InstalledTrack, QStringLiteral("tracks\\before.tktrack"));
        QVERIFY(s.install.Created.isEmpty());
    }

    void hostileNamesAreRefused_data()
    {
        QTest::addColumn<QString>("hostile");
        const char* kinds[][2] = {
            {"parent", ".."},
            {"traversal", "..\\..\\outside"},
            {"traversal with slash", "../../outside"},
            {"traversal inside", "objects\\..\\..\\outside"},
            {"current folder", "."},
            {"current folder inside", "objects\\.\\x"},
            {"absolute backslash", "\\outside"},
            {"absolute slash", "/tmp/outside"},
            {"drive absolute", "C:\\Windows"},
            {"drive relative", "C:outside"},
            {"drive slash", "c:/outside"},
            {"UNC", "\\\\server\\share"},
            {"UNC slash", "//server/share"},
            {"device namespace", "\\\\.\\PhysicalDrive0"},
            {"long path prefix", "\\\\?\\C:\\outside"},
            {"NTFS stream", "file.txt:stream"},
            {"NTFS data stream", "file.txt::$DATA"},
            {"device CON", "CON"},
            {"device nul with extension", "nul.txt"},
            {"device COM1", "com1"},
            {"device LPT9 with blanks", "LPT9  .obj"},
            {"device CONIN$", "conin$"},
            {"newline", "a\nb"},
            {"tab", "a\tb"},
            {"escape", "a\x1b[31m"},
            {"DEL", "a\x7f"},
            {"doubled separator", "objects\\\\x"},
            {"trailing dots", "..."},
            {"trailing dot", "objects."},
            {"trailing blank", "objects "},
            {"dot-dot blank", ".. "},
            {"list separator", "a|b"},
            {"wildcard", "a*b"},
            {"question mark", "a?b"},
            {"angle bracket", "a<b"},
            {"quote", "a\"b"},
        };
        for (const auto& [kind, text] : kinds) {
            QTest::newRow(qPrintable(QStringLiteral("folder: %1").arg(QLatin1String(kind))))
                << QString::fromUtf8(text) + QLatin1Char('|');
            QTest::newRow(qPrintable(QStringLiteral("name: %1").arg(QLatin1String(kind)))) << QString::fromUtf8(text);
        }
        QTest::newRow("name: empty") << QString();
        QTest::newRow("name: control character NUL") << QString(QChar(0));
    }

    void hostileNamesAreRefused()
    {
        // A trailing "|" marks a row meant for the Folder field (which then gets its "\").
        QFETCH(QString, hostile);
        HandEntry bad;
        if (hostile.endsWith(QLatin1Char('|')))
            bad = FileEntry(hostile.chopped(1).toUtf8() + "\\", "x.obj", "x");
        else
            bad = FileEntry("objects\\", hostile.toUtf8(), "x");
        Scene s;
        const QStringList before = s.state();
        // The hostile entry comes last, so earlier good entries must not have landed either.
        QCOMPARE(s.installBytes(HandPackage({FileEntry("tracks\\", "t.tktrack", "t"), bad})),
                 kPackageHostileName);
        QCOMPARE(s.state(), before);
    }

    void linksOutOfTheSimulatorAreRefused()
    {
        Scene s;
        QVERIFY(QFile::link(s.root.filePath(QStringLiteral("outside")), s.sim(QStringLiteral("objects/link"))));
        QVERIFY(QFile::link(s.root.filePath(QStringLiteral("outside/keep.txt")), s.sim(QStringLiteral("tracks/keep.tktrack"))));
        QVERIFY(QFile::link(s.root.filePath(QStringLiteral("nowhere")), s.sim(QStringLiteral("dangling"))));
        const QStringList before = s.state();
        for (const char* folder : {"objects\\link\\", "OBJECTS\\LINK\\deeper\\", "dangling\\"})
            QCOMPARE(s.installBytes(HandPackage({FileEntry(folder, "x.obj", "x")})), kPackageHostileName);
        QCOMPARE(s.installBytes(HandPackage({FileEntry("tracks\\", "keep.tktrack", "x")})), kPackageHostileName);
        // A link that leads nowhere stands where an entry's file would go: it is no absent file to
        // skip or fill, since whatever is made at its target later would be read through it.
        QVERIFY(QFile::link(s.root.filePath(QStringLiteral("outside/gone.tktrack")), s.sim(QStringLiteral("tracks/gone.tktrack"))));
        QVERIFY(QFile::link(s.sim(QStringLiteral("tracks/missing.tktrack")), s.sim(QStringLiteral("tracks/ghost.tktrack"))));
        const QStringList withDanglingLinks = s.state();
        for (const char* name : {"gone.tktrack", "GHOST.tktrack"})
            QCOMPARE(s.installBytes(HandPackage({FileEntry("objects\\", "a.obj", "a"), FileEntry("tracks\\", name, "x")})),
                     kPackageHostileName);
        QCOMPARE(s.state(), withDanglingLinks);
        QVERIFY(QFile::remove(s.sim(QStringLiteral("tracks/gone.tktrack"))));
        QVERIFY(QFile::remove(s.sim(QStringLiteral("tracks/ghost.tktrack"))));
        QCOMPARE(s.state(), before);

        // A link that stays inside is an ordinary folder.
        QVERIFY(QFile::link(s.sim(QStringLiteral("objects")), s.sim(QStringLiteral("objlink"))));
        QCOMPARE(s.installBytes(HandPackage({FileEntry("objlink\\", "x.obj", "x")})), kPackageInstalled);
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("objects/x.obj"))), QByteArray("x"));
    }

    // Only files that landed are listed, after those of an earlier installation. A file the simulator
    // folder already has is kept and not listed; an installation that lands nothing writes no list.
    // The package's last track is the one ridden, and it stays until a package brings another.
    void listsOnlyWhatLanded()
    {
        Scene s;
        s.root.createFile(QStringLiteral("sim/tracks/loop.tktrack"), "mine");
        QCOMPARE(s.installBytes(Pack({F("tracks\\", "loop.tktrack", "theirs")})), kPackageInstalled);
        QCOMPARE(s.install.InstalledTrack, QStringLiteral("tracks\\loop.tktrack"));
        QVERIFY(s.install.Created.isEmpty());
        QVERIFY(!QFile::exists(s.listPath()));

        QCOMPARE(s.installBytes(Pack({F("tracks\\", "loop.tktrack", "theirs"), F("objects\\", "a.obj", "a"),
                                      F("tracks\\", "second.TkTrack", "2")})),
                 kPackageInstalled);
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("tracks/loop.tktrack"))), QByteArray("mine"));
        QCOMPARE(s.list(), QByteArray("objects\\a.obj|tracks\\second.TkTrack"));
        QCOMPARE(s.install.InstalledTrack, QStringLiteral("tracks\\second.TkTrack"));
        QCOMPARE(s.installBytes(Pack({F("objects\\left\\", "n.obj", "n")})), kPackageInstalled);
        QCOMPARE(s.list(), QByteArray("objects\\a.obj|tracks\\second.TkTrack|objects\\left\\n.obj"));
        QCOMPARE(s.install.InstalledTrack, QStringLiteral("tracks\\second.TkTrack"));
        QCOMPARE(s.installBytes(Pack({F("tracks\\", "loop.tktrack", "theirs")})), kPackageInstalled);
        QCOMPARE(s.list(), QByteArray("objects\\a.obj|tracks\\second.TkTrack|objects\\left\\n.obj"));
        QCOMPARE(InstallPackage(s.install, QString()), kPackageCannotLoad);
        QCOMPARE(InstallPackage(s.install, s.root.filePath(QStringLiteral("missing.tkpack"))), kPackageCannotLoad);
    }

    // Names are found ignoring letter case, in the simulator folder and among the folders this
    // installation made; the clean-up then removes each folder it made once, deepest first.
    void namesIgnoreLetterCase()
    {
        Scene s;
        s.root.createFile(QStringLiteral("sim/Objects2/Loop.OBJ"), "mine");
        QCOMPARE(s.installBytes(Pack({F("objects2\\", "loop.obj", "theirs"), F("OBJECTS2\\", "new.obj", "new"),
                                      F("Tracks\\", "T.tktrack", "t"), F("tracks\\", "t.TKTRACK", "dup"),
                                      F("objects\\a\\b\\c\\", "deep.obj", "d"), F("Objects\\A\\", "top.obj", "t")})),
                 kPackageInstalled);
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("Objects2/Loop.OBJ"))), QByteArray("mine"));
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("Objects2/new.obj"))), QByteArray("new"));
        // The second spelling of the same track is the same file on Windows: the first one wins.
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("tracks/T.tktrack"))), QByteArray("t"));
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("objects/a/b/c/deep.obj"))), QByteArray("d"));
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("objects/a/top.obj"))), QByteArray("t"));
        QCOMPARE(s.list(), QByteArray("OBJECTS2\\new.obj|Tracks\\T.tktrack|objects\\a\\b\\c\\deep.obj|Objects\\A\\top.obj"));
        QVERIFY(!QFile::exists(s.sim(QStringLiteral("objects2"))));
        QVERIFY(!QFile::exists(s.sim(QStringLiteral("Tracks"))));

        const CleanupResult r = CleanupInstalledFiles(s.install.SimulatorPath, s.install.ProgramFolder);
        QCOMPARE(r.removedFolders, QStringList({QStringLiteral("objects\\a\\b\\c\\"), QStringLiteral("objects\\a\\b\\"),
                                                QStringLiteral("Objects\\A\\")}));
        QVERIFY(QFileInfo(s.sim(QStringLiteral("objects"))).isDir());
        QVERIFY(!QFile::exists(s.sim(QStringLiteral("objects/a"))));
    }

    void failureWhileWritingUndoesEverything()
    {
        Scene s;
        s.root.createFile(QStringLiteral("prog/Ridevault.rvltps"), "objects\\earlier.obj");
        const QString pack = s.writePackage(Pack({F("tracks\\", "a.tktrack", "a"), F("objects\\new\\", "b.obj", "b"),
                                                  F("objects\\new\\", "c.obj", "c"), F("objects\\", "d.obj", "d")}));
        // Something else takes the third file's name while the installation runs.
        s.install.BeforeFileLands = [&](const QString& relative) {
            if (relative.endsWith(QLatin1String("c.obj")))
                s.root.createFile(QStringLiteral("sim/objects/new/c.obj"), "someone else");
        };
        QCOMPARE(InstallPackage(s.install, pack), kPackageCannotUnpack);
        QCOMPARE(TestFolder::readFile(s.sim(QStringLiteral("objects/new/c.obj"))), QByteArray("someone else"));
        QVERIFY(!QFile::exists(s.sim(QStringLiteral("tracks/a.tktrack"))));
        QVERIFY(!QFile::exists(s.sim(QStringLiteral("objects/new/b.obj"))));
        QCOMPARE(s.list(), QByteArray("objects\\earlier.obj"));
        QVERIFY(s.install.Created.isEmpty());
    }

    // A stop of the program at `point` (the nth file when it is about to land): the scene is copied as
    // the stop would leave it, and a clean-up of the copy must give back the folders as they were.
    void stopAtAnyPointIsCleanedUp_data()
    {
        QTest::addColumn<int>("point");
        QTest::addColumn<int>("fileIndex");
        QTest::addColumn<int>("listedAtStop");
        QTest::newRow("staged, plan not saved") << int(InstallPoint::Staged) << -1 << 1;
        QTest::newRow("plan saved, no file in place") << int(InstallPoint::PlanSaved) << -1 << 5;
        QTest::newRow("before the first file") << -1 << 0 << 5;
        QTest::newRow("mid-way, two files in place") << -1 << 2 << 5;
        QTest::newRow("before the last file") << -1 << 3 << 5;
        QTest::newRow("every file in place") << int(InstallPoint::FilesInPlace) << -1 << 5;
    }

    void stopAtAnyPointIsCleanedUp()
    {
        QFETCH(int, point);
        QFETCH(int, fileIndex);
        QFETCH(int, listedAtStop);
        Scene s;
        s.root.createFile(QStringLiteral("prog/Ridevault.rvltps"), "objects\\earlier.obj");
        s.root.createFile(QStringLiteral("sim/objects/Keep.OBJ"), "the user's");
        const QStringList before = s.state();
        const QString pack = s.writePackage(Pack({F("tracks\\", "a.tktrack", "a"), F("objects\\new\\", "b.obj", "b"),
                                                  F("objects\\new\\deep\\", "c.obj", "c"), F("objects\\", "keep.obj", "x"),
                                                  F("", "root.txt", "r")}));
        int stops = 0;
        const auto stopHere = [&] {
            ++stops;
            TestFolder stopped;
            QDirIterator it(s.root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString from = it.next();
                const QString relative = QDir(s.root.path()).relativeFilePath(from);
                if (it.fileInfo().isDir())
                    stopped.createDir(relative);
                else
                    stopped.createFile(relative, TestFolder::readFile(from));
            }
            const QString list = stopped.filePath(QStringLiteral("prog/Ridevault.rvltps"));
            QCOMPARE(ReadInstalledFilesList(list).size(), listedAtStop);
            const CleanupResult cleaned = CleanupInstalledFiles(stopped.filePath(QStringLiteral("sim")),
                                                                stopped.filePath(QStringLiteral("prog")));
            // A planned file that never got written is passed over; nothing else is touched.
            QCOMPARE(cleaned.deleted.size() + cleaned.skipped.size(), listedAtStop);
            QCOMPARE(stopped.listAll().filter(QRegularExpression(QStringLiteral("^(?!packs/|prog/)"))),
                     before.filter(QRegularExpression(QStringLiteral("^(?!prog/)"))));
            QCOMPARE(TestFolder::readFile(stopped.filePath(QStringLiteral("sim/objects/Keep.OBJ"))), QByteArray("the user's"));
            QVERIFY(!QFile::exists(list));
        };
        int landing = 0;
        s.install.BeforeFileLands = [&](const QString&) {
            if (landing++ == fileIndex)
                stopHere();
        };
        s.install.Reached = [&](InstallPoint reached) {
            if (int(reached) == point)
                stopHere();
        };
        QCOMPARE(InstallPackage(s.install, pack), kPackageInstalled);
        QCOMPARE(landing, 4);
        QCOMPARE(stops, 1);
    }
};

QTEST_GUILESS_MAIN(TestPackageInstall)
#include "tst_package_install.moc"
