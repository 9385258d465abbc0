// The simulator monitor against the stand-in programs on a real X display: the simulator started
// through the program start layer as Ridevault starts it, its window found by title and seen by the
// monitor, closed like a user closes it; the editor's window is no ride. (The package ride through
// the real program under X is the main window's X test.)

#include "ride/FindWindowByTitle.h"
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

    // The monitor with the real window search: the stand-in editor's window is no ride; the stand-in
    // simulator, started as Ridevault starts it, is found by its title ignoring letter case, is seen
    // running, and once it is closed as a user closes it the monitor cleans up once.
    void simulatorWindowIsTheRide()
    {
        TestFolder simulator;
        InstallStandIns(simulator);
        const QString simulatorPath = simulator.path() + QLatin1Char('/');
        const QString track = simulator.createFile(QStringLiteral("Tracks/Pack Loop.tktrack"), "track");
        int cleanUps = 0, refreshes = 0;
        SimulatorMonitor monitor([&] { ++cleanUps; }, [&] { ++refreshes; }, FindWindowByTitle);

        QVERIFY(StartProgram(SimulatorProgramCommand(simulatorPath, SimulatorProgram::Editor, track)));
        QTRY_VERIFY_WITH_TIMEOUT(FindWindowByTitle(QStringLiteral("TrakoraEditor - Pack Loop.tktrack")) != 0,
                                 kWindowTimeoutMs);
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
        QCOMPARE(cleanUps, 0);

        QTRY_VERIFY_WITH_TIMEOUT((CloseX11Window(FindWindowByTitle(QStringLiteral("TrakoraSimulator - "))),
                                  monitor.Tick(), refreshes == 1),
                                 kWindowTimeoutMs);
        QVERIFY(!monitor.SimulatorWasRunning());
        QCOMPARE(cleanUps, 1);
    }
};

QTEST_MAIN(TestMonitorStandIn)
#include "tst_monitor_standin.moc"
