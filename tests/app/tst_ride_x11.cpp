// The whole road of a package ride through the real ridevault program on a real X display: the
// package is ridden from the list (Home, then Enter), the stand-in simulator's window appears on the
// installed track, the stand-in closes (closed by hand, or by itself before any monitor tick could
// see it), and within two monitor ticks the simulator folder is byte for byte what it was, the
// installed-files list is gone, and the ride is in the saved database.

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

#include <functional>

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

// A simulator folder with the stand-in simulator and a track of the user's, a package of three files
// in the media folder, and a program folder whose database holds the package.
struct PackageRide {
    MainWindowFixture root;
    QString sim;
    QString program;
    QMap<QString, QByteArray> before;

    bool setUp()
    {
        sim = root.folder.createDir(QStringLiteral("sim")) + QLatin1Char('/');
        for (const char* folder : {"Data", "Objects", "Screenshots", "Tracks"})
            root.folder.createDir(QStringLiteral("sim/") + QLatin1String(folder));
        root.folder.createFile(QStringLiteral("sim/Tracks/Old Favourite.tktrack"), "the user's own track");
        const QString simulator = sim + QStringLiteral("TrakoraSimulator.exe");
        if (!QFile::copy(QStringLiteral(RV_STANDIN_SIMULATOR), simulator)
            || !QFile(simulator).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
        const QString package = root.folder.createDir(QStringLiteral("media")) + QStringLiteral("/Night Loop.tkpack");
        if (!WritePackageFile(package, {{QStringLiteral("objects\\night\\"), QStringLiteral("lamp.obj"), "lamp"},
                                        {QStringLiteral("data\\"), QStringLiteral("night.sky"), "stars"},
                                        {QStringLiteral("tracks\\"), QStringLiteral("Night Loop.tktrack"), "loop"}}))
            return false;
        program = root.ProgramFolder();
        root.WriteSettings([&](AppSettings& settings, Theme&) {
            settings.SimulatorPath = sim;
            settings.MediaPaths.clear();
        });
        root.WriteDatabase({TestRecord(package, QStringLiteral("Night Loop"), QString(), 4)});
        before = Snapshot(sim);
        return true;
    }

    // Home and Enter in the program's window until the ride shows in the database, which is saved
    // before the simulator starts; `polled` runs at every look.
    bool rideFromTheList(qint64 pid, const std::function<void()>& polled = [] {})
    {
        // A window that has only just appeared may not take keys yet: the keys are typed again
        // until the ride shows.
        const QByteArray databaseBefore = TestFolder::readFile(MediaDatabasePath(program));
        return QTest::qWaitFor([&] {
            const WindowHandle window = FindX11Window(QStringLiteral("Ridevault"), pid);
            PressX11Key(window, kKeyHome);
            PressX11Key(window, kKeyReturn);
            return QTest::qWaitFor([&] {
                polled();
                return TestFolder::readFile(MediaDatabasePath(program)) != databaseBefore;
            }, 2000);
        }, kTimeoutMs);
    }

    // The ride is counted and saved with the installed track.
    bool rideSaved()
    {
        MediaTable saved;
        return LoadMediaDatabase(saved, program) && saved.MediaList.at(0).RideCount == 5
            && saved.MediaList.at(0).PackTrack == QStringLiteral("tracks\\Night Loop.tktrack")
            && QDateTime::fromString(saved.MediaList.at(0).RideDate, QStringLiteral("MM/dd/yyyy HH:mm:ss")).isValid();
    }
};

// Closes the program's window and waits for a clean exit.
bool CloseRidevault(QProcess& ridevault)
{
    return QTest::qWaitFor([&] {
        CloseX11Window(FindX11Window(QStringLiteral("Ridevault"), ridevault.processId()));
        return ridevault.waitForFinished(200);
    }, kTimeoutMs) && ridevault.exitCode() == 0;
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
        PackageRide ride;
        QVERIFY(ride.setUp());
        QProcess ridevault;
        QVERIFY2(StartRidevault(ridevault, QStringLiteral(RIDEVAULT_APP), ride.program), qPrintable(ridevault.errorString()));
        const qint64 pid = ridevault.processId();
        QTRY_VERIFY_WITH_TIMEOUT(FindX11Window(QStringLiteral("Ridevault"), pid) != 0, kTimeoutMs);
        QVERIFY(ride.rideFromTheList(pid));

        const QString standInTitle = QStringLiteral("TrakoraSimulator - Night Loop.tktrack");
        QTRY_VERIFY_WITH_TIMEOUT(FindWindowByTitle(standInTitle) != 0, kTimeoutMs);
        QVERIFY(QFile::exists(ride.sim + QStringLiteral("Objects/night/lamp.obj")));
        QVERIFY(QFile::exists(InstalledFilesListPath(ride.program)));
        // The ride lasts two ticks of the monitor, so the program sees the simulator run as it does
        // on any real ride; nothing outside the program shows the moment it has seen it.
        QTest::qWait(kTwoTicksMs);

        QVERIFY(QTest::qWaitFor([&] {
            CloseX11Window(FindWindowByTitle(standInTitle));
            return FindWindowByTitle(QStringLiteral("TrakoraSimulator")) == 0;
        }, kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(InstalledFilesListPath(ride.program)), kTwoTicksMs);
        QCOMPARE(Snapshot(ride.sim), ride.before);
        QVERIFY(ride.rideSaved());
        QVERIFY(CloseRidevault(ridevault));
    }

    // A simulator that is gone 0.3 s after its window shows, before the monitor's tick can have seen
    // it: the program knows the process it started, so the ride still ends and cleans up.
    void packageRideOfASimulatorThatClosesAtOnceIsCleanedUp()
    {
        PackageRide ride;
        QVERIFY(ride.setUp());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TRAKORA_STANDIN_RIDE_MS"), QStringLiteral("300"));
        QProcess ridevault;
        QVERIFY2(StartRidevault(ridevault, QStringLiteral(RIDEVAULT_APP), ride.program, environment),
                 qPrintable(ridevault.errorString()));
        const qint64 pid = ridevault.processId();
        QTRY_VERIFY_WITH_TIMEOUT(FindX11Window(QStringLiteral("Ridevault"), pid) != 0, kTimeoutMs);

        // The stand-in's own windows (its title and Qt's hidden one named after the program) live
        // as long as it does, so a look every few milliseconds sees that it ran.
        bool simulatorSeen = false;
        const auto lookForTheSimulator = [&] {
            simulatorSeen = simulatorSeen || FindWindowByTitle(QStringLiteral("TrakoraSimulator")) != 0;
        };
        QVERIFY(ride.rideFromTheList(pid, lookForTheSimulator));
        QVERIFY(QTest::qWaitFor([&] {
            lookForTheSimulator();
            return simulatorSeen && FindWindowByTitle(QStringLiteral("TrakoraSimulator")) == 0;
        }, kTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(InstalledFilesListPath(ride.program)), kTwoTicksMs);
        QCOMPARE(Snapshot(ride.sim), ride.before);
        QVERIFY(ride.rideSaved());
        QVERIFY(CloseRidevault(ridevault));
    }
};

QTEST_MAIN(TestRideX11)
#include "tst_ride_x11.moc"
