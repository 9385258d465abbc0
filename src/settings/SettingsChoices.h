#pragma once
// The rules behind the settings dialog's controls that need no widget: which large-preview option a
// stored size selects and which dragged items become media folders. The theme list is
// theme/ThemeNames.h's.

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

// True when every dragged item is a folder on this machine (and there is at least one).
bool AllDraggedAreFolders(const QList<QUrl>& urls);
// The dragged items that are folders, in order, each with a final separator; files are skipped.
QStringList DroppedFolders(const QList<QUrl>& urls);
