#pragma once
// "Validate Media List": drops every record whose file is gone and every record whose file lies
// outside all media folders, then has the list rebuilt. It is the only way records leave the
// table; nothing is saved here. What it removes is retired (MediaTable::Retired), not lost.
//
// A file counts as gone when its path no longer names a regular, visible file: deleted, renamed
// to a hidden name (starting with "."), replaced by a folder, or a link that leads nowhere.
// "Inside a media folder" is a plain, case-insensitive text-prefix test on the path, so a folder
// given without a final "/" also covers siblings whose names start with the same text.

#include "library/MediaRecord.h"

#include <QString>
#include <QStringList>

#include <functional>

// Rebuilds the list from the table (the main window's FillMediaList).
using FillMediaListCallback = std::function<void()>;

// True when the path still names a regular file that a scan could see.
bool MediaFileExists(const QString& filePath);
// True when the path starts with one of the folders, ignoring letter case.
bool IsInsideMediaFolders(const QString& filePath, const QStringList& mediaPaths);

// Removes the stale records (the others keep their order), calls fillMediaList once, and
// returns how many records went.
qint32 ValidateMediaList(MediaTable& table, const QStringList& mediaPaths,
                         const FillMediaListCallback& fillMediaList);
