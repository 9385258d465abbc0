// A whole ride against the stand-in simulator on a real X display: a package installed, the
// simulator started through the program start layer as Ridevault starts it, seen by the monitor,
// closed like a user closes it, and the package's files cleaned up after it.

#include "platform/CaseInsensitivePath.h"
#include "ride/FindWindowByTitle.h"
#include "ride/InstalledFilesList.h"
#include "ride/PackageInstall.h"
#include "ride/PackageWriter.h"
#include "ride/CleanupInstalledFiles.h"
#include "ride/SimulatorMonitor.h"
#include "ride/SimulatorPrograms.h"

#include "TestFolder.h"
#include "X11Windows.h"

#include <QFile>
#include <QGuiApplication>
#include <QTest>

namespace {

constexpr int kWindowTimeoutMs = 30000;

// Closes the window with this title text and waits until no window holds the text any more.
bool CloseAndWait(const QString& titleText)
{
    return QTest::qWaitFor([&] {
        CloseX11Window(FindWindowByTitle(titleText));
        return FindWindowByTitle(titleText) == 0;
    }, kWindowTimeoutMs);
}

// A simulator folder with the stand-in programs in it.
void InstallStandIns(TestFolder& simulator)
{
    const std::pair<const char*, const char*> programs[] = {
        {RV_STANDIN_SIMULATOR, "TrakoraSimulator.exe"}, {RV_STANDIN_EDITOR, "TrakoraEditor.exe"}};
    for (const auto& [built, name] : programs) {
        const QString target = simulator.filePath(QLatin1String(name));
        QVERIFY(QFile::copy(QLatin1String(built), target));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner));
    }
}

} // namespace

class TestMonitorStandIn : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (the test command starts Xvfb)");
    }

    // A failed test must not leave a stand-in behind on the display for the next one.
    void cleanup()
    {
        CloseAndWait(QStringLiteral("TrakoraSimulator - "));
        CloseAndWait(QStringLiteral("TrakoraEditor - "));
    }

    // The ride of a package: installed, ridden in the stand-in simulator, and every file it brought
    // removed once the simulator's window has closed.
    void packageRideIsCleanedUpAfterTheSimulatorCloses()
    {
        TestFolder simulator, program, rides;
        InstallStandIns(simulator);
        simulator.createDir(QStringLiteral("Objects"));
        simulator.createDir(QStringLiteral("Tracks"));
        const QStringList before = simulator.listAll();
        const QString pack = rides.filePath(QStringLiteral("Pack Loop.tkpack"));
        QVERIFY(WritePackageFile(pack, {{QStringLiteral("tracks\\"), QStringLiteral("Pack Loop.tktrack"), "track"},
                                        {QStringLiteral("objects\\PackLoop\\"), QStringLiteral("station.obj"), "station"}}));
        const QString simulatorPath = simulator.path() + QLatin1Char('/');

        PackageInstallation installation;
        installation.SimulatorPath = simulatorPath;
        installation.ProgramFolder = program.path() + QLatin1Char('/');
        QCOMPARE(InstallPackage(installation, pack), kPackageInstalled);
        const QString track = ResolveCaseInsensitive(simulator.path(), installation.InstalledTrack);
        QCOMPARE(track, simulator.filePath(QStringLiteral("Tracks/Pack Loop.tktrack")));
        QVERIFY(QFile::exists(simulator.filePath(QStringLiteral("Objects/PackLoop/station.obj"))));

        int refreshes = 0;
        SimulatorMonitor monitor([&] { CleanupInstalledFiles(simulatorPath, installation.ProgramFolder); },
                                 [&] { ++refreshes; }, FindWindowByTitle);
        QCOMPARE(FindWindowByTitle(QStringLiteral("TrakoraSimulator")), WindowHandle(0));
        monitor.Tick();
        QVERIFY(!monitor.SimulatorWasRunning());

        QVERIFY(StartProgram(SimulatorProgramCommand(simulatorPath, SimulatorProgram::Simulator, track)));
        // Qt programs also own hidden helper windows named after the program; the main window is
        // the one with the track's name.
        QTRY_VERIFY_WITH_TIMEOUT(FindWindowByTitle(QStringLiteral("trakorasimulator - pack loop")) != 0, kWindowTimeoutMs);
        QVERIFY(FindWindowByTitle(QStringLiteral("TRAKORASIMULATOR")) != 0);
        QCOMPARE(FindWindowByTitle(QStringLiteral("TrakoraSimulator - ")),
                 FindExact(QStringLiteral("TrakoraSimulator - Pack Loop.tktrack")));

        monitor.Tick();
        QVERIFY(monitor.SimulatorWasRunning());
        QCOMPARE(refreshes, 0);
        QVERIFY(QFile::exists(track)); // nothing is cleaned up while the ride runs

        QTRY_VERIFY_WITH_TIMEOUT((CloseX11Window(FindWindowByTitle(QStringLiteral("TrakoraSimulator - "))),
                                  monitor.Tick(), refreshes == 1),
                                 kWindowTimeoutMs);
        QVERIFY(!monitor.SimulatorWasRunning());
        QCOMPARE(simulator.listAll(), before);
        QVERIFY(!QFile::exists(InstalledFilesListPath(installation.ProgramFolder)));
    }

    // The editor's window does not hold "TrakoraSimulator": it is no ride.
    void editorIsNoRide()
    {
        TestFolder simulator;
        InstallStandIns(simulator);
        const QString track = simulator.createFile(QStringLiteral("Tracks/Edited.tktrack"), "track");
        int cleanUps = 0;
        SimulatorMonitor monitor([&] { ++cleanUps; }, [] {}, FindWindowByTitle);

        QVERIFY(StartProgram(SimulatorProgramCommand(simulator.path() + QLatin1Char('/'), SimulatorProgram::Editor, track)));
        QTRY_VERIFY_WITH_TIMEOUT(FindWindowByTitle(QStringLiteral("TrakoraEditor - Edited.tktrack")) != 0, kWindowTimeoutMs);
        monitor.Tick();
        QVERIFY(!monitor.SimulatorWasRunning());

        QVERIFY(CloseAndWait(QStringLiteral("TrakoraEditor - Edited.tktrack")));
        QTRY_COMPARE_WITH_TIMEOUT(FindWindowByTitle(QStringLiteral("TrakoraEditor")), WindowHandle(0), kWindowTimeoutMs);
        monitor.Tick();
        QCOMPARE(cleanUps, 0);
    }
};

QTEST_MAIN(TestMonitorStandIn)
#include "tst_monitor_standin.moc"
