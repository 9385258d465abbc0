#pragma once
// One catalogued track or package file, and the table of all of them.

#include "library/PathIndex.h"

#include <QString>

#include <vector>

inline constexpr char kTrackExtension[] = ".tktrack";
inline constexpr char kPackageExtension[] = ".tkpack";

enum MediaFileType : qint32 {
    FileTypeTrack = 0,    // kTrackExtension
    FileTypePackage = 1,  // kPackageExtension
    FileTypeUnknown = 2,
};

// True when the name or path ends in ".tktrack" (any letter case).
inline bool IsTrackFileName(const QString& name)
{
    return name.endsWith(QLatin1String(kTrackExtension), Qt::CaseInsensitive);
}

struct MediaRecord {
    QString FilePath;    // full path; the identity of the record
    qint32 FileType = FileTypeTrack;
    QString TypeName;    // "Track", "Pack" or "Unknown"; derived from FileType, never stored
    QString AddDate;     // "mm/dd/yyyy hh:mm:ss"
    qint32 RideCount = 0;
    QString RideDate;    // same form as AddDate, "" before the first ride
    QString PackTrack;   // packages: the track the last ride installed
    QString Title;
    QString Author;
    QString Rating;
    QString Notes;

    bool operator==(const MediaRecord&) const = default;
};

// "Track" for 0, "Pack" for 1, "Unknown" for anything else.
QString TypeNameOf(qint32 fileType);

// MediaList/MediaCount: every known record, addressed by its index from 0.
//
// Beside the records the table keeps a case-insensitive index of their paths (PathIndex), so that
// "is this file already known?" costs the same with 100,000 records as with ten. Records are added
// and removed through the table; code that changes a record's FilePath in place calls
// RebuildPathIndex() afterwards.
class MediaTable {
public:
    std::vector<MediaRecord> MediaList;

    qint32 MediaCount() const { return static_cast<qint32>(MediaList.size()); }

    // Appends a record and indexes its path.
    void Append(MediaRecord record);
    // Replaces every record (after a load), re-indexing them.
    void Replace(std::vector<MediaRecord> records);
    // The same with each record's PathIndex::HashOf(FilePath) already known, in record order.
    void Replace(std::vector<MediaRecord> records, const std::vector<quint32>& pathHashes);
    // Removes the record at index; later records move one slot down. Out-of-range does nothing.
    void RemoveMediaRecord(qint32 index);
    // Removes every record whose index is in `indices` in one pass (validation drops many at once).
    void RemoveMediaRecords(const std::vector<qint32>& indices);

    // True when a record with this path (ignoring letter case) exists.
    bool ContainsPath(const QString& path) const;
    void RebuildPathIndex();

private:
    PathIndex m_paths;
};
