// The process list that stands in for the window list when there is no X display.

#include "platform/WindowList.h"

#include "FindWindow.h"
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
        QTest::addColumn<bool>("windowsPath");
        QTest::newRow("no DISPLAY") << QByteArray() << false;
        QTest::newRow("unreachable X server") << QByteArray(":4711") << false;
        QTest::newRow("Windows path as under Wine") << QByteArray() << true;
    }

    // The running process is listed under its program's file name with its pid as the handle, and
    // drops out of the list once it has ended. Wine shows the Windows path of the program as
    // argv[0]; the title is still the file name alone, whichever separator the path uses.
    void processesStandInWithoutDisplay()
    {
        QFETCH(QByteArray, display);
        QFETCH(bool, windowsPath);
        if (display.isEmpty())
            qunsetenv("DISPLAY");
        else
            qputenv("DISPLAY", display);

        QProcess probe;
        const QString title =
            windowsPath ? QStringLiteral("RvProbe Wine-%1.exe").arg(QCoreApplication::applicationPid()) : m_probe;
        if (windowsPath)
            probe.start(QStringLiteral("/bin/bash"),
                        {QStringLiteral("-c"), QStringLiteral("exec -a \"C:\\\\Games\\\\Probe Dir\\\\%1\" sleep 60").arg(title)});
        else
            probe.start(m_folder.filePath(m_probe), {QStringLiteral("60")});
        QVERIFY(probe.waitForStarted());
        QTRY_COMPARE(FindExact(title), WindowHandle(probe.processId()));

        probe.kill();
        QVERIFY(probe.waitForFinished());
        QCOMPARE(FindExact(title), WindowHandle(0));
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
