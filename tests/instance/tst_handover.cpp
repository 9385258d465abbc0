// The hand-over between two starts of the program: what counts as a message, that a bad or huge
// one is refused whole, that other users cannot connect, and that a real second start hands its
// files over and ends while a start without a display says so in one line.

#include "TestFolder.h"

#include "instance/HandOver.h"
#include "session/LibraryLock.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray Message(const QByteArray& payload, qint64 declaredCount = -1)
{
    char count[4];
    qToBigEndian(quint32(declaredCount < 0 ? payload.size() : declaredCount), count);
    return QByteArray(kHandOverMagic) + QByteArray(count, 4) + payload;
}

// The environment of a user logged in over SSH without X forwarding.
QProcessEnvironment WithoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    return env;
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RunProgram(const QStringList& args, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RIDEVAULT_APP), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace

class TestHandOver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("parse");
        QTest::addColumn<QStringList>("paths");
        const QByteArray two = "/a/Loop.tktrack" + QByteArray(1, '\0') + "/b/Z\xc3\xbcrich.tkpack";
        QTest::newRow("two paths") << Message(two) << int(HandOverParse::Complete)
                                   << QStringList{"/a/Loop.tktrack", QString::fromUtf8("/b/Z\xc3\xbcrich.tkpack")};
        QTest::newRow("no paths: only come to the front") << Message("") << int(HandOverParse::Complete) << QStringList{};
        QTest::newRow("half a magic") << QByteArray(kHandOverMagic).left(5) << int(HandOverParse::Incomplete)
                                      << QStringList{};
        QTest::newRow("half the paths") << Message(two).chopped(3) << int(HandOverParse::Incomplete) << QStringList{};
        QTest::newRow("another protocol") << QByteArray("GET / HTTP/1.1\r\n\r\n") << int(HandOverParse::Malformed)
                                          << QStringList{};
        QTest::newRow("wrong first byte") << QByteArray("X") << int(HandOverParse::Malformed) << QStringList{};
        QTest::newRow("not UTF-8") << Message("/a/\xff\xfe.tktrack") << int(HandOverParse::Malformed) << QStringList{};
        QTest::newRow("relative path") << Message("a/Loop.tktrack") << int(HandOverParse::Malformed) << QStringList{};
        QTest::newRow("empty path") << Message("/a.tktrack" + QByteArray(2, '\0') + "/b.tktrack")
                                    << int(HandOverParse::Malformed) << QStringList{};
        QTest::newRow("bytes after the message") << Message("/a.tktrack") + "x" << int(HandOverParse::Malformed)
                                                 << QStringList{};
        QTest::newRow("declares more than the limit") << Message("/a.tktrack", kHandOverLimit)
                                                      << int(HandOverParse::Oversized) << QStringList{};
    }

    void decode()
    {
        QFETCH(QByteArray, received);
        QStringList paths;
        QTEST(int(DecodeHandOver(received, &paths)), "parse");
        QTEST(paths, "paths");
    }

    void encodeRefusesWhatWouldNotFit()
    {
        const QStringList few{QStringLiteral("/a/Loop.tktrack"), QStringLiteral("/b/Drop.tkpack")};
        QStringList decoded;
        QCOMPARE(DecodeHandOver(EncodeHandOver(few), &decoded), HandOverParse::Complete);
        QCOMPARE(decoded, few);
        const QStringList many(kHandOverLimit / 16, QStringLiteral("/a/Loop.tktrack"));
        QVERIFY(EncodeHandOver(many).isEmpty());
    }

    void serverRefusesBadMessages_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("malformed") << QByteArray("hello, is anyone there?\n");
        // Refused on its header, before a megabyte is read.
        QTest::newRow("oversized") << Message(QByteArray(1 << 20, 'a'));
        QTest::newRow("more bytes than declared") << Message(QByteArray(2000, 'a'), 1000);
    }

    void serverRefusesBadMessages()
    {
        QFETCH(QByteArray, sent);
        TestFolder dir;
        HandOverServer server;
        QVERIFY2(server.Listen(dir.path()), qPrintable(server.ErrorText()));
        QSignalSpy received(&server, &HandOverServer::FilesReceived);
        QSignalSpy refused(&server, &HandOverServer::MessageRefused);

        QLocalSocket client;
        client.connectToServer(server.FullServerName());
        QVERIFY(client.waitForConnected(5000));
        client.write(sent);
        QTRY_COMPARE(refused.size(), 1);
        QVERIFY(refused.first().first().toString().startsWith(QStringLiteral("Ignored a hand-over")));
        QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(received.size(), 0);
        QVERIFY(!client.readAll().contains('K'));

        // The server still serves the next, well-formed message.
        QLocalSocket next;
        next.connectToServer(server.FullServerName());
        QVERIFY(next.waitForConnected(5000));
        next.write(EncodeHandOver({QStringLiteral("/x/Loop.tktrack")}));
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toStringList(), QStringList{QStringLiteral("/x/Loop.tktrack")});
        QTRY_VERIFY(next.bytesAvailable() > 0);
        QCOMPARE(next.read(1), QByteArray("K"));
    }

    void serverTakesLeftoverSocketFile()
    {
        TestFolder dir;
        QString socketPath;
        {
            HandOverServer killed;
            QVERIFY(killed.Listen(dir.path()));
            socketPath = killed.FullServerName();
        }
        // A killed program leaves its socket file behind; the next owner of the lock replaces it.
        QFile leftover(socketPath);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();
        HandOverServer next;
        QVERIFY2(next.Listen(dir.path()), qPrintable(next.ErrorText()));
    }

    void otherUsersCannotConnect()
    {
    #ifndef Q_OS_LINUX
        QSKIP("the socket's file mode is a Unix matter");
    #else
        TestFolder dir;
        HandOverServer server;
        QVERIFY(server.Listen(dir.path()));
        const QByteArray path = QFile::encodeName(server.FullServerName());
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                        | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(server.FullServerName()).permissions() & others, QFile::Permissions());
        if (geteuid() != 0)
            QSKIP("only root can try the connection as another user here; the file mode was checked");

        // A child that becomes "nobody" and tries to connect; only async-signal-safe calls after fork.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(path.size()) < sizeof(address.sun_path));
        memcpy(address.sun_path, path.constData(), size_t(path.size()));
        const pid_t child = fork();
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(3);
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            _exit(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 1);
    #endif
    }

    void secondStartHandsItsFilesOver()
    {
        TestFolder dir;
        const QString program = dir.createDir(QStringLiteral("program"));
        const QString track = dir.createFile(QStringLiteral("Big Drop.tktrack"), "x");
        // This test is the running program: it holds the library and listens.
        LibraryLock lock(program);
        QVERIFY(lock.TryLock());
        HandOverServer server;
        QVERIFY(server.Listen(program));
        QSignalSpy received(&server, &HandOverServer::FilesReceived);

        QProcess second;
        second.setWorkingDirectory(dir.path());
        second.setProcessEnvironment(WithoutDisplay());  // the hand-over needs none
        second.start(QStringLiteral(RIDEVAULT_APP),
                     {QStringLiteral("--program-folder"), program + QStringLiteral("/./"),
                      QStringLiteral("Big Drop.tktrack")});
        QVERIFY(received.wait(30000));
        QCOMPARE(received.first().first().toStringList(), QStringList{track});
        // The answer goes out through this test's event loop, which must keep running meanwhile.
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 30000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }

    void withoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("--program-folder <DIR>") << QByteArray();
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QByteArray("ridevault " RIDEVAULT_VERSION_TEXT "\n") << QByteArray();
        QTest::newRow("a start") << QStringList{"--program-folder", "PROGRAM"} << 1 << QByteArray()
                                 << QByteArray("ridevault: no display");
        QTest::newRow("bad option") << QStringList{"--bogus"} << 2 << QByteArray() << QByteArray("bogus");
    }

    void withoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        TestFolder dir;
        arguments.replaceInStrings(QStringLiteral("PROGRAM"), dir.path());
        const Run run = RunProgram(arguments, WithoutDisplay());
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(run.out.contains(out), run.out.constData());
        QVERIFY2(run.err.contains(err), run.err.constData());
        QVERIFY2(run.err.count('\n') <= 1, run.err.constData());
        // The start that ended gave the library back.
        QVERIFY(!LibraryLock::IsHeldElsewhere(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestHandOver)
#include "tst_handover.moc"
