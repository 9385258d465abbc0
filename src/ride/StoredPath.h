#pragma once
// Which simulator-relative paths the program will write or delete.
//
// Packages come from the internet and the installed-files list sits in a folder the user can edit,
// so a path from either is used only when it names a plain file below the simulator folder on every
// system the simulator runs on: no absolute, drive or UNC form, no ":" (drives and NTFS streams),
// no "." or ".." and no empty component, no control character, none of the characters Windows
// forbids in names (a "|" would also split the installed-files list), no component ending in "."
// or " " (Windows drops those and so reaches another name), and no device name such as "CON" or
// "com1.txt".

#include <QString>

// An empty text when the path is acceptable, otherwise a short reason ("\"..\" component").
QString StoredPathProblem(const QString& relative);
inline bool IsSafeStoredPath(const QString& relative) { return StoredPathProblem(relative).isEmpty(); }
