// "Folder" on Linux: the file manager is asked over the session bus to show the file, and when no
// file manager answers, the file's folder is opened instead. The bus is a private one started for
// this test, with a stand-in file manager on a second connection, so the call crosses the wire.

#include "TestFolder.h"

#include "platform/ShowInFileManager.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

class StandInFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QList<QStringList> shown;
    QStringList startupIds;
public Q_SLOTS:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        shown << uris;
        startupIds << startupId;
    }
};

class TestShowInFileManager : public QObject {
    Q_OBJECT
    QProcess m_bus;
    StandInFileManager m_fileManager;

private Q_SLOTS:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed");
        m_bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QVERIFY(m_bus.waitForReadyRead(10000));
        const QByteArray address = m_bus.readLine().trimmed();
        // Read by the first use of the session bus, which is ShowInFileManager's.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QDBusConnection fileManagerSide = QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("fm"));
        QVERIFY(fileManagerSide.isConnected());
        QVERIFY(fileManagerSide.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &m_fileManager,
                                               QDBusConnection::ExportAllSlots));
    }
    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fm"));
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void showsOrOpensTheFolder_data()
    {
        QTest::addColumn<bool>("fileManagerRuns");
        QTest::newRow("a file manager answers") << true;
        QTest::newRow("no file manager") << false;
    }
    void showsOrOpensTheFolder()
    {
        QFETCH(bool, fileManagerRuns);
        QDBusConnection fileManagerSide(QStringLiteral("fm"));
        const QString service = QStringLiteral("org.freedesktop.FileManager1");
        if (fileManagerRuns)
            QVERIFY(fileManagerSide.registerService(service));
        else
            fileManagerSide.unregisterService(service);
        m_fileManager.shown.clear();
        TestFolder root;
        const QString file = root.createFile(QStringLiteral("My Rides #1/Big Loop.tktrack"), "loop");
        QStringList opened;

        ShowInFileManager(file, [&](const QString& folder) { opened << folder; });

        if (fileManagerRuns) {
            QTRY_COMPARE(m_fileManager.shown.size(), 1);
            QCOMPARE(m_fileManager.shown[0],
                     QStringList{QStringLiteral("file://") + QString::fromLatin1(root.path().toUtf8().toPercentEncoding("/"))
                                 + QStringLiteral("/My%20Rides%20%231/Big%20Loop.tktrack")});
            QCOMPARE(m_fileManager.startupIds[0], QString());
            // The answer to a later call on the same connection comes after ShowItems' answer, so
            // once it is in, a wrongly taken fallback would have run.
            QVERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(service));
            QCoreApplication::processEvents();
            QCOMPARE(opened, QStringList());
        } else {
            QTRY_COMPARE(opened, QStringList{root.filePath(QStringLiteral("My Rides #1"))});
            QCOMPARE(m_fileManager.shown.size(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestShowInFileManager)
#include "tst_showinfilemanager.moc"
