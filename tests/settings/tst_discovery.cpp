// Simulator discovery against a temporary Wine prefix: the folder counts only with the simulator
// program in it. What the default settings make of the answer is tested with them.

#include "settings/SimulatorDiscovery.h"
#include "TestFolder.h"
#include "WinePrefix.h"

#include <QFile>
#include <QTest>

namespace {

// A prefix whose registry holds the given InstPath line (none when empty), with "C:\Games\Trakora"
// holding exeName (none when empty).
struct Prefix {
    TestFolder folder;
    Prefix(const QByteArray& instPathLine, const QString& exeName)
    {
        folder.createDir(QStringLiteral("drive_c/Games/Trakora/Tracks"));
        LinkWineDrives(folder, QString(), {{"c:", QStringLiteral("../drive_c")}});
        if (!exeName.isEmpty())
            folder.createFile(QStringLiteral("drive_c/Games/Trakora/") + exeName, "MZ");
        folder.createFile(QStringLiteral("user.reg"), instPathLine.isEmpty() ? QByteArray("WINE REGISTRY Version 2\n\n")
                                                                             : WineUserReg(instPathLine));
    }
    Registry registry() const { return Registry::WinePrefix(folder.path()); }
    QString simulatorFolder() const { return folder.filePath(QStringLiteral("drive_c/Games/Trakora/")); }
};

} // namespace

class TestDiscovery : public QObject {
    Q_OBJECT
private Q_SLOTS:
#ifndef Q_OS_WIN
    void findsTheSimulatorFolder_data()
    {
        QTest::addColumn<QByteArray>("instPath");
        QTest::addColumn<QString>("exeName");
        QTest::addColumn<bool>("found");
        QTest::newRow("present") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\\\\\"")
                                 << "TrakoraSimulator.exe" << true;
        QTest::newRow("path without final separator") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\"")
                                                      << "TrakoraSimulator.exe" << true;
        QTest::newRow("executable in other letter case") << QByteArray("\"InstPath\"=\"c:\\\\games\\\\TRAKORA\"")
                                                         << "trakorasimulator.EXE" << true;
        QTest::newRow("missing executable") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\\\\\"") << "" << false;
        QTest::newRow("another program only") << QByteArray("\"InstPath\"=\"C:\\\\Games\\\\Trakora\\\\\"")
                                              << "TrakoraEditor.exe" << false;
        QTest::newRow("missing key") << QByteArray() << "TrakoraSimulator.exe" << false;
        QTest::newRow("missing value") << QByteArray("\"Version\"=\"1.0\"") << "TrakoraSimulator.exe" << false;
        QTest::newRow("folder of another drive") << QByteArray("\"InstPath\"=\"Q:\\\\Trakora\"")
                                                 << "TrakoraSimulator.exe" << false;
    }
    void findsTheSimulatorFolder()
    {
        QFETCH(QByteArray, instPath);
        QFETCH(QString, exeName);
        QFETCH(bool, found);
        const Prefix prefix(instPath, exeName);
        const SimulatorDiscovery d = DiscoverSimulator(prefix.registry());
        if (found) {
            QCOMPARE(d.Folder, prefix.simulatorFolder());
            QVERIFY(d.WhyNot.isEmpty());
        } else {
            QCOMPARE(d.Folder, QString());
            QVERIFY(!d.WhyNot.isEmpty());
        }
    }
#endif

    void fileLookupIgnoresLetterCase()
    {
        TestFolder dir;
        dir.createFile(QStringLiteral("TRAKORASIMULATOR.exe"));
        dir.createDir(QStringLiteral("Folder.exe"));
        QVERIFY(FolderHasFileIgnoringCase(dir.path(), QStringLiteral("TrakoraSimulator.exe")));
        QVERIFY(FolderHasFileIgnoringCase(dir.path() + QLatin1Char('/'), QStringLiteral("trakorasimulator.EXE")));
        QVERIFY(!FolderHasFileIgnoringCase(dir.path(), QStringLiteral("folder.exe")));  // a folder is no program
        QVERIFY(!FolderHasFileIgnoringCase(dir.filePath(QStringLiteral("missing")), QStringLiteral("TrakoraSimulator.exe")));
    }
};

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
