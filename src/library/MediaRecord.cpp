#include "library/MediaRecord.h"

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

void MediaTable::Append(MediaRecord record)
{
    m_paths.Insert(record.FilePath, MediaCount());
    MediaList.push_back(std::move(record));
}

void MediaTable::Replace(std::vector<MediaRecord> records)
{
    MediaList = std::move(records);
    RebuildPathIndex();
}

void MediaTable::Replace(std::vector<MediaRecord> records, const std::vector<quint32>& pathHashes)
{
    MediaList = std::move(records);
    m_paths.IndexAll(pathHashes);
}

void MediaTable::RemoveMediaRecord(qint32 index)
{
    if (index >= 0 && index < MediaCount())
        RemoveMediaRecords({index});
}

void MediaTable::RemoveMediaRecords(const std::vector<qint32>& indices)
{
    constexpr qint32 kDropped = -1;
    std::vector<qint32> newNumber(MediaList.size(), 0);
    for (qint32 i : indices)
        if (i >= 0 && i < MediaCount())
            newNumber[i] = kDropped;
    qint32 kept = 0;
    for (qint32 i = 0; i < MediaCount(); ++i) {
        if (newNumber[i] == kDropped)
            continue;
        if (kept != i)
            MediaList[kept] = std::move(MediaList[i]);
        newNumber[i] = kept++;
    }
    MediaList.resize(kept);
    m_paths.Renumber(newNumber);
}

bool MediaTable::ContainsPath(const QString& path) const
{
    return m_paths.Contains(path, [this](qint32 record) { return QStringView(MediaList[record].FilePath); });
}

void MediaTable::RebuildPathIndex()
{
    m_paths.IndexAll(MediaCount(), [this](qint32 record) { return QStringView(MediaList[record].FilePath); });
}
