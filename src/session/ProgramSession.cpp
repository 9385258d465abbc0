#include "session/ProgramSession.h"

#include "library/MediaDatabase.h"
#include "platform/FolderPath.h"
#include "platform/ProgramFolder.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

void LoadProgramState(AppState& state, const ScreenMetrics& screen, const SimulatorFinder& findSimulator)
{
    state.ProgramFolder = WithFinalSeparator(state.ProgramFolder);
    const QString themesFolder = ThemesFolderPath(state.ProgramFolder);
    CreateFolderPath(themesFolder);

    SetDefaultSettings(state.Settings, state.CurrentTheme, screen, state.ProgramFolder, findSimulator);
    if (LoadSettings(state.Settings, state.ProgramFolder)) {
        // The themes travel with the program folder, whatever folder the file remembers.
        state.Settings.ThemePath = themesFolder;
        if (!LoadTheme(state.CurrentTheme, state.Settings.ThemePath, state.Settings.ThemeName))
            SetDefaultTheme(state.CurrentTheme, state.Settings.ThemeName);
    }
}

bool LoadProgramDatabase(AppState& state)
{
    return LoadMediaDatabase(state.Media, state.ProgramFolder);
}

std::vector<DatabaseBackup> ProgramDatabaseBackups(const AppState& state)
{
    return ListDatabaseBackups(MediaDatabasePath(state.ProgramFolder));
}

bool RestoreProgramDatabase(AppState& state, const QString& backupFile, QString* error)
{
    if (!RestoreDatabaseBackup(state.Media, MediaDatabasePath(state.ProgramFolder), backupFile,
                               QDateTime::currentDateTime(), error))
        return false;
    state.Selection = MediaSelection();
    return true;
}

QStringList SaveProgramState(AppState& state, const QList<int>& columnWidthsPx)
{
    QStringList failed;
    if (!SaveMediaDatabase(state.Media, state.ProgramFolder))
        failed.append(MediaDatabasePath(state.ProgramFolder));
    // The eighth width belongs to the hidden key column and is never taken from the list.
    for (int c = 0; c < 7 && c < columnWidthsPx.size(); ++c)
        state.Settings.ColumnWidths[static_cast<size_t>(c)] = columnWidthsPx[c];
    if (!SaveSettings(state.Settings, state.ProgramFolder))
        failed.append(SettingsFilePath(state.ProgramFolder));
    return failed;
}
