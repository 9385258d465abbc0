#pragma once
// The search box's language, shared by the main list's filter and "ridevault-cli db find".
//
// A text without field words, negation or quotes is one case-insensitive substring test over the
// whole row text (RowTextMatches), exactly as the plain search always was: blanks included, keys
// and separators included. Otherwise the text is read as words separated by blanks, and a record
// matches when every word does:
//
//   steel  "steel dragon"        substring of the whole row text
//   title:x author:x notes:x path:x   substring of that field ("phrase" allowed)
//   type:track  type:pack        the record's FileType
//   rating:N  ridden:N           characters in Rating / RideCount: N >=N <=N >N <N N..M
//   added:D  rode:D              AddDate / RideDate: YYYY YYYY-MM YYYY-MM-DD, each also after
//                                >= <= > <, and A..B (both ends included); rode:never
//   -word                        any of the above, negated
//
// Field names ignore letter case. A word whose field is unknown or whose value does not read is
// plain text, so "a:b" still finds "a:b"; a quoted word is always plain text.

#include "library/MediaRecord.h"

#include <QString>
#include <QStringView>

#include <vector>

enum class SearchField { Text, Title, Author, Notes, Path, Type, Rating, Ridden, Added, Rode };

struct SearchTerm {
    SearchField Field = SearchField::Text;
    bool Negated = false;
    QString Text;      // Text, Title, Author, Notes, Path: the substring to find
    qint64 Low = 0;    // Type: the FileType; numbers: the inclusive range; dates: yyyymmdd range
    qint64 High = 0;
    bool Never = false;  // rode:never, a record without a RideDate

    bool operator==(const SearchTerm&) const = default;
};

class FieldSearch {
public:
    explicit FieldSearch(const QString& text);

    // True when the text is searched as one substring of the row text, as the plain search was.
    bool IsPlain() const { return m_plain; }
    // The words as read; empty for a plain search.
    const std::vector<SearchTerm>& Terms() const { return m_terms; }

    // rowText is BuildRowText of the record at its index.
    bool Matches(const MediaRecord& record, QStringView rowText) const;

private:
    QString m_text;
    bool m_plain = true;
    std::vector<SearchTerm> m_terms;
};

// The language in a few lines, for the search box's tooltip.
QString FieldSearchHelp();
