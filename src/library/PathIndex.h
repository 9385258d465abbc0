#pragma once
// The media table's index of its records' paths, ignoring letter case: "is this file already
// known?" costs the same with 100,000 records as with ten.
//
// An open-addressing table of (hash, record number) slots, never more than half full. The hash
// folds letters exactly as QString's case-insensitive comparison folds them (a piece at a time on
// the stack; no folded string is ever kept), so paths equal ignoring case always hash alike, in any
// script. Each slot keeps its hash, so growing the table or renumbering records never reads a
// path again; a lookup compares paths only where the hashes agree. The paths themselves stay in
// the records: the index holds numbers only.

#include <QString>
#include <QStringView>

#include <vector>

class PathIndex {
public:
    // The folded hash of a path (seeded per run, so no file can be made to collide on purpose).
    static quint32 HashOf(QStringView path);

    // Indexes records 0 .. count - 1 afresh, dropping what was indexed: pathOf(record) gives the
    // path of a record.
    template <typename PathOf>
    void IndexAll(qint32 count, PathOf&& pathOf);
    // The same from the records' path hashes (HashOf of each path, in record order), which a loader
    // computes while each path it decodes is still in the processor's cache.
    void IndexAll(const std::vector<quint32>& pathHashes);
    void Insert(QStringView path, qint32 record);
    // True when an indexed record's path equals `path` ignoring letter case; pathOf(record) gives
    // the path of an indexed record.
    template <typename PathOf>
    bool Contains(QStringView path, PathOf&& pathOf) const { return Find(path, pathOf) >= 0; }
    // The indexed record whose path equals `path` ignoring letter case, -1 when none.
    template <typename PathOf>
    qint32 Find(QStringView path, PathOf&& pathOf) const;
    // Forgets record's entry, which was indexed under `path` (the record keeps its number).
    void Erase(QStringView path, qint32 record);
    // After records left the table: newNumber[old] is a record's new number, -1 when it is gone.
    void Renumber(const std::vector<qint32>& newNumber);

private:
    struct Slot {
        quint32 hash = 0;
        qint32 record = -1;  // -1: empty
    };
    void Reserve(qsizetype records);
    void Place(Slot slot);
    void MoveInto(std::vector<Slot> fresh, const std::vector<qint32>* newNumber);

    std::vector<Slot> m_slots;  // a power of two in size, or empty
    qsizetype m_count = 0;
};

template <typename PathOf>
void PathIndex::IndexAll(qint32 count, PathOf&& pathOf)
{
    std::vector<quint32> hashes(count);
    for (qint32 record = 0; record < count; ++record)
        hashes[record] = HashOf(pathOf(record));
    IndexAll(hashes);
}

template <typename PathOf>
qint32 PathIndex::Find(QStringView path, PathOf&& pathOf) const
{
    if (m_slots.empty())
        return -1;
    const quint32 hash = HashOf(path);
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.record < 0)
            return -1;
        if (slot.hash != hash)
            continue;
        const QStringView other = pathOf(slot.record);
        // Qt's comparison counts a difference in length as a difference, so the cheap test first.
        if (other.size() == path.size() && other.compare(path, Qt::CaseInsensitive) == 0)
            return slot.record;
    }
}
