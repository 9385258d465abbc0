#pragma once
// Which themes exist in the themes folder, and which names a theme may be saved under.
//
// A theme is a file "<name>.rvltt" in the themes folder, the name and the extension in any letter
// case, as on Windows: "Sunset" finds "sunset.RVLTT". A file whose name starts with "." is hidden on
// Linux and a hidden file is no theme on Windows either, so neither is listed, loaded or asked about.
// The list, the loader and the editor's overwrite question all go through ThemeFiles, so a theme the
// list shows is one the loader finds and the editor protects.

#include <QString>
#include <QStringList>

// The theme list's first entry, which stands for the built-in theme (ThemeName "").
inline constexpr char kDefaultThemeEntry[] = "<Default Theme>";

// The theme files of themePath (file names only), in name order ignoring case. No folder
// (themePath "") holds none.
QStringList ThemeFiles(const QString& themePath);
// The full path of the theme file that the name stands for, or "" when there is none. When two
// files differ only in letter case, the one spelt as the name wins, else the first in name order.
QString FindThemeFile(const QString& themePath, const QString& name);
inline bool ThemeExists(const QString& themePath, const QString& name)
{
    return !FindThemeFile(themePath, name).isEmpty();
}

// The names the theme list shows: each theme file's name with every occurrence of the extension
// removed (letter case ignored), in ThemeFiles' order.
QStringList ThemeListNames(const QString& themePath);
// The entry of the theme list (entries[0] the built-in theme) that shows themeName: the first equal
// to it ignoring letter case, else 0.
int ThemeListIndex(const QStringList& entries, const QString& themeName);

// Why a theme cannot be saved under this name, or "" when it can: a name starting with "." would
// make a hidden file that no list shows, and "/" or "\" would put the file into another folder.
QString ThemeNameProblem(const QString& name);
