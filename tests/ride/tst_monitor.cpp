// The simulator monitor's tick: its two states, the four transitions, and the clean-up it runs
// once per disappearance of the simulator's window.

#include "ride/SimulatorMonitor.h"

#include "ride/InstalledFilesList.h"

#include "TestFolder.h"

#include <QTest>

namespace {

// A monitor over a scripted window list, recording what it asks and does.
struct Harness {
    bool windowPresent = false;
    QStringList asked;
    QStringList actions;
    SimulatorMonitor monitor{[this] { actions << QStringLiteral("cleanUp"); },
                             [this] { actions << QStringLiteral("showFileInfo"); },
                             [this](const QString& text) {
                                 asked << text;
                                 return windowPresent ? WindowHandle(0x2a00007) : WindowHandle(0);
                             }};
};

} // namespace

class TestMonitor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transitions_data()
    {
        QTest::addColumn<bool>("wasRunning");
        QTest::addColumn<bool>("windowNow");
        QTest::addColumn<bool>("runningAfter");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("not running, no window") << false << false << false << QStringList();
        QTest::newRow("not running, window appears") << false << true << true << QStringList();
        QTest::newRow("running, window stays") << true << true << true << QStringList();
        QTest::newRow("running, window gone") << true << false << false
                                              << QStringList{QStringLiteral("cleanUp"), QStringLiteral("showFileInfo")};
    }
    void transitions()
    {
        QFETCH(bool, wasRunning);
        QFETCH(bool, windowNow);
        QFETCH(bool, runningAfter);
        QFETCH(QStringList, actions);
        Harness h;
        QVERIFY(!h.monitor.SimulatorWasRunning()); // the start-up state
        h.windowPresent = wasRunning;
        h.monitor.Tick();
        QCOMPARE(h.monitor.SimulatorWasRunning(), wasRunning);
        QVERIFY(h.actions.isEmpty());

        h.windowPresent = windowNow;
        h.monitor.Tick();
        QCOMPARE(h.monitor.SimulatorWasRunning(), runningAfter);
        QCOMPARE(h.actions, actions);
        QCOMPARE(h.asked, QStringList(2, QStringLiteral("TrakoraSimulator")));
    }

    // Two rides, with quiet ticks between: one clean-up per window that went away, none for the
    // ticks while it stays away.
    void oneCleanUpPerDisappearance()
    {
        Harness h;
        for (bool present : {false, true, true, false, false, false, true, false, false}) {
            h.windowPresent = present;
            h.monitor.Tick();
        }
        const QString cleanUp = QStringLiteral("cleanUp"), showFileInfo = QStringLiteral("showFileInfo");
        QCOMPARE(h.actions, (QStringList{cleanUp, showFileInfo, cleanUp, showFileInfo}));
    }

    // A clean-up that lets the next tick in (as a modal dialog would) does not clean up twice.
    void reentrantTickDoesNotCleanUpTwice()
    {
        int cleanUps = 0;
        SimulatorMonitor* self = nullptr;
        bool present = true;
        SimulatorMonitor monitor(
            [&] {
                ++cleanUps;
                self->Tick();
            },
            [] {}, [&](const QString&) { return present ? WindowHandle(1) : WindowHandle(0); });
        self = &monitor;
        monitor.Tick();
        present = false;
        monitor.Tick();
        QCOMPARE(cleanUps, 1);
    }

    // The real clean-up, wired as the main window wires it: the simulator folder is asked for when
    // the ride ends, not when the monitor was made.
    void wiredToTheInstalledFilesCleanUp()
    {
        TestFolder program, oldSimulator, simulator;
        const QString installed = simulator.createFile(QStringLiteral("Objects/Probe/probe.obj"), "o");
        const QString kept = simulator.createFile(QStringLiteral("Tracks/Probe.tktrack"), "t");
        const QString list = program.createFile(QLatin1String(kInstalledFilesListName), "Objects\\Probe\\probe.obj");

        QString simulatorPath = oldSimulator.path() + QLatin1Char('/');
        bool present = true;
        int refreshes = 0;
        SimulatorMonitor monitor(InstalledFilesCleanup(program.path() + QLatin1Char('/'), [&] { return simulatorPath; }),
                                 [&] { ++refreshes; },
                                 [&](const QString&) { return present ? WindowHandle(1) : WindowHandle(0); });
        monitor.Tick();
        simulatorPath = simulator.path() + QLatin1Char('/');
        present = false;
        monitor.Tick();

        QCOMPARE(refreshes, 1);
        QVERIFY(!QFile::exists(installed));
        QVERIFY(!QFile::exists(simulator.filePath(QStringLiteral("Objects/Probe"))));
        QVERIFY(QFile::exists(simulator.filePath(QStringLiteral("Objects"))));
        QVERIFY(QFile::exists(kept));
        QVERIFY(!QFile::exists(list));
    }
};

QTEST_GUILESS_MAIN(TestMonitor)
#include "tst_monitor.moc"
