#include "library/MediaRecordEdit.h"

#include "library/MediaDatabase.h"

std::optional<MediaField> MediaFieldNamed(const QString& name)
{
    static const QPair<const char*, MediaField> kNames[] = {
        {"Title", MediaField::Title},
        {"Author", MediaField::Author},
        {"Rating", MediaField::Rating},
        {"Notes", MediaField::Notes},
    };
    for (const auto& [text, field] : kNames) {
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return field;
    }
    return std::nullopt;
}

QString NotesForDisplay(const QString& notes)
{
    return QString(notes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString NotesForRecord(const QString& text)
{
    // A CR LF already there must not become CR CR LF.
    return NotesForDisplay(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void SetMediaField(MediaRecord& record, MediaField field, const QString& value)
{
    switch (field) {
    case MediaField::Title:
        record.Title = value;
        break;
    case MediaField::Author:
        record.Author = value;
        break;
    case MediaField::Rating:
        record.Rating = value;
        break;
    case MediaField::Notes:
        record.Notes = NotesForRecord(value);
        break;
    }
}

RecordEditOutcome EditMediaRecord(MediaTable& table, qint32 index, const MediaFieldEdits& edits,
                                  const QString& databaseFile)
{
    if (index < 0 || index >= table.MediaCount())
        return RecordEditOutcome::NoSuchRecord;
    MediaRecord& record = table.MediaList[size_t(index)];
    for (const auto& [field, value] : edits)
        SetMediaField(record, field, value);
    return SaveMediaDatabaseFile(table, databaseFile) ? RecordEditOutcome::Saved : RecordEditOutcome::SaveFailed;
}
