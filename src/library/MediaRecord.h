#pragma once
// The table of every catalogued track and package file, with what identifies their files.

#include "library/ContentFingerprint.h"
#include "library/MediaFields.h"
#include "library/PathIndex.h"
#include "library/RetiredRecords.h"

#include <QString>

#include <vector>

// MediaList/MediaCount: every known record, addressed by its index from 0.
//
// Beside the records the table keeps a case-insensitive index of their paths (PathIndex), so that
// "is this file already known?" costs the same with 100,000 records as with ten, and the content
// fingerprint of each record's file (invalid until taken). Records are added, removed and moved to
// another path through the table, which keeps both in step. `Retired` holds the records that
// validation removed.
class MediaTable {
public:
    std::vector<MediaRecord> MediaList;
    RetiredRecords Retired;

    qint32 MediaCount() const { return static_cast<qint32>(MediaList.size()); }

    // Appends a record and indexes its path (and its fingerprint when valid).
    void Append(MediaRecord record, const ContentFingerprint& print = {});
    // Replaces every record (after a load), re-indexing them; no record has a fingerprint after.
    void Replace(std::vector<MediaRecord> records);
    // The same with each record's PathIndex::HashOf(FilePath) already known, in record order.
    void Replace(std::vector<MediaRecord> records, const std::vector<quint32>& pathHashes);
    // Removes the record at index; later records move one slot down. Out-of-range does nothing.
    void RemoveMediaRecord(qint32 index);
    // Removes every record whose index is in `indices` in one pass (validation drops many at once).
    void RemoveMediaRecords(const std::vector<qint32>& indices);

    // True when a record with this path (ignoring letter case) exists.
    bool ContainsPath(const QString& path) const;
    // The index of the record with this path (ignoring letter case), -1 when none has it.
    qint32 FindPath(const QString& path) const;
    // Gives record index a new FilePath, keeping its place (and its key in the list).
    void SetFilePath(qint32 index, const QString& path);
    void RebuildPathIndex();

    // The fingerprint of record index's file; invalid when not taken yet.
    const ContentFingerprint& FingerprintOf(qint32 index) const;
    void SetFingerprint(qint32 index, const ContentFingerprint& print);
    // Every record's fingerprint at once, in record order (ignored unless there is one per record).
    void SetFingerprints(std::vector<ContentFingerprint> prints);
    // The records whose file has this fingerprint, in index order.
    std::vector<qint32> RecordsWithFingerprint(const ContentFingerprint& print) const;

private:
    PathIndex m_paths;
    // One per record in the same order, or fewer: records past its end have none (a table just
    // loaded without a side file holds no fingerprints and allocates none).
    std::vector<ContentFingerprint> m_prints;
    // Records by fingerprint, built on first use and dropped whenever records move.
    mutable QMultiHash<ContentFingerprint, qint32> m_byPrint;
    mutable bool m_byPrintBuilt = false;
};
