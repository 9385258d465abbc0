#pragma once
// Where each of the program's files lives. All are in the program folder (platform/ProgramFolder.h)
// except the simulator's, which are in its folder; folder paths end in a separator.

#include <QString>

inline constexpr char kSettingsFileName[] = "Ridevault.rvltdat";       // AppSettings
inline constexpr char kThemesFolderName[] = "Themes";                   // one ".rvltt" per theme
inline constexpr char kHelpFileName[] = "Ridevault.chm";
inline constexpr char kHelpPageFileName[] = "Ridevault.html";           // ours, beside the executable
// The media database "Ridevault.rvltdb" is named in library/MediaDatabase.h, the list of files a
// ride installed from a package "Ridevault.rvltps" in ride/InstalledFilesList.h.

inline constexpr char kSimulatorExeName[] = "TrakoraSimulator.exe";  // makes a folder the simulator's
inline constexpr char kSimulatorTracksFolderName[] = "Tracks";       // the simulator's own tracks

QString SettingsFilePath(const QString& programFolder);
QString ThemesFolderPath(const QString& programFolder);  // ends in a separator
QString HelpFilePath(const QString& programFolder);
// What "Contents..." opens: "Ridevault.chm" in the program folder when one is there, else the
// program's own help page "Ridevault.html": in the executable's folder (the build puts it there), or
// for an installed copy in PREFIX/share/doc/ridevault.
QString HelpDocumentPath(const QString& programFolder, const QString& executableFolder);
QString SimulatorExePath(const QString& simulatorFolder);
QString SimulatorTracksFolderPath(const QString& simulatorFolder);  // ends in a separator
