// The simulator monitor's tick: its two states, the four transitions, and the clean-up it runs
// once per disappearance of the simulator's window or per end of the simulator processes it
// watches; without an X display, the stand-in simulator runs headless and is seen as a running
// process named after its program.

#include "ride/FindWindowByTitle.h"
#include "ride/SimulatorMonitor.h"

#include "TestFolder.h"

#include <QFile>
#include <QMap>
#include <QProcess>
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
    // Each step changes the watched simulator processes, then ticks: "+a" watches a running process a,
    // "+~" a program that did not start, "-a" ends a; "W" ticks with a simulator window shown, "_"
    // without. The row gives the number of clean-ups after each step; each is followed by one refresh,
    // and every tick looks for the simulator's window.
    void watchedProcessesEndTheRide_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("cleanUps");
        QTest::newRow("two rides with quiet ticks between") << QStringList{"_", "W", "W", "_", "_", "_", "W", "_", "_"}
                                                            << QList<int>{0, 0, 0, 1, 1, 1, 1, 2, 2};
        QTest::newRow("crash before the first tick") << QStringList{"+a -a _", "_"} << QList<int>{1, 1};
        QTest::newRow("ride under a second") << QStringList{"+a _", "-a _", "_"} << QList<int>{0, 1, 1};
        QTest::newRow("window closes while the process runs") << QStringList{"+a W", "_", "-a _"} << QList<int>{0, 1, 1};
        QTest::newRow("process gone, window still shown") << QStringList{"+a W", "-a W", "_"} << QList<int>{0, 0, 1};
        QTest::newRow("second ride starts before the first ends")
            << QStringList{"+a _", "+b -a _", "W", "-b W", "_"} << QList<int>{0, 0, 0, 0, 1};
        QTest::newRow("second ride after the first one's window") << QStringList{"+a W", "+b -a W", "-b _", "_"}
                                                                  << QList<int>{0, 0, 1, 1};
        QTest::newRow("simulator that did not start") << QStringList{"+~ _", "_"} << QList<int>{0, 0};
    }
    void watchedProcessesEndTheRide()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, cleanUps);
        Harness h;
        QVERIFY(!h.monitor.SimulatorWasRunning());  // the start-up state
        QMap<QString, bool> ended;
        qsizetype ticks = 0;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            for (const QString& token : steps.at(i).split(QLatin1Char(' '))) {
                if (token == QLatin1String("+~")) {
                    h.monitor.Watch(StartedProgram());
                } else if (token.startsWith(QLatin1Char('+'))) {
                    ended[token.mid(1)] = false;
                    h.monitor.Watch(StartedProgram([&ended, name = token.mid(1)] { return ended.value(name); }));
                } else if (token.startsWith(QLatin1Char('-'))) {
                    ended[token.mid(1)] = true;
                } else {
                    h.windowPresent = token == QLatin1String("W");
                    h.monitor.Tick();
                    ++ticks;
                    QCOMPARE(h.monitor.SimulatorWasRunning(), h.windowPresent);
                }
            }
            QStringList expected;
            for (int n = 0; n < cleanUps.at(i); ++n)
                expected << QStringLiteral("cleanUp") << QStringLiteral("showFileInfo");
            QCOMPARE(h.actions, expected);
        }
        QCOMPARE(h.asked, QStringList(ticks, QStringLiteral("TrakoraSimulator")));
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

    // Last: it takes the display away from the tests that would follow.
    void simulatorProcessStandsInForItsWindow()
    {
        qunsetenv("DISPLAY");
        TestFolder simulator;
        const QString program = simulator.filePath(QStringLiteral("TrakoraSimulator.exe"));
        QVERIFY(QFile::copy(QStringLiteral(RV_STANDIN_SIMULATOR), program));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        const QString track = simulator.createFile(QStringLiteral("Tracks/Headless.tktrack"), "track");

        int cleanUps = 0;
        SimulatorMonitor monitor([&] { ++cleanUps; }, [] {}, FindWindowByTitle);
        monitor.Tick();
        QVERIFY(!monitor.SimulatorWasRunning());

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(program, {QStringLiteral("-s"), track});
        QVERIFY(process.waitForStarted());
        QTRY_COMPARE(FindWindowByTitle(QStringLiteral("trakorasimulator")), WindowHandle(process.processId()));
        monitor.Tick();
        QVERIFY(monitor.SimulatorWasRunning());

        process.terminate();
        QVERIFY(process.waitForFinished());
        monitor.Tick();
        QVERIFY(!monitor.SimulatorWasRunning());
        QCOMPARE(cleanUps, 1);
    }
};

QTEST_GUILESS_MAIN(TestMonitor)
#include "tst_monitor.moc"
