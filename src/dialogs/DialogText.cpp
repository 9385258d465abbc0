#include "dialogs/DialogText.h"

#include "controls/FontConvert.h"
#include "theme/FontRecord.h"

#include <QFontMetrics>
#include <QStringList>

namespace DialogText {

QFont Font()
{
    return ToQFont(FontRecord());
}

int CountLines(const QString& text, const QFont& font, int labelWidth)
{
    const QFontMetrics metrics(font);
    const QStringList parts = text.split(QStringLiteral("\r\n"));
    int lines = static_cast<int>(parts.size());
    for (const QString& part : parts) {
        if (metrics.horizontalAdvance(part) > labelWidth)
            ++lines;
    }
    return lines;
}

QString DisplayText(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace DialogText
