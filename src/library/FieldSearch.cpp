#include "library/FieldSearch.h"

#include "library/RecordDate.h"
#include "library/RowText.h"

#include <QDate>

#include <limits>
#include <optional>

namespace {

constexpr qint64 kLowest = std::numeric_limits<qint64>::min();
constexpr qint64 kHighest = std::numeric_limits<qint64>::max();

struct Range {
    qint64 Low;
    qint64 High;
};

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The words of the text: runs of characters between blanks, where a blank inside double quotes
// belongs to the word. The quotes stay in the word; an unclosed quote runs to the end of the text.
std::vector<QStringView> SplitWords(QStringView text)
{
    std::vector<QStringView> words;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const qsizetype start = i;
        bool quoted = false;
        while (i < text.size() && (quoted || !IsBlank(text[i]))) {
            if (text[i] == u'"')
                quoted = !quoted;
            ++i;
        }
        if (i > start)
            words.push_back(text.sliced(start, i - start));
    }
    return words;
}

QString WithoutQuotes(QStringView text)
{
    QString out = text.toString();
    out.remove(QLatin1Char('"'));
    return out;
}

std::optional<SearchField> FieldNamed(QStringView name)
{
    static const std::pair<const char*, SearchField> kFields[] = {
        {"title", SearchField::Title},   {"author", SearchField::Author}, {"notes", SearchField::Notes},
        {"path", SearchField::Path},     {"type", SearchField::Type},     {"rating", SearchField::Rating},
        {"ridden", SearchField::Ridden}, {"added", SearchField::Added},   {"rode", SearchField::Rode},
    };
    for (const auto& [fieldName, field] : kFields)
        if (name.compare(QLatin1String(fieldName), Qt::CaseInsensitive) == 0)
            return field;
    return std::nullopt;
}

// Decimal digits only, at most 18 of them (no sign, no blanks).
std::optional<qint64> ParseWhole(QStringView text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// A value of one of the forms N >=N <=N >N <N N..M as an inclusive range, applying `single` to N
// (a number is itself; a date is the days it spans).
template <typename ParseOne>
std::optional<Range> ParseRange(QStringView text, ParseOne single)
{
    const qsizetype dots = text.indexOf(QLatin1String(".."));
    if (dots >= 0) {
        const std::optional<Range> from = single(text.first(dots));
        const std::optional<Range> to = single(text.sliced(dots + 2));
        if (!from || !to)
            return std::nullopt;
        return Range{from->Low, to->High};
    }
    const auto after = [&](qsizetype n) { return single(text.sliced(n)); };
    if (text.startsWith(QLatin1String(">="))) {
        const std::optional<Range> r = after(2);
        return r ? std::optional<Range>(Range{r->Low, kHighest}) : std::nullopt;
    }
    if (text.startsWith(QLatin1String("<="))) {
        const std::optional<Range> r = after(2);
        return r ? std::optional<Range>(Range{kLowest, r->High}) : std::nullopt;
    }
    if (text.startsWith(u'>')) {
        const std::optional<Range> r = after(1);
        return r && r->High < kHighest ? std::optional<Range>(Range{r->High + 1, kHighest}) : std::nullopt;
    }
    if (text.startsWith(u'<')) {
        const std::optional<Range> r = after(1);
        return r ? std::optional<Range>(Range{kLowest, r->Low - 1}) : std::nullopt;
    }
    return single(text);
}

std::optional<Range> ParseNumber(QStringView text)
{
    const std::optional<qint64> n = ParseWhole(text);
    return n ? std::optional<Range>(Range{*n, *n}) : std::nullopt;
}

// YYYY, YYYY-MM or YYYY-MM-DD as the first and last day it spans, both as yyyymmdd.
std::optional<Range> ParseDay(QStringView text)
{
    const QList<QStringView> parts = text.split(u'-');
    if (parts.size() > 3 || parts[0].size() != 4)
        return std::nullopt;
    int numbers[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0 && (parts[i].isEmpty() || parts[i].size() > 2))
            return std::nullopt;
        const std::optional<qint64> n = ParseWhole(parts[i]);
        if (!n)
            return std::nullopt;
        numbers[i] = int(*n);
    }
    const qint64 year = numbers[0] * 10000LL;
    if (parts.size() == 1)
        return Range{year + 101, year + 1231};
    if (numbers[1] < 1 || numbers[1] > 12)
        return std::nullopt;
    const qint64 month = year + numbers[1] * 100;
    if (parts.size() == 2)
        return Range{month + 1, month + 31};
    if (!QDate(numbers[0], numbers[1], numbers[2]).isValid())
        return std::nullopt;
    return Range{month + numbers[2], month + numbers[2]};
}

