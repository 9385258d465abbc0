// The program folder: the executable's folder when writable, else the per-user data folder, and
// the names of the files kept in it.

#include "platform/ProgramFolder.h"
#include "settings/AppPaths.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

class TestProgramFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Settings written to a folder the program cannot write would be lost: such a folder, or a
    // missing one, gives way to the per-user folder.
    void programFolderIsChosen_data()
    {
        QTest::addColumn<QString>("executableFolder");  // "writable", "read-only", "missing" or "installed"
        QTest::addColumn<bool>("userFolder");
        QTest::newRow("writable executable folder") << "writable" << false;
        // Installed by root, or into a prefix in the user's home: never write into PREFIX/bin.
        QTest::newRow("installed copy in a writable prefix") << "installed" << true;
        QTest::newRow("missing executable folder") << "missing" << true;
#ifndef Q_OS_WIN
        if (geteuid() != 0)  // root may write anywhere
            QTest::newRow("read-only executable folder") << "read-only" << true;
#endif
    }
    void programFolderIsChosen()
    {
        QFETCH(QString, executableFolder);
        QFETCH(bool, userFolder);
        TestFolder exe;
        TestFolder user;
        QString exePath = executableFolder == QLatin1String("missing") ? exe.filePath(QStringLiteral("gone")) : exe.path();
        if (executableFolder == QLatin1String("installed")) {
            exePath = exe.createDir(QStringLiteral("bin"));
            exe.createDir(QStringLiteral("share/doc/ridevault"));
        }
        if (executableFolder == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QString chosen = ChooseProgramFolder(exePath, user.path());
        QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(chosen, QDir::toNativeSeparators(userFolder ? user.path() : exePath) + QDir::separator());
    }

    // "Contents..." opens the page beside the program in the build tree, and the installed page
    // in PREFIX/share/doc/ridevault for a program in PREFIX/bin.
    void helpPageIsFound_data()
    {
        QTest::addColumn<QStringList>("files");  // below the test folder, "/" ending a folder; the program is in "bin"
        QTest::addColumn<QString>("opened");
        QTest::newRow("build tree") << QStringList{"bin/Ridevault.html"} << "bin/Ridevault.html";
        QTest::newRow("installed") << QStringList{"share/doc/ridevault/Ridevault.html"}
                                   << "share/doc/ridevault/Ridevault.html";
        QTest::newRow("the program folder's own help wins")
            << QStringList{"share/doc/ridevault/Ridevault.html", "program/Ridevault.chm"} << "program/Ridevault.chm";
        QTest::newRow("a folder named like the help file, no page: the page beside the program")
            << QStringList{"program/Ridevault.chm/"} << "bin/Ridevault.html";
    }
    void helpPageIsFound()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, opened);
        TestFolder prefix;
        prefix.createDir(QStringLiteral("bin"));
        prefix.createDir(QStringLiteral("program"));
        for (const QString& file : files)
            if (file.endsWith(QLatin1Char('/')))
                prefix.createDir(file);
            else
                prefix.createFile(file, "x");
        QCOMPARE(HelpDocumentPath(prefix.filePath(QStringLiteral("program")), prefix.filePath(QStringLiteral("bin"))),
                 QDir::toNativeSeparators(prefix.filePath(opened)));
    }

    // The other names in the folders are read back by the tests of what uses them.
    void namesInTheProgramFolder()
    {
        const QString sep = QDir::separator();
        QCOMPARE(WithFinalSeparator(QStringLiteral("/a/b")), QStringLiteral("/a/b") + sep);
        QCOMPARE(WithFinalSeparator(QStringLiteral("/a/b/")), QStringLiteral("/a/b/"));
        QCOMPARE(WithFinalSeparator(QString()), QString());
        QCOMPARE(SimulatorExePath(QStringLiteral("/sim")), QStringLiteral("/sim/TrakoraSimulator.exe"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
