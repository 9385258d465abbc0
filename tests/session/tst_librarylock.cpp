// The lock of a library: a killed program's lock is taken over, a live one is not, and the
// command-line tool refuses to write a database whose library a program holds unless told to.

#include "CliRunner.h"
#include "TestFolder.h"

#include "library/MediaDatabase.h"
#include "session/LibraryLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

class TestLibraryLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A live lock is not taken until it is given back; the lock file of a killed program, naming a
    // process that has ended, is taken over.
    void onlyAnEndedProgramsLockIsTakenOver()
    {
        TestFolder dir;
        QByteArray contents;
        {
            LibraryLock first(dir.path());
            QVERIFY(first.TryLock());
            contents = TestFolder::readFile(LibraryLockPath(dir.path()));
            LibraryLock second(dir.path());
            QVERIFY(!second.TryLock(50));
            QCOMPARE(second.Error(), QLockFile::LockFailedError);
            QVERIFY(LibraryLock::IsHeldElsewhere(dir.path()));
            first.Unlock();
            QVERIFY(second.TryLock());
        }
        QProcess ended;
        ended.start(QStringLiteral(RIDEVAULT_CLI), {QStringLiteral("--version")});
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        contents = QByteArray::number(deadPid) + contents.mid(contents.indexOf('\n'));
        dir.createFile(QLatin1String(kLibraryLockFileName), contents);

        QVERIFY(!LibraryLock::IsHeldElsewhere(dir.path()));
        LibraryLock next(dir.path());
        QVERIFY(next.TryLock());
        QVERIFY(TestFolder::readFile(LibraryLockPath(dir.path())).startsWith(
            QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    }

    void cliRefusesWhileHeld_data()
    {
        QTest::addColumn<QStringList>("arguments");  // DB stands for the database, TRACK for a track file
        QTest::addColumn<bool>("forcedSucceeds");
        QTest::newRow("db add") << QStringList{"db", "add", "DB", "TRACK"} << true;
        QTest::newRow("db write") << QStringList{"db", "write", "JSON", "DB"} << true;
        // Forced, the ride still needs a simulator; it only must not be refused for the lock.
        QTest::newRow("ride") << QStringList{"ride", "DB", "0", "--simulator", "SIM", "--program-folder", "SIM"} << false;
    }

    void cliRefusesWhileHeld()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, forcedSucceeds);
        TestFolder dir;
        const QString program = dir.createDir(QStringLiteral("program"));
        const QString db = dir.filePath(QStringLiteral("program/Ridevault.rvltdb"));
        MediaTable table;
        MediaRecord record;
        record.FilePath = dir.createFile(QStringLiteral("known.tktrack"), "x");
        table.Append(record);
        QVERIFY(SaveMediaDatabaseFile(table, db));
        const QByteArray before = TestFolder::readFile(db);
        const QString json = dir.createFile(QStringLiteral("records.json"), "[]");
        const QString track = dir.createFile(QStringLiteral("new.tktrack"), "x");
        const QString simulator = dir.createDir(QStringLiteral("sim"));
        for (QString& a : arguments)
            a = a == QLatin1String("DB") ? db : a == QLatin1String("TRACK") ? track
              : a == QLatin1String("JSON") ? json : a == QLatin1String("SIM") ? simulator : a;

        LibraryLock program_(program);
        QVERIFY(program_.TryLock());
        const CliRun refused = RunCli(arguments);
        QCOMPARE(refused.exitCode, 2);
        QCOMPARE(refused.err.count('\n'), 1);
        QVERIFY2(refused.err.contains("holds"), refused.err.constData());
        QCOMPARE(TestFolder::readFile(db), before);

        const CliRun forced = RunCli(arguments + QStringList{QStringLiteral("--force")});
        QVERIFY2(!forced.err.contains("holds"), forced.err.constData());
        if (forcedSucceeds)
            QCOMPARE(forced.exitCode, 0);

        program_.Unlock();
        const CliRun freed = RunCli(arguments);
        QVERIFY2(!freed.err.contains("holds"), freed.err.constData());
        // The tool gives the lock back when it is done.
        QVERIFY(!QFile::exists(LibraryLockPath(program)));
    }
};

QTEST_GUILESS_MAIN(TestLibraryLock)
#include "tst_librarylock.moc"