// The term for field:value, or nothing when the value does not read for that field.
std::optional<SearchTerm> FieldTerm(SearchField field, QStringView value)
{
    SearchTerm term;
    term.Field = field;
    std::optional<Range> range;
    switch (field) {
    case SearchField::Title:
    case SearchField::Author:
    case SearchField::Notes:
    case SearchField::Path:
        term.Text = WithoutQuotes(value);
        if (term.Text.isEmpty())
            return std::nullopt;
        return term;
    case SearchField::Type:
        if (value.compare(QLatin1String("track"), Qt::CaseInsensitive) == 0)
            term.Low = FileTypeTrack;
        else if (value.compare(QLatin1String("pack"), Qt::CaseInsensitive) == 0)
            term.Low = FileTypePackage;
        else
            return std::nullopt;
        return term;
    case SearchField::Rating:
    case SearchField::Ridden:
        range = ParseRange(value, ParseNumber);
        break;
    case SearchField::Rode:
        if (value.compare(QLatin1String("never"), Qt::CaseInsensitive) == 0) {
            term.Never = true;
            return term;
        }
        [[fallthrough]];
    case SearchField::Added:
        range = ParseRange(value, ParseDay);
        // An unreadable stored date is day 0, which no date value may cover.
        if (range)
            range->Low = std::max<qint64>(range->Low, 1);
        break;
    case SearchField::Text:
        return std::nullopt;
    }
    if (!range)
        return std::nullopt;
    term.Low = range->Low;
    term.High = range->High;
    return term;
}

SearchTerm ReadWord(QStringView word)
{
    SearchTerm term;
    QStringView body = word;
    if (body.size() > 1 && body[0] == u'-') {
        term.Negated = true;
        body = body.sliced(1);
    }
    const qsizetype colon = body.indexOf(u':');
    const qsizetype quote = body.indexOf(u'"');
    if (colon > 0 && (quote < 0 || quote > colon)) {
        if (const std::optional<SearchField> field = FieldNamed(body.first(colon))) {
            if (std::optional<SearchTerm> fieldTerm = FieldTerm(*field, body.sliced(colon + 1))) {
                fieldTerm->Negated = term.Negated;
                return *fieldTerm;
            }
        }
    }
    term.Text = WithoutQuotes(body);
    return term;
}

qsizetype CharacterCount(QStringView text)
{
    qsizetype count = 0;
    for (QChar c : text)
        count += c.isLowSurrogate() ? 0 : 1;
    return count;
}

bool InRange(qint64 value, const SearchTerm& term)
{
    return value >= term.Low && value <= term.High;
}

bool TermHolds(const SearchTerm& term, const MediaRecord& record, QStringView rowText)
{
    switch (term.Field) {
    case SearchField::Text:
        return rowText.contains(term.Text, Qt::CaseInsensitive);
    case SearchField::Title:
        return record.Title.contains(term.Text, Qt::CaseInsensitive);
    case SearchField::Author:
        return record.Author.contains(term.Text, Qt::CaseInsensitive);
    case SearchField::Notes:
        return record.Notes.contains(term.Text, Qt::CaseInsensitive);
    case SearchField::Path:
        return record.FilePath.contains(term.Text, Qt::CaseInsensitive);
    case SearchField::Type:
        return record.FileType == term.Low;
    case SearchField::Rating:
        return InRange(CharacterCount(record.Rating), term);
    case SearchField::Ridden:
        return InRange(record.RideCount, term);
    case SearchField::Added:
        return InRange(RecordDay(record.AddDate), term);
    case SearchField::Rode:
        if (term.Never)
            return record.RideDate.trimmed().isEmpty();
        return InRange(RecordDay(record.RideDate), term);
    }
    return false;
}

} // namespace

FieldSearch::FieldSearch(const QString& text)
    : m_text(text)
{
    std::vector<SearchTerm> terms;
    bool plain = !text.contains(QLatin1Char('"'));
    for (QStringView word : SplitWords(text)) {
        terms.push_back(ReadWord(word));
        plain = plain && terms.back().Field == SearchField::Text && !terms.back().Negated;
    }
    m_plain = plain;
    if (!plain)
        m_terms = std::move(terms);
}

bool FieldSearch::Matches(const MediaRecord& record, QStringView rowText) const
{
    if (m_plain)
        return RowTextMatches(rowText, m_text);
    for (const SearchTerm& term : m_terms)
        if (TermHolds(term, record, rowText) == term.Negated)
            return false;
    return true;
}

QString FieldSearchHelp()
{
    return QStringLiteral(
        "Text is found anywhere in a row, as typed.\n"
        "With field words, every word must match; \"a phrase\" is one word.\n"
        "title:  author:  notes:  path:  text in that field\n"
        "type:track  type:pack\n"
        "rating:  ridden:  N  >=N  <=N  >N  <N  N..M\n"
        "added:  rode:  2026  2026-03  2026-03-14  >=2026-03-14  <2026-03-14  A..B\n"
        "rode:never  never ridden\n"
        "-word  leaves out what the word matches");
}
