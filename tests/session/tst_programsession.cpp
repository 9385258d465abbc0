// The main window's start-up and shutdown steps that draw nothing: which files they read and write,
// what wins when a file is missing or damaged, and that a failed save is reported, never silent.

#include "TestFolder.h"

#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"
#include "session/ProgramSession.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

#include <QDir>
#include <QTest>

namespace {

const ScreenMetrics kScreen{1024, 768, 15.0, 15.0};

// The state start-up loads from the folder.
AppState LoadedFrom(const TestFolder& folder)
{
    AppState state;
    state.ProgramFolder = folder.path();  // without a separator, as a user might give it
    LoadProgramState(state, kScreen, [] { return QString(); });
    return state;
}

MediaRecord OneRecord()
{
    MediaRecord r;
    r.FilePath = "/m/a.tktrack";
    r.Title = "A";
    r.TypeName = TypeNameOf(r.FileType);
    return r;
}

}  // namespace

class TestProgramSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Start-up on a program folder with, or without, settings and a theme. The first start makes the
    // Themes folder; without usable settings the window is 640 x 480 pixels centred on the 1024 x 768
    // screen, in twips.
    void savedSettingsAndTheme_data()
    {
        // "good" writes a real file, "none" no file and no Themes folder, else these raw bytes.
        QTest::addColumn<QString>("settingsBytes");
        QTest::addColumn<QString>("themeName");
        QTest::addColumn<bool>("themeFileExists");
        QTest::addColumn<bool>("expectSettingsLoaded");
        QTest::addColumn<bool>("expectSavedTheme");
        QTest::addColumn<QString>("expectThemeName");

        QTest::newRow("first start: defaults") << "none" << "" << false << false << false << "Default";
        QTest::newRow("settings and theme load") << "good" << "Dark" << true << true << true << "Dark";
        QTest::newRow("named theme missing: built-in theme, name cleared")
            << "good" << "Gone" << false << true << false << "";
        QTest::newRow("damaged settings: defaults stay") << "RVLT1000LAST" << "Dark" << true << false << false
                                                         << "Default";
    }

    void savedSettingsAndTheme()
    {
        QFETCH(QString, settingsBytes);
        QFETCH(QString, themeName);
        QFETCH(bool, themeFileExists);
        QFETCH(bool, expectSettingsLoaded);
        QFETCH(bool, expectSavedTheme);
        QFETCH(QString, expectThemeName);

        TestFolder folder;
        Theme dark = DefaultTheme();
        dark.ListBackground = RgbColor(10, 20, 30);
        dark.PreviewWidth = 320;
        if (settingsBytes != "none")
            folder.createDir("Themes");
        if (themeFileExists)
            QVERIFY(SaveTheme(dark, folder.filePath("Themes/"), "Dark"));

        AppSettings stored;
        stored.ThemeName = themeName;
        stored.ThemePath = "/somewhere/else/";  // a moved program folder: its own Themes folder wins
        stored.WindowState = 2;
        if (settingsBytes == "good")
            QVERIFY(WriteSettingsFile(stored, SettingsFilePath(folder.path())));
        else if (settingsBytes != "none")
            folder.createFile("Ridevault.rvltdat", settingsBytes.toLatin1());

        AppState state = LoadedFrom(folder);
        QCOMPARE(state.ProgramFolder, folder.path() + QDir::separator());
        QVERIFY(QDir(folder.filePath("Themes")).exists());
        QCOMPARE(state.Settings.WindowState == 2, expectSettingsLoaded);
        if (!expectSettingsLoaded) {
            QCOMPARE(state.Settings.WindowWidth, 640 * 15);
            QCOMPARE(state.Settings.WindowLeft, 192 * 15);
            QCOMPARE(state.Settings.ColumnWidths[0], 200);
        }
        QCOMPARE(state.Settings.ThemePath, ThemesFolderPath(state.ProgramFolder));
        QCOMPARE(state.CurrentTheme, expectSavedTheme ? dark : DefaultTheme());
        QCOMPARE(state.Settings.ThemeName, expectThemeName);
        QVERIFY(!LoadProgramDatabase(state));
        QCOMPARE(state.Media.MediaCount(), 0);
    }

    // Shutdown saves the database, the list's column widths and the settings. A folder standing where a
    // file should be makes that save fail, as a full disk would: it is reported, and the other save still
    // happens.
    void shutdownSavesAndReportsWhatFailed()
    {
        TestFolder folder;
        AppState state = LoadedFrom(folder);
        state.Settings.ColumnWidths[7] = 77;
        state.Media.Append(OneRecord());

        QCOMPARE(SaveProgramState(state, {11, 12, 13, 14, 15, 16, 17, 18}), QStringList());

        AppSettings read;
        QVERIFY(ReadSettingsFile(SettingsFilePath(state.ProgramFolder), read));
        for (int c = 0; c < 7; ++c)
            QCOMPARE(read.ColumnWidths[c], 11 + c);
        QCOMPARE(state.Settings.ColumnWidths[7], 77);  // the hidden key column's width is never taken
        MediaTable table;
        QVERIFY(LoadMediaDatabase(table, state.ProgramFolder));
        QCOMPARE(table.MediaList, state.Media.MediaList);

        QVERIFY(QFile::remove(MediaDatabasePath(state.ProgramFolder)));
        folder.createDir("Ridevault.rvltdb");
        QVERIFY(QFile::remove(SettingsFilePath(state.ProgramFolder)));
        QCOMPARE(SaveProgramState(state, {}), QStringList{MediaDatabasePath(state.ProgramFolder)});
        QVERIFY(QFile::exists(SettingsFilePath(state.ProgramFolder)));

        QVERIFY(QFile::remove(SettingsFilePath(state.ProgramFolder)));
        folder.createDir("Ridevault.rvltdat");
        QCOMPARE(SaveProgramState(state, {}).size(), 2);
    }

    // Start-up with a damaged side file loads the database, keeps the side file aside and loses no
    // record; the shutdown save after an edit keeps the previous database as a backup, which restores.
    void damagedSideFileNeverStopsTheStartAndABackupRestores()
    {
        TestFolder folder;
        AppState state = LoadedFrom(folder);
        state.Media.Append(OneRecord());
        QCOMPARE(SaveProgramState(state, {}), QStringList());
        const QString side = MediaSideFilePath(MediaDatabasePath(state.ProgramFolder));
        folder.createFile(QDir(folder.path()).relativeFilePath(side), "not a side file");

        AppState next = LoadedFrom(folder);
        QVERIFY(LoadProgramDatabase(next));
        QCOMPARE(next.Media.MediaList, state.Media.MediaList);
        QCOMPARE(TestFolder::readFile(side + ".damaged"), QByteArray("not a side file"));

        next.Media.MediaList[0].Rating = "*****";
        QCOMPARE(SaveProgramState(next, {}), QStringList());
        const std::vector<DatabaseBackup> backups = ProgramDatabaseBackups(next);
        QCOMPARE(backups.size(), size_t(1));
        QCOMPARE(backups[0].Records, 1);
        next.Selection = {0, 0};
        QVERIFY(RestoreProgramDatabase(next, backups[0].File));
        QCOMPARE(next.Media.MediaList[0].Rating, QString());
        QCOMPARE(next.Selection.SelectedMediaIndex, -1);
        QCOMPARE(ProgramDatabaseBackups(next).size(), size_t(2));
    }
};

QTEST_GUILESS_MAIN(TestProgramSession)
#include "tst_programsession.moc"
