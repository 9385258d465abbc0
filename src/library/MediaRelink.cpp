// Record creation with relinking: a found file becomes a new record, or brings back the record
// that already knew its content under another path.

#include "library/AddMediaRecord.h"
#include "library/MediaValidation.h"

#include <QElapsedTimer>

namespace {

// The record moves to path; Title and Author follow the new name only where they still hold what
// the old name gave.
void FollowNewPath(MediaRecord& r, const QString& path, const NameScheme& scheme)
{
    const DerivedName before = DeriveTitleAndAuthor(r.FilePath, scheme);
    const DerivedName after = DeriveTitleAndAuthor(path, scheme);
    if (r.Title == before.Title)
        r.Title = after.Title;
    if (r.Author == before.Author)
        r.Author = after.Author;
    r.FileType = FileTypeOfPath(path);
    r.TypeName = TypeNameOf(r.FileType);
}

AddResult RelinkInPlace(MediaTable& table, qint32 index, const QString& path, const NameScheme& scheme)
{
    MediaRecord& r = table.MediaList[index];
    AddResult result{AddOutcome::Relinked, index, r.FilePath};
    FollowNewPath(r, path, scheme);
    table.SetFilePath(index, path);
    return result;
}

} // namespace

AddResult AddOrRelinkMediaRecord(MediaTable& table, const QString& path, const NameScheme& scheme,
                                 const QDateTime& now, const ContentFingerprint* knownPrint)
{
    if (path.size() < 8)
        return {};
    if (const qint32 same = table.FindPath(path); same >= 0) {
        const QString& old = table.MediaList[same].FilePath;
        if (old != path && !MediaFileExists(old) && MediaFileExists(path))
            return RelinkInPlace(table, same, path, scheme);
        return {};
    }

    const ContentFingerprint print = knownPrint ? *knownPrint : FingerprintOfFile(path);
    qint32 best = -1;
    for (qint32 i : table.RecordsWithFingerprint(print)) {
        if (MediaFileExists(table.MediaList[i].FilePath))
            continue;  // a copy of a file that is still there
        if (best < 0 || IsPreferredCandidate(table.MediaList[i], i, table.MediaList[best], best))
            best = i;
    }
    if (best >= 0)
        return RelinkInPlace(table, best, path, scheme);

    RetiredRecord retired;
    if (table.Retired.TakeBest(print, retired)) {
        MediaRecord r = std::move(retired.Record);
        AddResult result{AddOutcome::Revived, table.MediaCount(), r.FilePath};
        FollowNewPath(r, path, scheme);
        r.FilePath = path;
        table.Append(std::move(r), print);
        return result;
    }

    MediaRecord r;
    r.FilePath = path;
    r.AddDate = FormatMediaDate(now);
    r.FileType = FileTypeOfPath(path);
    r.TypeName = TypeNameOf(r.FileType);
    DerivedName derived = DeriveTitleAndAuthor(path, scheme);
    r.Title = std::move(derived.Title);
    r.Author = std::move(derived.Author);
    table.Append(std::move(r), print);
    return {AddOutcome::Added, table.MediaCount() - 1, {}};
}

bool AddMediaRecord(MediaTable& table, const QString& path, const NameScheme& scheme, const QDateTime& now)
{
    const AddOutcome outcome = AddOrRelinkMediaRecord(table, path, scheme, now).Outcome;
    return outcome == AddOutcome::Added || outcome == AddOutcome::Revived;
}

bool FillFingerprints(MediaTable& table, qint32& cursor, std::chrono::milliseconds budget)
{
    QElapsedTimer clock;
    clock.start();
    for (cursor = std::max(cursor, 0); cursor < table.MediaCount(); ++cursor) {
        if (table.FingerprintOf(cursor).IsValid())
            continue;
        const QString& path = table.MediaList[cursor].FilePath;
        if (MediaFileExists(path))
            table.SetFingerprint(cursor, FingerprintOfFile(path));
        if (clock.elapsed() >= budget.count()) {
            ++cursor;
            break;
        }
    }
    return cursor < table.MediaCount();
}
