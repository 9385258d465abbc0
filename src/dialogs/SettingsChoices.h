#pragma once
// The rules behind the settings dialog's controls that need no widget: which large-preview option a
// stored size selects, how the theme list is made and which entry it selects, and which dragged
// items become media folders.

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

// The six large-preview options in their order: 320 x 240 .. 1600 x 1200.
inline constexpr int kLargeViewSizeCount = 6;
QSize LargeViewSize(int option);
QString LargeViewSizeCaption(int option);  // "320 x 240"
// The option a stored size selects: the first whose width or height is not exceeded, else the last
// (700 x 400 selects 640 x 480: its height fits there).
int LargeViewSizeOption(int width, int height);

// The theme list's first entry, which stands for the built-in theme (ThemeName "").
inline constexpr char kDefaultThemeEntry[] = "<Default Theme>";
// The names of the theme files in themePath (".rvltt" in any letter case), in name order ignoring
// case, each with every occurrence of the extension removed. No folder (themePath "") lists none.
QStringList ThemeListNames(const QString& themePath);
// The entry of the theme list (entries[0] the built-in theme) that shows themeName: the first equal
// to it ignoring letter case, else 0.
int ThemeListIndex(const QStringList& entries, const QString& themeName);

// True when every dragged item is a folder on this machine (and there is at least one).
bool AllDraggedAreFolders(const QList<QUrl>& urls);
// The dragged items that are folders, in order, each with a final separator; files are skipped.
QStringList DroppedFolders(const QList<QUrl>& urls);
