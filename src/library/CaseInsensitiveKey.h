#pragma once
// A text as a hash key that ignores letter case, without building a case-folded copy of it.
//
// The key shares the text it was made from (no copy) and compares with QString's own
// case-insensitive comparison; the hash folds each character on the fly the way that comparison
// does, so keys that compare equal always hash alike, in any script. ASCII text (the usual path)
// is folded and hashed four characters at a time.

#include <QHashFunctions>
#include <QString>

struct CaseInsensitiveKey {
    QString Text;

    friend bool operator==(const CaseInsensitiveKey& a, const CaseInsensitiveKey& b) noexcept
    {
        // Qt's comparison counts a difference in length as a difference, so the cheap test first.
        return a.Text.size() == b.Text.size() && a.Text.compare(b.Text, Qt::CaseInsensitive) == 0;
    }
};

size_t qHash(const CaseInsensitiveKey& key, size_t seed = 0) noexcept;
