#pragma once
// The start-up and shutdown steps of the main window that draw nothing, in the order the window runs
// them. Between LoadProgramState and LoadProgramDatabase the window makes its columns and status
// fields and restores its rectangle; after the database it fills the list.

#include <QList>
#include <QStringList>

#include "library/DatabaseBackups.h"
#include "session/AppState.h"
#include "settings/DefaultSettings.h"

// Creates the program's "Themes" folder, sets every default (the built-in theme included), then loads
// the settings file; when that loads, ThemePath becomes the program's own "Themes" folder and the
// named theme is loaded, falling back to the built-in theme. A missing or damaged settings file
// leaves the defaults in force without a message.
void LoadProgramState(AppState& state, const ScreenMetrics& screen, const SimulatorFinder& findSimulator);

// Loads the media database of the program folder into the table (False, table unchanged, when there
// is none or it is damaged), with its side file: the records' fingerprints and the retired records.
// A side file that is missing or damaged never stops the start (a damaged one is kept aside).
bool LoadProgramDatabase(AppState& state);

// The backups of the program's database, newest first: what "Restore Backup..." lists.
std::vector<DatabaseBackup> ProgramDatabaseBackups(const AppState& state);
// Makes a backup the program's database (RestoreDatabaseBackup: the current one is kept as a backup
// first, a backup that does not load is refused with *error saying why). The selection is cleared,
// since records may now sit at other indices; the window then refills its list.
bool RestoreProgramDatabase(AppState& state, const QString& backupFile, QString* error = nullptr);

// The closing saves: the database (which keeps the file it replaces in "Backups" and writes the side
// file first), then the first seven column widths (pixels, from the list) into
// the settings, then the settings file. Both saves are attempted; returns the paths of the files that
// could not be written (empty when everything was saved), so the window can say which.
QStringList SaveProgramState(AppState& state, const QList<int>& columnWidthsPx);
