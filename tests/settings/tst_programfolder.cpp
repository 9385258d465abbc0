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
        QTest::addColumn<QString>("executableFolder");  // "writable", "read-only" or "missing"
        QTest::addColumn<bool>("userFolder");
        QTest::newRow("writable executable folder") << "writable" << false;
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
        const QString exePath = executableFolder == QLatin1String("missing") ? exe.filePath(QStringLiteral("gone")) : exe.path();
        if (executableFolder == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QString chosen = ChooseProgramFolder(exePath, user.path());
        QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(chosen, QDir::toNativeSeparators(userFolder ? user.path() : exe.path()) + QDir::separator());
    }

    void namesInTheProgramFolder()
    {
        const QString sep = QDir::separator();
        QCOMPARE(WithFinalSeparator(QStringLiteral("/a/b")), QStringLiteral("/a/b") + sep);
        QCOMPARE(WithFinalSeparator(QStringLiteral("/a/b/")), QStringLiteral("/a/b/"));
        QCOMPARE(WithFinalSeparator(QString()), QString());
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
