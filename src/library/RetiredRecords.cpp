#include "library/RetiredRecords.h"

void RetiredRecords::Retire(MediaRecord record, const ContentFingerprint& print)
{
    if (m_bound == 0)
        return;
    const quint64 serial = m_nextSerial++;
    if (print.IsValid())
        m_byPrint.insert(print, serial);
    m_entries.emplace(serial, RetiredRecord{std::move(record), print});
    while (Count() > m_bound)
        DropOldest();
}

std::vector<RetiredRecord> RetiredRecords::Entries() const
{
    std::vector<RetiredRecord> out;
    out.reserve(m_entries.size());
    for (const auto& [serial, entry] : m_entries)
        out.push_back(entry);
    return out;
}

void RetiredRecords::Replace(std::vector<RetiredRecord> entries)
{
    m_entries.clear();
    m_byPrint.clear();
    m_nextSerial = 0;
    for (RetiredRecord& entry : entries)
        Retire(std::move(entry.Record), entry.Fingerprint);
}

bool RetiredRecords::TakeBest(const ContentFingerprint& print, RetiredRecord& taken)
{
    if (!print.IsValid())
        return false;
    auto best = m_byPrint.end();
    for (auto it = m_byPrint.find(print); it != m_byPrint.end() && it.key() == print; ++it) {
        if (best == m_byPrint.end())
            best = it;
        else if (IsPreferredCandidate(m_entries.at(it.value()).Record, it.value(),
                                      m_entries.at(best.value()).Record, best.value()))
            best = it;
    }
    if (best == m_byPrint.end())
        return false;
    const auto entry = m_entries.find(best.value());
    taken = std::move(entry->second);
    m_entries.erase(entry);
    m_byPrint.erase(best);
    return true;
}

void RetiredRecords::DropOldest()
{
    const auto oldest = m_entries.begin();
    if (oldest->second.Fingerprint.IsValid())
        m_byPrint.remove(oldest->second.Fingerprint, oldest->first);
    m_entries.erase(oldest);
}
