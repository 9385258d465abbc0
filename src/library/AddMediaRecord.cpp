#include "library/AddMediaRecord.h"

#include <QLocale>

#include <algorithm>

namespace {

constexpr QChar kBlank = QLatin1Char(' ');

bool IsAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

QString TrimLeadingBlanks(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == kBlank)
        ++i;
    return s.mid(i);
}

QString TrimTrailingBlanks(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == kBlank)
        --n;
    return s.left(n);
}

// Upper-cases the first ASCII letter of every run of letters and lower-cases the rest.
QString AutoFormat(const QString& title)
{
    QString out;
    out.reserve(title.size());
    bool upperNext = true;
    for (QChar c : title) {
        if (IsAsciiLetter(c)) {
            out += upperNext ? c.toUpper() : c.toLower();
            upperNext = false;
        } else {
            out += c;
            upperNext = true;
        }
    }
    return out;
}

QString FileNameWithoutExtension(const QString& path)
{
    qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    slash = std::max(slash, path.lastIndexOf(QLatin1Char('\\')));
#endif
    QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

} // namespace

QString FormatMediaDate(const QDateTime& when)
{
    return QLocale::c().toString(when, QStringLiteral("MM/dd/yyyy HH:mm:ss"));
}

DerivedName DeriveTitleAndAuthor(const QString& path, const NameScheme& scheme)
{
    DerivedName out;
    QString name = FileNameWithoutExtension(path);

    if (scheme.NameReplaceUnderscores)
        name.replace(QLatin1Char('_'), kBlank);
    if (scheme.NameTrimSpaces)
        name = TrimTrailingBlanks(TrimLeadingBlanks(name));

    // "TITLE [anything] (AUTHOR)": positions below count from 1 as the rule is written. The "]" only
    // has to exist somewhere from the "[" on; the author is everything after the "(" except the
    // name's last character. A "[" in first place gives an empty title, a final "(" an empty author.
    if (scheme.NameBracketFilter) {
        const qsizetype p1 = name.indexOf(QLatin1Char('[')) + 1;
        if (p1 > 0 && name.indexOf(QLatin1Char(']'), p1 - 1) >= 0) {
            const qsizetype p2 = name.indexOf(QLatin1Char('('), p1 - 1) + 1;
            if (p2 > 0) {
                out.Title = name.left(std::max<qsizetype>(p1 - 2, 0));
                out.Author = name.mid(p2, std::max<qsizetype>(name.size() - p2 - 1, 0));
                name.clear();
            }
        }
    }

    // "AUTHOR - TITLE": split at the first "-".
    if (scheme.NameDashFilter) {
        const qsizetype p = name.indexOf(QLatin1Char('-')) + 1;
        if (p > 0) {
            out.Author = TrimTrailingBlanks(name.left(p - 1));
            out.Title = TrimLeadingBlanks(name.mid(p));
            name.clear();
        }
    }

    if (!name.isEmpty()) {
        out.Title = name;
        out.Author.clear();
    }
    if (scheme.NameAutoFormat)
        out.Title = AutoFormat(out.Title);
    return out;
}

qint32 FileTypeOfPath(const QString& path)
{
    if (path.endsWith(QLatin1String(kPackageExtension), Qt::CaseInsensitive))
        return FileTypePackage;
    if (IsTrackFileName(path))
        return FileTypeTrack;
    return FileTypeUnknown;
}
