#pragma once
// Files named on the command line, or handed over by a second start of the program, join the
// library: each existing track or package file becomes a record (under the user's name scheme) unless
// it is already known; anything else is refused with a reason. The window then shows the first one.

#include "library/MediaRecord.h"
#include "library/NameScheme.h"

#include <QDateTime>
#include <QStringList>

#include <vector>

struct OpenedFiles {
    std::vector<qint32> Added;  // the records appended, in the order the files were given
    qint32 FirstRecord = -1;    // the record of the first ride file given, new or known; -1 for none
    QStringList Refused;        // one line per refused argument: "<path>: <reason>"
    QString StatusText;         // one line for the status bar, "" when there is nothing to say
};

// The record whose path equals path ignoring letter case, or -1.
qint32 FindMediaRecord(const MediaTable& table, const QString& path);

// Adds the ride files among paths (relative paths are taken from the current folder).
OpenedFiles OpenRideFiles(MediaTable& table, const QStringList& paths, const NameScheme& scheme,
                          const QDateTime& now = QDateTime::currentDateTime());
