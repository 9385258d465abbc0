#pragma once
// Record creation: a found track or package path becomes a new record at the end of the table,
// typed from its extension, dated now, with a title (and where the name allows, an author)
// derived from its file name under the user's name scheme.
//
// A file that is a known record's file under another name is not new: when its fingerprint matches
// a record whose own file is gone, that record moves to the new path in place (same index, same
// list key); else when it matches a retired record, that record comes back at the new path; two
// candidates: the one ridden most recently wins, then the newest. A record's Title and Author
// follow the new name only while they still equal what its old name gave, so the user's edits stay.
// A copy of a file whose original still exists is a new record. A path that differs from a record's
// only in letter case, whose old spelling no longer exists, moves that record too.

#include "library/ContentFingerprint.h"
#include "library/MediaRecord.h"
#include "library/NameScheme.h"

#include <QDateTime>
#include <QString>

#include <chrono>

enum class AddOutcome {
    Refused,   // too short, or already known
    Added,     // a new record at the end
    Relinked,  // an existing record now points at this path (its index unchanged)
    Revived,   // a retired record came back at the end, at this path
};

struct AddResult {
    AddOutcome Outcome = AddOutcome::Refused;
    qint32 Index = -1;  // the record added or moved
    QString OldPath;    // Relinked and Revived: the path the record had
};

// Adds or relinks a record for path. `knownPrint` is the file's fingerprint when the caller took it
// already (several files fingerprinted at once); otherwise it is taken here.
AddResult AddOrRelinkMediaRecord(MediaTable& table, const QString& path, const NameScheme& scheme,
                                 const QDateTime& now = QDateTime::currentDateTime(),
                                 const ContentFingerprint* knownPrint = nullptr);

// AddOrRelinkMediaRecord, True when it left one more record at the end of the table (Added or
// Revived); False when the path is shorter than 8 characters, already known (ignoring letter case)
// or an existing record moved to it. `now` stamps AddDate.
bool AddMediaRecord(MediaTable& table, const QString& path, const NameScheme& scheme,
                    const QDateTime& now = QDateTime::currentDateTime());

// Takes the fingerprints of records that have none and whose file exists, from record `cursor` on,
// until `budget` has passed (one file is always looked at); False once the cursor has passed the
// last record. A record whose file is missing or unreadable is passed over, not tried again.
bool FillFingerprints(MediaTable& table, qint32& cursor, std::chrono::milliseconds budget);

// The FileType a path's extension gives.
qint32 FileTypeOfPath(const QString& path);

// "mm/dd/yyyy hh:mm:ss", 24-hour, always with "/" and ":" whatever the locale.
QString FormatMediaDate(const QDateTime& when);

struct DerivedName {
    QString Title;
    QString Author;
};
// The title and author for a file path (folder and extension are dropped first).
DerivedName DeriveTitleAndAuthor(const QString& path, const NameScheme& scheme);
