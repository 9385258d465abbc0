#include "platform/WineLocale.h"

QProcessEnvironment WineProcessEnvironment(const QProcessEnvironment& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        locale = environment.value(QLatin1String(name));
        if (!locale.isEmpty())
            break;
    }
    // "de_DE.UTF-8", "C.utf8", "en_US.UTF-8@euro": the character set follows the ".".
    const QString charset = locale.section(QLatin1Char('.'), 1).section(QLatin1Char('@'), 0, 0);
    if (charset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0 ||
        charset.compare(QLatin1String("utf8"), Qt::CaseInsensitive) == 0)
        return environment;
    QProcessEnvironment utf8 = environment;
    utf8.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return utf8;
}
