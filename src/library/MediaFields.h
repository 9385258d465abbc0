#pragma once
// One catalogued track or package file: its fields, its type, and which of two records for the same
// file content to prefer. The table of all of them is MediaTable (MediaRecord.h).

#include <QString>

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

// Of two records for the same file content, a is preferred over b when it was ridden more recently,
// or as recently and added later; `order` (a position or serial, larger is newer) breaks a tie.
bool IsPreferredCandidate(const MediaRecord& a, qint64 aOrder, const MediaRecord& b, qint64 bOrder);
