#pragma once
// The program folder: where Ridevault keeps its database, settings, themes and the list of files a
// ride installed. It is the executable's folder when that can be written to (a portable copy keeps
// everything beside itself); an installed copy in a read-only place uses the per-user data folder.
// The folder returned always ends in a separator, so file names are simply appended.

#include <QString>

// The executable's folder if writable, else QStandardPaths::AppDataLocation (created when missing).
QString ProgramFolder();

// The choice itself, for any pair of folders: executableFolder when it is a writable folder, else
// userDataFolder; either way with a final separator.
QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// folder with a separator appended when it does not already end in one ("" stays "").
QString WithFinalSeparator(const QString& folder);
