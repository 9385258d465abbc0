#pragma once
// Record creation: a found track or package path becomes a new record at the end of the table,
// typed from its extension, dated now, with a title (and where the name allows, an author)
// derived from its file name under the user's name scheme.

#include "library/MediaRecord.h"
#include "library/NameScheme.h"

#include <QDateTime>
#include <QString>

// Adds a record for path; False when the path is shorter than 8 characters or already known
// (ignoring letter case). `now` stamps AddDate.
bool AddMediaRecord(MediaTable& table, const QString& path, const NameScheme& scheme,
                    const QDateTime& now = QDateTime::currentDateTime());

// "mm/dd/yyyy hh:mm:ss", 24-hour, always with "/" and ":" whatever the locale.
QString FormatMediaDate(const QDateTime& when);

struct DerivedName {
    QString Title;
    QString Author;
};
// The title and author for a file path (folder and extension are dropped first).
DerivedName DeriveTitleAndAuthor(const QString& path, const NameScheme& scheme);
