#include "library/MediaRecord.h"

#include <algorithm>

QString TypeNameOf(qint32 fileType)
{
    switch (fileType) {
    case FileTypeTrack:
        return QStringLiteral("Track");
    case FileTypePackage:
        return QStringLiteral("Pack");
    default:
        return QStringLiteral("Unknown");
    }
}

void MediaTable::IndexPath(const QString& path) { ++m_pathCount[CaseInsensitiveKey{path}]; }

void MediaTable::UnindexPath(const QString& path)
{
    const auto it = m_pathCount.find(CaseInsensitiveKey{path});
    if (it != m_pathCount.end() && --it.value() <= 0)
        m_pathCount.erase(it);
}

void MediaTable::Append(MediaRecord record)
{
    IndexPath(record.FilePath);
    MediaList.push_back(std::move(record));
}

void MediaTable::Replace(std::vector<MediaRecord> records)
{
    MediaList = std::move(records);
    RebuildPathIndex();
}

void MediaTable::RemoveMediaRecord(qint32 index)
{
    if (index < 0 || index >= MediaCount())
        return;
    UnindexPath(MediaList[index].FilePath);
    MediaList.erase(MediaList.begin() + index);
}

void MediaTable::RemoveMediaRecords(const std::vector<qint32>& indices)
{
    std::vector<bool> drop(MediaList.size(), false);
    for (qint32 i : indices)
        if (i >= 0 && i < MediaCount())
            drop[i] = true;
    qint32 kept = 0;
    for (qint32 i = 0; i < MediaCount(); ++i) {
        if (drop[i]) {
            UnindexPath(MediaList[i].FilePath);
            continue;
        }
        if (kept != i)
            MediaList[kept] = std::move(MediaList[i]);
        ++kept;
    }
    MediaList.resize(kept);
}

bool MediaTable::ContainsPath(const QString& path) const
{
    return m_pathCount.contains(CaseInsensitiveKey{path});
}

void MediaTable::RebuildPathIndex()
{
    m_pathCount.clear();
    m_pathCount.reserve(MediaList.size());
    for (const MediaRecord& r : MediaList)
        IndexPath(r.FilePath);
}
