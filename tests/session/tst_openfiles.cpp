// Files given to the program from outside: which become records, which are shown, which are refused
// with what line, and how the program's own command line is read.

#include "TestFolder.h"

#include "library/AddMediaRecord.h"
#include "session/OpenRideFiles.h"
#include "session/ProgramCommandLine.h"

#include <QDir>
#include <QTest>

class TestOpenFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openRideFiles_data()
    {
        // Relative to the test folder, which is the current folder; "@" marks a path given whole.
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("addedTitles");    // titles of the appended records, in order
        QTest::addColumn<QString>("firstPath");          // the record to show, "" for none
        QTest::addColumn<QStringList>("refusedReasons");

        QTest::newRow("a track and a package, in order")
            << QStringList{"./folder.tktrack/../john smith - big_drop.tktrack", "@Steel Dragon.TKPACK"}
            << QStringList{"Big Drop", "Steel Dragon"} << "john smith - big_drop.tktrack" << QStringList{};
        QTest::newRow("a known file is shown, not added twice")
            << QStringList{"folder.tktrack/.././known.tktrack"} << QStringList{} << "known.tktrack" << QStringList{};
        QTest::newRow("refused arguments do not take the first place")
            << QStringList{"notes.txt", "gone.tktrack", "folder.tktrack", "@john smith - big_drop.tktrack"}
            << QStringList{"Big Drop"} << "john smith - big_drop.tktrack"
            << QStringList{"not a track or package file", "no such file", "no such file"};
        QTest::newRow("nothing usable") << QStringList{"notes.txt"} << QStringList{} << QString()
                                        << QStringList{"not a track or package file"};
    }

    void openRideFiles()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, addedTitles);
        QFETCH(QString, firstPath);
        QFETCH(QStringList, refusedReasons);

        TestFolder dir;
        for (const char* name : {"john smith - big_drop.tktrack", "Steel Dragon.TKPACK", "known.tktrack", "notes.txt"})
            dir.createFile(QLatin1String(name), "x");
        dir.createDir(QStringLiteral("folder.tktrack"));
        MediaTable table;
        QVERIFY(AddMediaRecord(table, QDir::toNativeSeparators(dir.filePath(QStringLiteral("known.tktrack"))),
                               NameScheme{}));

        for (QString& name : given)
            name = name.startsWith(QLatin1Char('@')) ? dir.filePath(name.mid(1)) : name;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const OpenedFiles opened = OpenRideFiles(table, given, NameScheme{});
        QDir::setCurrent(before);

        QCOMPARE(qsizetype(opened.Added.size()), addedTitles.size());
        QCOMPARE(table.MediaCount(), 1 + qint32(addedTitles.size()));
        for (size_t i = 0; i < opened.Added.size(); ++i)
            QCOMPARE(table.MediaList[size_t(opened.Added[i])].Title, addedTitles[qsizetype(i)]);
        if (firstPath.isEmpty()) {
            QCOMPARE(opened.FirstRecord, -1);
        } else {
            QVERIFY(opened.FirstRecord >= 0);
            QCOMPARE(table.MediaList[size_t(opened.FirstRecord)].FilePath,
                     QDir::toNativeSeparators(dir.filePath(firstPath)));
        }
        QCOMPARE(opened.Refused.size(), refusedReasons.size());
        for (qsizetype i = 0; i < refusedReasons.size(); ++i)
            QVERIFY2(opened.Refused[i].endsWith(QStringLiteral(": ") + refusedReasons[i]), qPrintable(opened.Refused[i]));
        // One status line: what was refused wins over what was added.
        QVERIFY(!opened.StatusText.contains(QLatin1Char('\n')));
        if (!refusedReasons.isEmpty())
            QVERIFY(opened.StatusText.startsWith(QStringLiteral("Not added: ")));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("version");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("error");

        QTest::newRow("help") << QStringList{"--help"} << true << false << QString() << QStringList{} << false;
        QTest::newRow("version") << QStringList{"--version"} << false << true << QString() << QStringList{} << false;
        QTest::newRow("folder and files")
            << QStringList{"a.tktrack", "--program-folder", "/p", "b.tkpack"} << false << false << "/p"
            << QStringList{"a.tktrack", "b.tkpack"} << false;
        QTest::newRow("files after --")
            << QStringList{"--program-folder=/p", "a.tktrack", "--", "-b.tkpack"} << false << false << "/p"
            << QStringList{"a.tktrack", "-b.tkpack"} << false;
        QTest::newRow("unknown option") << QStringList{"--bogus"} << false << false << QString() << QStringList{} << true;
        QTest::newRow("folder without a value")
            << QStringList{"--program-folder"} << false << false << QString() << QStringList{} << true;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        arguments.prepend(QStringLiteral("ridevault"));
        const ProgramCommandLine command = ParseProgramCommandLine(arguments);
        QTEST(!command.Error.isEmpty(), "error");
        if (!command.Error.isEmpty())
            return;
        QTEST(command.ShowHelp, "help");
        QTEST(command.ShowVersion, "version");
        QTEST(command.ProgramFolder, "programFolder");
        QTEST(command.Files, "files");
        QVERIFY(command.HelpText.contains(QStringLiteral("--program-folder <DIR>")));
    }
};

QTEST_GUILESS_MAIN(TestOpenFiles)
#include "tst_openfiles.moc"
