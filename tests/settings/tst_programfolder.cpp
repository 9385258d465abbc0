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
    void writableExecutableFolderIsUsed()
    {
        TestFolder exe;
        TestFolder user;
        QCOMPARE(ChooseProgramFolder(exe.path(), user.path()), QDir::toNativeSeparators(exe.path()) + QDir::separator());
    }

    void missingExecutableFolderFallsBack()
    {
        TestFolder user;
        QCOMPARE(ChooseProgramFolder(user.filePath(QStringLiteral("gone")), user.path()),
                 QDir::toNativeSeparators(user.path()) + QDir::separator());
    }

#ifndef Q_OS_WIN
    void readOnlyExecutableFolderFallsBack()
    {
        if (geteuid() == 0)
            QSKIP("root may write anywhere");
        TestFolder exe;
        TestFolder user;
        QVERIFY(QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QString chosen = ChooseProgramFolder(exe.path(), user.path());
        QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(chosen, user.path() + QLatin1Char('/'));
    }
#endif

    void finalSeparatorIsAddedOnce_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        const QString sep = QDir::separator();
        QTest::newRow("without") << "/a/b" << "/a/b" + sep;
        QTest::newRow("with") << "/a/b/" << "/a/b/";
        QTest::newRow("empty") << "" << "";
    }
    void finalSeparatorIsAddedOnce()
    {
        QFETCH(QString, folder);
        QTEST(WithFinalSeparator(folder), "expected");
    }

    void filesOfTheProgramFolder()
    {
        const QString sep = QDir::separator();
        const QString p = QStringLiteral("/prog") + sep;
        QCOMPARE(SettingsFilePath(QStringLiteral("/prog")), p + QStringLiteral("Ridevault.rvltdat"));
        QCOMPARE(ThemesFolderPath(p), p + QStringLiteral("Themes") + sep);
        QCOMPARE(HelpFilePath(p), p + QStringLiteral("Ridevault.chm"));
        QCOMPARE(SimulatorExePath(QStringLiteral("/sim/")), QStringLiteral("/sim/TrakoraSimulator.exe"));
        QCOMPARE(SimulatorTracksFolderPath(QStringLiteral("/sim/")), QStringLiteral("/sim/Tracks") + sep);
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
