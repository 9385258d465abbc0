#pragma once
// CreateFolderPath: makes every missing folder along a folder path, the way the program prepares its
// own "Themes" folder before anything is read from or written to it.

#include <QString>

// Creates each missing folder of `path` up to its final separator; text after the last separator
// (a file name) is ignored, so "/a/b/" creates b and "/a/b/name.txt" creates b too but not a folder
// "name.txt". Both "\" and "/" separate. True when the folder of the path exists afterwards; the
// program's callers go on either way (a folder that cannot be made shows up later as a failed save).
bool CreateFolderPath(const QString& path);
