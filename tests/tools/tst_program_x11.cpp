// The real ridevault program on a real X display: started on a copy of a program folder, its main
// window found by title, closed through the window manager protocol as a close button does, and
// the files it writes at shutdown read back.

#include "DemoFolder.h"

#include "library/MediaDatabase.h"
#include "platform/ProgramFolder.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"

#include "TestFolder.h"
#include "RidevaultProcess.h"
#include "X11Windows.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

namespace {

constexpr int kTimeoutMs = 30000;

// Long before any test ran: a file with a later time was written by the program.
const QDateTime kOldFileTime(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);

bool CopyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    const QStringList names = QDir(from).entryList(QDir::Files);
    for (const QString& name : names) {
        const QString target = QDir(to).filePath(name);
        QFile copy(target);
        if (!QFile::copy(QDir(from).filePath(name), target) || !copy.open(QIODevice::ReadWrite)
            || !copy.setFileTime(kOldFileTime, QFileDevice::FileModificationTime))
            return false;
    }
    return true;
}

QDateTime ModifiedAt(const QString& path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

} // namespace

class TestProgramX11 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (the test command starts Xvfb)");
    }

    // The demo's program folder, copied: the program opens its window on it, and closing the window
    // saves every record as it was and settings that point the theme folder at the copy.
    void closingTheWindowSavesTheLibraryAndSettings()
    {
        TestFolder folder;
        folder.createDir(QStringLiteral("simulator/Screenshots"));
        folder.createDir(QStringLiteral("wine"));
        const DemoWriteResult demo = WriteDemo(folder.filePath(QStringLiteral("demo")), folder.filePath(QStringLiteral("simulator/")));
        QVERIFY2(demo.Error.isEmpty(), qPrintable(demo.Error));
        const QString original = DemoProgramFolder(folder.filePath(QStringLiteral("demo")));
        const QString program = WithFinalSeparator(folder.filePath(QStringLiteral("program")));
        QVERIFY(CopyFolder(original, program));
        AppSettings before;
        QVERIFY(LoadSettings(before, program));
        MediaTable library;
        QVERIFY(LoadMediaDatabase(library, program));

        QProcess ridevault;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), folder.filePath(QStringLiteral("wine")));
        QVERIFY2(StartRidevault(ridevault, QStringLiteral(RIDEVAULT_APP), program, environment),
                 qPrintable(ridevault.errorString()));
        const qint64 pid = ridevault.processId();

        QTRY_VERIFY_WITH_TIMEOUT(FindX11Window(QStringLiteral("Ridevault"), pid) != 0, kTimeoutMs);
        QVERIFY(QTest::qWaitFor([&] {
            CloseX11Window(FindX11Window(QStringLiteral("Ridevault"), pid));
            return ridevault.waitForFinished(200);
        }, kTimeoutMs));
        QCOMPARE(ridevault.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ridevault.exitCode(), 0);

        QVERIFY(ModifiedAt(SettingsFilePath(program)) > kOldFileTime);
        AppSettings after;
        QVERIFY(LoadSettings(after, program));
        QCOMPARE(QDir::cleanPath(after.ThemePath), QDir::cleanPath(ThemesFolderPath(program)));
        QVERIFY(QFileInfo(ThemesFolderPath(program)).isDir());
        QCOMPARE(after.ColumnWidths, before.ColumnWidths);
        QCOMPARE(after.WindowWidth, before.WindowWidth);
        QCOMPARE(after.WindowHeight, before.WindowHeight);
        QCOMPARE(after.MediaPaths, before.MediaPaths);
        QCOMPARE(after.SimulatorPath, before.SimulatorPath);

        QVERIFY(ModifiedAt(MediaDatabasePath(program)) > kOldFileTime);
        MediaTable saved;
        QVERIFY(LoadMediaDatabase(saved, program));
        QCOMPARE(saved.MediaList, library.MediaList);
    }
};

QTEST_MAIN(TestProgramX11)
#include "tst_program_x11.moc"
