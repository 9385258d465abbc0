// The monitor without an X display: the stand-in simulator runs headless (Qt's offscreen
// platform) and is seen as a running process named after its program.

#include "ride/FindWindowByTitle.h"
#include "ride/SimulatorMonitor.h"
#include "ride/SimulatorPrograms.h"

#include "TestFolder.h"

#include <QFile>
#include <QProcess>
#include <QTest>

class TestMonitorHeadless : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestMonitorHeadless)
#include "tst_monitor_headless.moc"
