#include "library/PathIndex.h"

#include <QChar>
#include <QHashFunctions>

#include <algorithm>

namespace {

// One unit folded as the case-insensitive comparison folds it. A surrogate stands for a character
// outside the basic plane, which the comparison folds together with its partner; every surrogate
// hashes alike, so such pairs can never make equal texts hash apart.
char16_t FoldUnit(char16_t u)
{
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? char16_t(u | 0x20) : u;
    if (QChar::isSurrogate(u))
        return 0xD800;
    return char16_t(QChar::toCaseFolded(char32_t(u)));
}

// Texts are folded a piece at a time into a buffer on the stack and hashed by Qt's own byte hash;
// a whole path usually fits in one piece.
constexpr qsizetype kPiece = 256;

} // namespace

quint32 PathIndex::HashOf(QStringView path)
{
    char16_t folded[kPiece];
    size_t h = qHash(path.size(), QHashSeed::globalSeed());
    for (qsizetype from = 0; from < path.size(); from += kPiece) {
        const QStringView piece = path.mid(from, kPiece);
        const char16_t* in = piece.utf16();
        const qsizetype n = piece.size();
        if (QtPrivate::isAscii(piece)) {
            // Plain arithmetic on every unit, which the compiler turns into vector code.
            for (qsizetype i = 0; i < n; ++i)
                folded[i] = char16_t(in[i] | ((char16_t(in[i] - 'A') < 26) << 5));
        } else {
            for (qsizetype i = 0; i < n; ++i)
                folded[i] = FoldUnit(in[i]);
        }
        h = qHashBits(folded, size_t(n) * sizeof(char16_t), h);
    }
    return quint32(h ^ (h >> 32));
}

void PathIndex::Reserve(qsizetype records)
{
    size_t wanted = 16;
    while (wanted < size_t(records) * 2)
        wanted *= 2;
    if (wanted > m_slots.size())
        MoveInto(std::vector<Slot>(wanted), nullptr);
}

void PathIndex::Insert(QStringView path, qint32 record)
{
    if (size_t(m_count + 1) * 2 > m_slots.size())
        Reserve(std::max<qsizetype>(m_count + 1, m_count * 2));
    Place({HashOf(path), record});
}

// Empties the record's slot, then moves each later slot of the same run back into the hole when
// its own home lies at or before the hole, so every lookup still finds what it looks for.
void PathIndex::Erase(QStringView path, qint32 record)
{
    if (m_slots.empty())
        return;
    const size_t mask = m_slots.size() - 1;
    size_t hole = HashOf(path) & mask;
    for (;; hole = (hole + 1) & mask) {
        if (m_slots[hole].record < 0)
            return;
        if (m_slots[hole].record == record)
            break;
    }
    for (size_t next = (hole + 1) & mask; m_slots[next].record >= 0; next = (next + 1) & mask) {
        const size_t home = m_slots[next].hash & mask;
        const bool staysPut = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (!staysPut) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole] = Slot{};
    --m_count;
}

void PathIndex::Renumber(const std::vector<qint32>& newNumber)
{
    MoveInto(std::vector<Slot>(m_slots.size()), &newNumber);
}

void PathIndex::Place(Slot slot)
{
    const size_t mask = m_slots.size() - 1;
    size_t i = slot.hash & mask;
    while (m_slots[i].record >= 0)
        i = (i + 1) & mask;
    m_slots[i] = slot;
    ++m_count;
}

void PathIndex::IndexAll(const std::vector<quint32>& hashes)
{
    m_slots.clear();
    m_count = 0;
    Reserve(qsizetype(hashes.size()));
    // Each slot lies somewhere random in a table far larger than the processor's nearest caches:
    // asking for the slot of a record a few places ahead lets those waits overlap.
    constexpr size_t kAhead = 16;
    const size_t mask = m_slots.size() - 1;
    for (size_t record = 0; record < hashes.size(); ++record) {
#if defined(__GNUC__) || defined(__clang__)
        if (record + kAhead < hashes.size())
            __builtin_prefetch(&m_slots[hashes[record + kAhead] & mask], 1);
#endif
        Place({hashes[record], qint32(record)});
    }
}

// Moves every slot into `fresh` (all empty, a power of two in size), renumbered when asked.
void PathIndex::MoveInto(std::vector<Slot> fresh, const std::vector<qint32>* newNumber)
{
    std::swap(m_slots, fresh);
    m_count = 0;
    for (Slot slot : fresh) {
        if (slot.record < 0)
            continue;
        if (newNumber) {
            slot.record = size_t(slot.record) < newNumber->size() ? (*newNumber)[slot.record] : -1;
            if (slot.record < 0)
                continue;
        }
        Place(slot);
    }
}
