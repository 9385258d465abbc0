// The whole road of a package ride through the real ridevault program on a real X display: the
// package is ridden from the list (Home, then Enter), the stand-in simulator's window appears on the
// installed track, the stand-in is closed, and within two monitor ticks the simulator folder is
// byte for byte what it was, the installed-files list is gone, and the ride is in the saved database.

#include "MainWindowFixture.h"
#include "RidevaultProcess.h"
#include "X11Windows.h"

#include "library/MediaDatabase.h"
#include "ride/FindWindowByTitle.h"
#include "ride/InstalledFilesList.h"
#include "ride/PackageWriter.h"

#include <QDirIterator>
#include <QFile>
#include <QApplication>
#include <QMap>
#include <QProcess>
#include <QTest>

namespace {

constexpr int kTimeoutMs = 30000;
// Two ticks of tmrCheckApps, and a second more for a busy machine.
constexpr int kTwoTicksMs = 3000;
constexpr uint32_t kKeyHome = 0xff50;
constexpr uint32_t kKeyReturn = 0xff0d;

// Every file (with its bytes) and folder below a folder, by relative path.
QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(folder).relativeFilePath(path);
        all.insert(relative, it.fileInfo().isDir() ? QByteArray("<folder>") : TestFolder::readFile(path));
    }
    return all;
}

} // namespace

class TestRideX11 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (the test command starts Xvfb)");
    }

    void packageRideFromTheListIsCleanedUpAfterTheSimulatorCloses()
    {
        MainWindowFixture root;
        const QString sim = root.folder.createDir(QStringLiteral("sim")) + QLatin1Char('/');
        for (const char* folder : {"Data", "Objects", "Screenshots", "Tracks"})
            root.folder.createDir(QStringLiteral("sim/") + QLatin1String(folder));
        root.folder.createFile(QStringLiteral("sim/Tracks/Old Favourite.tktrack"), "the user's own track");
        const QString simulator = sim + QStringLiteral("TrakoraSimulator.exe");
        QVERIFY(QFile::copy(QStringLiteral(RV_STANDIN_SIMULATOR), simulator));
        QVERIFY(QFile(simulator).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        const QString package = root.folder.createDir(QStringLiteral("media")) + QStringLiteral("/Night Loop.tkpack");
        QVERIFY(WritePackageFile(package, {{QStringLiteral("objects\\night\\"), QStringLiteral("lamp.obj"), "lamp"},
                                           {QStringLiteral("data\\"), QStringLiteral("night.sky"), "stars"},
                                           {QStringLiteral("tracks\\"), QStringLiteral("Night Loop.tktrack"), "loop"}}));
        const QString program = root.ProgramFolder();
        root.WriteSettings([&](AppSettings& settings, Theme&) {
            settings.SimulatorPath = sim;
            settings.MediaPaths.clear();
        });
        root.WriteDatabase({TestRecord(package, QStringLiteral("Night Loop"), QString(), 4)});
        const QMap<QString, QByteArray> before = Snapshot(sim);

        QProcess ridevault;
        QVERIFY2(StartRidevault(ridevault, QStringLiteral(RIDEVAULT_APP), program), qPrintable(ridevault.errorString()));
        const qint64 pid = ridevault.processId();
        QTRY_VERIFY_WITH_TIMEOUT(FindX11Window(QStringLiteral("Ridevault"), pid) != 0, kTimeoutMs);

        // A window that has only just appeared may not take keys yet: the keys are typed again
        // until the ride shows, which saves the database before the simulator starts.
        const QByteArray databaseBefore = TestFolder::readFile(MediaDatabasePath(program));
        QVERIFY(QTest::qWaitFor([&] {
            const WindowHandle window = FindX11Window(QStringLiteral("Ridevault"), pid);
            PressX11Key(window, kKeyHome);
            PressX11Key(window, kKeyReturn);
            return QTest::qWaitFor([&] { return TestFolder::readFile(MediaDatabasePath(program)) != databaseBefore; }, 2000);
        }, kTimeoutMs));

        const QString standInTitle = QStringLiteral("TrakoraSimulator - Night Loop.tktrack");
        QTRY_VERIFY_WITH_TIMEOUT(FindWindowByTitle(standInTitle) != 0, kTimeoutMs);
        QVERIFY(QFile::exists(sim + QStringLiteral("Objects/night/lamp.obj")));
        QVERIFY(QFile::exists(InstalledFilesListPath(program)));
        // The ride lasts two ticks of the monitor, so the program sees the simulator run as it does
        // on any real ride; nothing outside the program shows the moment it has seen it.
        QTest::qWait(kTwoTicksMs);

        QVERIFY(QTest::qWaitFor([&] {
            CloseX11Window(FindWindowByTitle(standInTitle));
            return FindWindowByTitle(QStringLiteral("TrakoraSimulator")) == 0;
        }, kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(InstalledFilesListPath(program)), kTwoTicksMs);
        QCOMPARE(Snapshot(sim), before);

        MediaTable saved;
        QVERIFY(LoadMediaDatabase(saved, program));
        QCOMPARE(saved.MediaList.at(0).RideCount, 5);
        QCOMPARE(saved.MediaList.at(0).PackTrack, QStringLiteral("tracks\\Night Loop.tktrack"));
        QVERIFY(QDateTime::fromString(saved.MediaList.at(0).RideDate, QStringLiteral("MM/dd/yyyy HH:mm:ss")).isValid());

        QVERIFY(QTest::qWaitFor([&] {
            CloseX11Window(FindX11Window(QStringLiteral("Ridevault"), pid));
            return ridevault.waitForFinished(200);
        }, kTimeoutMs));
        QCOMPARE(ridevault.exitCode(), 0);
    }
};

QTEST_MAIN(TestRideX11)
#include "tst_ride_x11.moc"
