// The process list that stands in for the window list when there is no X display.

#include "platform/WindowList.h"

#include "FindExactWindow.h"
#include "TestFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

class TestWindowList : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    QString m_probe; // a copy of sleep under a name no other process has

private Q_SLOTS:
    void initTestCase()
    {
        m_probe = QStringLiteral("RvProbeProcess-%1").arg(QCoreApplication::applicationPid());
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), m_folder.filePath(m_probe)));
    }

    void processesStandInWithoutDisplay_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::newRow("no DISPLAY") << QByteArray();
        QTest::newRow("unreachable X server") << QByteArray(":4711");
    }

    // The running process is listed under its program's file name with its pid as the handle, and
    // drops out of the list once it has ended.
    void processesStandInWithoutDisplay()
    {
        QFETCH(QByteArray, display);
        if (display.isEmpty())
            qunsetenv("DISPLAY");
        else
            qputenv("DISPLAY", display);

        QProcess probe;
        probe.start(m_folder.filePath(m_probe), {QStringLiteral("60")});
        QVERIFY(probe.waitForStarted());
        QTRY_COMPARE(FindExact(m_probe), WindowHandle(probe.processId()));

        probe.kill();
        QVERIFY(probe.waitForFinished());
        QCOMPARE(FindExact(m_probe), WindowHandle(0));
    }

    // Wine shows the Windows path of the program as argv[0]; the title is its file name, without
    // the folder, whichever separator the path uses.
    void windowsStyleProgramPath()
    {
        qunsetenv("DISPLAY");
        const QString name = QStringLiteral("RvProbe Wine-%1.exe").arg(QCoreApplication::applicationPid());
        QProcess probe;
        probe.start(QStringLiteral("/bin/bash"),
                    {QStringLiteral("-c"), QStringLiteral("exec -a \"C:\\\\Games\\\\Probe Dir\\\\%1\" sleep 60").arg(name)});
        QVERIFY(probe.waitForStarted());
        QTRY_COMPARE(FindExact(name), WindowHandle(probe.processId()));
        probe.kill();
        QVERIFY(probe.waitForFinished());
    }

    // EnumRunningProcesses stops at the first false, as EnumWindows stops at its callback's FALSE.
    void stopsWhenTheVisitorSaysSo()
    {
        int calls = 0;
        EnumRunningProcesses([&](WindowHandle, const QString&) {
            ++calls;
            return false;
        });
        QCOMPARE(calls, 1);
    }
};

QTEST_GUILESS_MAIN(TestWindowList)
#include "tst_windowlist.moc"
