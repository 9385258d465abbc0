#pragma once
// Editing the four user fields of a record (Title, Author, Rating, Notes) and saving the database,
// as the information panel's "Update" and `ridevault-cli db set` do. Notes are always kept with
// CR LF line breaks, as the database always had them, whatever breaks the edited text has.

#include "library/MediaRecord.h"

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

enum class MediaField { Title, Author, Rating, Notes };

// The field of that name ("Title", "Author", "Rating", "Notes"; letter case ignored), or nothing.
std::optional<MediaField> MediaFieldNamed(const QString& name);

// The text of one field as it is stored.
void SetMediaField(MediaRecord& record, MediaField field, const QString& value);

// Notes as an editor shows them (plain line breaks) and as the record keeps them (CR LF).
QString NotesForDisplay(const QString& notes);
QString NotesForRecord(const QString& text);

using MediaFieldEdits = QList<QPair<MediaField, QString>>;

enum class RecordEditOutcome {
    Saved,
    NoSuchRecord,  // nothing changed, nothing written
    SaveFailed,    // the record changed in memory; the file on disk is the one before
};

// Applies the edits to table.MediaList[index] in order, then saves the whole table to databaseFile.
RecordEditOutcome EditMediaRecord(MediaTable& table, qint32 index, const MediaFieldEdits& edits,
                                  const QString& databaseFile);
