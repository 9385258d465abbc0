#include "ride/StoredPath.h"

#include "platform/CaseInsensitivePath.h"

#include <QRegularExpression>

namespace {

// Windows opens these devices whatever the extension ("nul.txt") and whatever follows in blanks.
bool IsDeviceName(const QString& component)
{
    static const QRegularExpression device(
        QStringLiteral("^(con|prn|aux|nul|conin\\$|conout\\$|clock\\$|(com|lpt)[0-9\\x{00B9}\\x{00B2}\\x{00B3}])"
                       "[ ]*(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(component).hasMatch();
}

QString ComponentProblem(const QString& c)
{
    if (c.isEmpty())
        return QStringLiteral("empty component (absolute path, doubled or trailing separator)");
    if (c == QLatin1String(".") || c == QLatin1String(".."))
        return QStringLiteral("\"%1\" component").arg(c);
    for (const QChar ch : c) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return QStringLiteral("control character U+%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        if (QStringView(u":<>\"|?*").contains(ch))
            return QStringLiteral("character '%1' is not allowed in a name").arg(ch);
    }
    if (c.endsWith(QLatin1Char('.')) || c.endsWith(QLatin1Char(' ')))
        return QStringLiteral("name \"%1\" ends in a dot or blank").arg(c);
    if (IsDeviceName(c))
        return QStringLiteral("\"%1\" is a device name").arg(c);
    return {};
}

} // namespace

QString StoredPathProblem(const QString& relative)
{
    for (const QString& component : SplitStoredPath(relative)) {
        const QString problem = ComponentProblem(component);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}
