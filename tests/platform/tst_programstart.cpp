// Starting programs: which executable runs with which arguments, the Windows paths a program under
// Wine is given, a real detached start that no shell interprets, and whether a started program has
// ended.

#include "platform/ProgramStart.h"
#include "platform/WineLocale.h"

#include "TestFolder.h"
#include "WinePrefix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/wait.h>
#include <unistd.h>
#endif

class TestProgramStart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recognisesWindowsExecutables_data()
    {
        QTest::addColumn<QString>("entry");  // "file" holding the bytes, "folder" or "missing"
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("windows");
        QTest::newRow("MZ header") << "file" << QByteArray("MZ\x90\x00", 4) << true;
        QTest::newRow("just MZ") << "file" << QByteArray("MZ") << true;
        QTest::newRow("ELF") << "file" << QByteArray("\x7f" "ELF") << false;
        QTest::newRow("script") << "file" << QByteArray("#!/bin/sh\n") << false;
        QTest::newRow("lower-case mz") << "file" << QByteArray("mz") << false;
        QTest::newRow("one byte") << "file" << QByteArray("M") << false;
        QTest::newRow("empty") << "file" << QByteArray() << false;
        QTest::newRow("folder") << "folder" << QByteArray() << false;
        QTest::newRow("missing") << "missing" << QByteArray() << false;
    }
    void recognisesWindowsExecutables()
    {
        QFETCH(QString, entry);
        QFETCH(QByteArray, bytes);
        TestFolder folder;
        const QString name = QStringLiteral("MZ.exe");
        const QString path = entry == QLatin1String("file")     ? folder.createFile(name, bytes)
                             : entry == QLatin1String("folder") ? folder.createDir(name)
                                                                : folder.filePath(name);
        QTEST(IsWindowsExecutable(path), "windows");
    }

    void windowsPaths_data()
    {
        QTest::addColumn<QString>("relative"); // below the test folder; "@" stands for the folder itself
        QTest::addColumn<QString>("expected"); // "%1" stands for the test folder's Z: form
        QTest::newRow("on the C: drive") << "prefix/drive_c/Trakora/Tracks/Big Loop.tktrack"
                                         << "C:\\Trakora\\Tracks\\Big Loop.tktrack";
        QTest::newRow("the C: drive itself") << "prefix/drive_c" << "C:\\";
        QTest::newRow("deeper drive wins") << "games/Trakora/Tracks/a.tktrack" << "D:\\Tracks\\a.tktrack";
        QTest::newRow("elsewhere goes through Z:") << "home/me/My Rides/x.tkpack" << "%1\\home\\me\\My Rides\\x.tkpack";
        QTest::newRow("prefix but not drive_c") << "prefix/drive_cx/a.tktrack" << "%1\\prefix\\drive_cx\\a.tktrack";
        QTest::newRow("dots cleaned") << "prefix/drive_c/Trakora/../Trakora/./b.tktrack" << "C:\\Trakora\\b.tktrack";
    }

    // The drives of a Wine prefix are the symbolic links in its dosdevices folder.
    void windowsPaths()
    {
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        TestFolder folder;
        folder.createDir(QStringLiteral("prefix/drive_c/Trakora/Tracks"));
        folder.createDir(QStringLiteral("prefix/drive_cx"));
        folder.createDir(QStringLiteral("games/Trakora/Tracks"));
        QVERIFY(LinkWineDrives(folder, QStringLiteral("prefix"),
                               {{"c:", QStringLiteral("../drive_c")}, {"d:", folder.filePath(QStringLiteral("games/Trakora"))},
                                {"z:", QStringLiteral("/")}, {"e:", QStringLiteral("/nonexistent-cdrom")}}));

        const QString base = QDir(folder.path()).canonicalPath();
        const QString zForm = QStringLiteral("Z:") + QString(base).replace(QLatin1Char('/'), QLatin1Char('\\'));
        QCOMPARE(ToWindowsPath(base + QLatin1Char('/') + relative, folder.filePath(QStringLiteral("prefix"))),
                 expected.contains(QLatin1String("%1")) ? expected.arg(zForm) : expected);
    }

    // Without a prefix (Wine never run) everything is on Wine's default Z: drive.
    void noPrefixMeansZDrive()
    {
        QCOMPARE(ToWindowsPath(QStringLiteral("/nonexistent/Rides/a b.tktrack"), QStringLiteral("/nonexistent/prefix")),
                 QStringLiteral("Z:\\nonexistent\\Rides\\a b.tktrack"));
    }

    void plans_data()
    {
        QTest::addColumn<QByteArray>("programBytes");
        QTest::addColumn<QString>("executable"); // "@" is the program itself
        QTest::addColumn<QStringList>("arguments"); // "@" is the program, "%T" the track's native path
        const QByteArray pe("MZ\x90\x00\x03", 5);
        QTest::newRow("Windows program under wine")
            << pe << "wine" << QStringList{"@", "-s", "Z:\\rides\\Loop \"One\".tktrack"};
        QTest::newRow("native program named .exe")
            << QByteArray("\x7f" "ELF\x02") << "@" << QStringList{"-s", "/rides/Loop \"One\".tktrack"};
    }

    // Only the path arguments are converted, and only for a Windows program; every argument stays
    // one argument whatever blanks or quotes it holds.
    void plans()
    {
        QFETCH(QByteArray, programBytes);
        QFETCH(QString, executable);
        QFETCH(QStringList, arguments);
        TestFolder folder;
        const QString program = folder.createFile(QStringLiteral("Sim Folder/TrakoraSimulator.exe"), programBytes);
        const ProgramCommand command{program,
                                     {ProgramArgument::Plain(QStringLiteral("-s")),
                                      ProgramArgument::Path(QStringLiteral("/rides/Loop \"One\".tktrack"))}};
        const ProgramStartPlan plan = PlanProgramStart(command, folder.filePath(QStringLiteral("no-prefix")));
        QCOMPARE(plan.Executable, executable == QLatin1String("@") ? program : executable);
        QCOMPARE(plan.Arguments, arguments.replaceInStrings(QStringLiteral("@"), program));
        QCOMPARE(plan.WorkingFolder, folder.filePath(QStringLiteral("Sim Folder")));
    }

    void wineLocale_data()
    {
        // "-" leaves the variable out; "" sets it empty.
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcCtype");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected"); // LC_ALL the program gets, "-" for none
        QTest::newRow("UTF-8 LANG") << "-" << "-" << "de_DE.UTF-8" << "-";
        QTest::newRow("utf8 spelling") << "-" << "-" << "C.utf8" << "-";
        QTest::newRow("UTF-8 with a modifier") << "-" << "-" << "ca_ES.UTF-8@valencia" << "-";
        QTest::newRow("LC_ALL=C beats a UTF-8 LANG") << "C" << "-" << "de_DE.UTF-8" << "C.UTF-8";
        QTest::newRow("LC_CTYPE before LANG") << "-" << "POSIX" << "de_DE.UTF-8" << "C.UTF-8";
        QTest::newRow("UTF-8 LC_CTYPE, Latin-1 LANG") << "-" << "de_DE.UTF-8" << "de_DE.ISO-8859-1" << "-";
        QTest::newRow("empty LC_ALL counts as unset") << "" << "-" << "en_US.UTF-8" << "";
        QTest::newRow("Latin-1 by default") << "-" << "-" << "de_DE" << "C.UTF-8";
        QTest::newRow("nothing set is C") << "-" << "-" << "-" << "C.UTF-8";
    }

    // Wine reads the UTF-8 paths Qt hands it in its locale's character set: a program under Wine
    // always gets a UTF-8 one, and keeps the rest of the environment.
    void wineLocale()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcCtype);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("WINEPREFIX"), QStringLiteral("/home/me/.wine-trakora"));
        const QStringList names{QStringLiteral("LC_ALL"), QStringLiteral("LC_CTYPE"), QStringLiteral("LANG")};
        const QStringList values{lcAll, lcCtype, lang};
        for (int i = 0; i < names.size(); ++i)
            if (values[i] != QLatin1String("-"))
                environment.insert(names[i], values[i]);
        const QProcessEnvironment wine = WineProcessEnvironment(environment);
        QCOMPARE(wine.contains(QStringLiteral("LC_ALL")) ? wine.value(QStringLiteral("LC_ALL")) : QStringLiteral("-"), expected);
        QCOMPARE(wine.value(QStringLiteral("LANG"), QStringLiteral("-")), lang);
        QCOMPARE(wine.value(QStringLiteral("WINEPREFIX")), QStringLiteral("/home/me/.wine-trakora"));
    }

    // A real start: the program runs detached in its own folder and receives each argument intact,
    // including text a shell would have expanded.
    void startsDetachedWithoutAShell()
    {
        TestFolder folder;
        const QString script = folder.createFile(QStringLiteral("Sim Folder/TrakoraEditor.exe"),
                                                 "#!/bin/sh\n"
                                                 "pwd > started.txt\n"
                                                 "for a in \"$@\"; do printf '[%s]\\n' \"$a\" >> started.txt; done\n"
                                                 "mv started.txt done.txt\n");
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString tricky = QStringLiteral("$(touch pwned) `id` \"quoted\" ; & *.tktrack");
        QVERIFY(StartProgram(ProgramCommand{script, {ProgramArgument::Path(tricky), ProgramArgument::Plain(QString())}}));

        const QString done = folder.filePath(QStringLiteral("Sim Folder/done.txt"));
        QTRY_VERIFY(QFile::exists(done));
        const QByteArray expected = QDir(folder.filePath(QStringLiteral("Sim Folder"))).canonicalPath().toUtf8() +
                                    "\n[" + tricky.toUtf8() + "]\n[]\n";
        QCOMPARE(TestFolder::readFile(done), expected);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Sim Folder/pwned"))));
        // A program that is not there does not start.
        QVERIFY(!StartProgram(ProgramCommand{folder.filePath(QStringLiteral("TrakoraSimulator.exe")), {}}));
    }

    // A detached program is watched until it ends, however it was reaped; a program that never
    // started counts as ended.
    void startedProgramIsWatchedUntilItEnds()
    {
        TestFolder folder;
        const QString script = folder.createFile(QStringLiteral("Sim/TrakoraSimulator.exe"),
                                                 "#!/bin/sh\nwhile [ ! -e stop ]; do sleep 0.05; done\n");
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const StartedProgram started = StartProgram(ProgramCommand{script, {}});
        QVERIFY(started);
        QVERIFY(!started.HasEnded());
        folder.createFile(QStringLiteral("Sim/stop"), "");
        QTRY_VERIFY(started.HasEnded());

        const StartedProgram missing = StartProgram(ProgramCommand{folder.filePath(QStringLiteral("none.exe")), {}});
        QVERIFY(!missing);
        QVERIFY(missing.HasEnded());
        QVERIFY(!WatchStartedProcess(QCoreApplication::applicationPid()).HasEnded());
#ifdef Q_OS_LINUX
        // A process that has exited but is not reaped yet is still in the process table.
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        QVERIFY(child > 0);
        const StartedProgram zombie = WatchStartedProcess(child);
        QTRY_VERIFY(zombie.HasEnded());
        QCOMPARE(waitpid(child, nullptr, 0), child);
#endif
    }
};

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_programstart.moc"
