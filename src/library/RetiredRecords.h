#pragma once
// The records that validation removed, every field and the fingerprint of their file, oldest first.
// A file that turns up again under another name or folder brings its record back from here, with
// its ratings, notes and ride counts. The list is bounded: when it is full the oldest entry goes.

#include "library/ContentFingerprint.h"
#include "library/MediaFields.h"

#include <QMultiHash>

#include <map>
#include <vector>

struct RetiredRecord {
    MediaRecord Record;
    ContentFingerprint Fingerprint;

    bool operator==(const RetiredRecord&) const = default;
};

inline constexpr qsizetype kDefaultRetiredBound = 50000;

class RetiredRecords {
public:
    explicit RetiredRecords(qsizetype bound = kDefaultRetiredBound) : m_bound(std::max<qsizetype>(bound, 0)) {}

    qsizetype Bound() const { return m_bound; }
    qsizetype Count() const { return qsizetype(m_entries.size()); }
    // Adds the newest entry, dropping the oldest while there are more than Bound().
    void Retire(MediaRecord record, const ContentFingerprint& print);
    // Every entry, oldest first.
    std::vector<RetiredRecord> Entries() const;
    // Replaces every entry (oldest first), keeping only the newest Bound() of them.
    void Replace(std::vector<RetiredRecord> entries);
    // Removes and returns the entry with this fingerprint that was ridden most recently (then the
    // newest); false when none has it.
    bool TakeBest(const ContentFingerprint& print, RetiredRecord& taken);

private:
    void DropOldest();

    qsizetype m_bound;
    quint64 m_nextSerial = 0;
    std::map<quint64, RetiredRecord> m_entries;  // by serial: oldest first
    QMultiHash<ContentFingerprint, quint64> m_byPrint;
};
