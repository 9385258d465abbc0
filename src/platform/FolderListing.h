#pragma once
// One listing of a folder as the file scan walks it, in the file system's order (never sorted):
// the files that are regular files or links to them, and the folders that are not links. Hidden
// entries are left out, and so is everything else (pipes, sockets, devices, broken links, links to
// folders, which are never entered). On Linux a name starting with "." is hidden, and a name that
// is not UTF-8 is left out as Qt's own listing leaves it out. A folder that cannot be listed lists
// nothing.

#include <QStringList>

// `folder` ends in "/"; each path is `folder` followed by the entry's name, a folder's with a
// final "/". Both lists are appended to.
void ListFolderEntries(const QString& folder, QStringList& files, QStringList& subfolders);
