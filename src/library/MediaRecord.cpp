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

namespace {

// "mm/dd/yyyy hh:mm:ss" as "yyyymmddhhmmss", which sorts as the dates do; "" for anything else.
QString SortableDate(const QString& date)
{
    if (date.size() != 19)
        return {};
    return date.mid(6, 4) + date.mid(0, 2) + date.mid(3, 2) + date.mid(11, 2) + date.mid(14, 2) + date.mid(17, 2);
}

} // namespace

bool IsPreferredCandidate(const MediaRecord& a, qint64 aOrder, const MediaRecord& b, qint64 bOrder)
{
    const int ridden = SortableDate(a.RideDate).compare(SortableDate(b.RideDate));
    if (ridden != 0)
        return ridden > 0;
    const int added = SortableDate(a.AddDate).compare(SortableDate(b.AddDate));
    if (added != 0)
        return added > 0;
    return aOrder > bOrder;
}

void MediaTable::Append(MediaRecord record, const ContentFingerprint& print)
{
    m_prints.resize(MediaList.size());
    m_paths.Insert(record.FilePath, MediaCount());
    if (m_byPrintBuilt && print.IsValid())
        m_byPrint.insert(print, MediaCount());
    MediaList.push_back(std::move(record));
    m_prints.push_back(print);
}

void MediaTable::Replace(std::vector<MediaRecord> records)
{
    MediaList = std::move(records);
    m_prints.clear();
    m_byPrintBuilt = false;
    RebuildPathIndex();
}

void MediaTable::Replace(std::vector<MediaRecord> records, const std::vector<quint32>& pathHashes)
{
    MediaList = std::move(records);
    m_prints.clear();
    m_byPrintBuilt = false;
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
    m_prints.resize(MediaList.size());
    qint32 kept = 0;
    for (qint32 i = 0; i < MediaCount(); ++i) {
        if (newNumber[i] == kDropped)
            continue;
        if (kept != i) {
            MediaList[kept] = std::move(MediaList[i]);
            m_prints[kept] = m_prints[i];
        }
        newNumber[i] = kept++;
    }
    MediaList.resize(kept);
    m_prints.resize(kept);
    m_byPrintBuilt = false;
    m_paths.Renumber(newNumber);
}

bool MediaTable::ContainsPath(const QString& path) const
{
    return FindPath(path) >= 0;
}

qint32 MediaTable::FindPath(const QString& path) const
{
    return m_paths.Find(path, [this](qint32 record) { return QStringView(MediaList[record].FilePath); });
}

void MediaTable::SetFilePath(qint32 index, const QString& path)
{
    if (index < 0 || index >= MediaCount())
        return;
    m_paths.Erase(MediaList[index].FilePath, index);
    MediaList[index].FilePath = path;
    m_paths.Insert(path, index);
}

void MediaTable::RebuildPathIndex()
{
    m_paths.IndexAll(MediaCount(), [this](qint32 record) { return QStringView(MediaList[record].FilePath); });
}

const ContentFingerprint& MediaTable::FingerprintOf(qint32 index) const
{
    static const ContentFingerprint none;
    return index >= 0 && size_t(index) < m_prints.size() ? m_prints[index] : none;
}

void MediaTable::SetFingerprint(qint32 index, const ContentFingerprint& print)
{
    if (index < 0 || index >= MediaCount())
        return;
    m_prints.resize(MediaList.size());
    if (m_prints[index].IsValid())
        m_byPrintBuilt = false;
    else if (m_byPrintBuilt && print.IsValid())
        m_byPrint.insert(print, index);
    m_prints[index] = print;
}

void MediaTable::SetFingerprints(std::vector<ContentFingerprint> prints)
{
    if (prints.size() != MediaList.size())
        return;
    m_prints = std::move(prints);
    m_byPrintBuilt = false;
}

std::vector<qint32> MediaTable::RecordsWithFingerprint(const ContentFingerprint& print) const
{
    if (!print.IsValid())
        return {};
    if (!m_byPrintBuilt) {
        m_byPrint.clear();
        for (size_t i = 0; i < m_prints.size() && i < MediaList.size(); ++i)
            if (m_prints[i].IsValid())
                m_byPrint.insert(m_prints[i], qint32(i));
        m_byPrintBuilt = true;
    }
    std::vector<qint32> out;
    for (auto it = m_byPrint.find(print); it != m_byPrint.end() && it.key() == print; ++it)
        out.push_back(it.value());
    std::sort(out.begin(), out.end());
    return out;
}
