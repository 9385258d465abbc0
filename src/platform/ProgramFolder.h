#pragma once
// The program folder: where Ridevault keeps its database, settings, themes and the list of files a
// ride installed. It is the executable's folder when that can be written to (a portable copy keeps
// everything beside itself); an installed copy uses the per-user data folder, also when its prefix
// happens to be writable (root, or a prefix in the user's home).
// The folder returned always ends in a separator, so file names are simply appended.

#include <QString>

// The executable's folder if writable, else QStandardPaths::AppDataLocation (created when missing).
QString ProgramFolder();

// The choice itself, for any pair of folders: executableFolder when it is a writable folder and not
// an installed copy's, else userDataFolder; either way with a final separator.
QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// folder with a separator appended when it does not already end in one ("" stays "").
QString WithFinalSeparator(const QString& folder);

// The folder of an installed copy's documents, PREFIX/share/doc/ridevault for an executable in
// PREFIX/bin, when it exists; "" for a portable copy or the build tree.
QString InstalledDocumentFolder(const QString& executableFolder);
