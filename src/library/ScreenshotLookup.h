#pragma once
// Where the screenshot of a track is found: any BMP or JPEG file whose name begins with the track's
// file name up to its first "." ("loop.tktrack" finds "loop.bmp", "loop_001.jpg", "Loop2.BMP"),
// first beside the file, then in the simulator's "Screenshots" folder. For a package that has been
// ridden the name is that of the track it installed, looked up beside the package file all the same.
//
// Names match ignoring letter case, as they do on Windows, so a screenshot copied from a Windows
// machine is found on a case-sensitive file system too.

#include <QString>
#include <QStringList>

#include "library/MediaRecord.h"

// The name every screenshot of the record begins with: the file name of PackTrack when it is set,
// else of FilePath, cut before its first "." (the whole name when it has none).
QString ScreenshotBaseName(const MediaRecord& record);

// Full paths of the matching pictures of the first search that finds any (beside FilePath, else
// <simulatorPath>/Screenshots when simulatorPath is not empty), in name order. The caller shows the
// first that loads and skips those that do not decode. Empty when neither search finds one.
QStringList FindScreenshotCandidates(const MediaRecord& record, const QString& simulatorPath);
