#include "theme/ComponentText.h"

#include "platform/Twips.h"

namespace {

// The number at the start of the text: optional blanks and sign, digits, a decimal point and more
// digits. Anything after that ends the number.
double LeadingDecimal(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        sign = text[i] == u'-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        value = value * 10 + (text[i++].unicode() - u'0');
    if (i < text.size() && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, scale /= 10)
            value += (text[i].unicode() - u'0') * scale;
    }
    return sign * value;
}

// The hexadecimal digits at the start of the text; more than eight are out of range anyway.
qint64 LeadingHexadecimal(QStringView text)
{
    qint64 value = 0;
    for (qsizetype i = 0; i < text.size() && i < 9; ++i) {
        const char16_t c = text[i].toUpper().unicode();
        const int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

QString ComponentText(qint32 value, bool hexadecimal)
{
    if (!hexadecimal)
        return QString::number(value);
    return (QStringLiteral("00") + QString::number(value, 16).toUpper()).right(2);
}

qint32 ComponentFromText(QStringView text, bool hexadecimal)
{
    qint64 value = 0;
    if (hexadecimal) {
        value = LeadingHexadecimal(text);
    } else {
        const double decimal = LeadingDecimal(text);
        if (decimal > -1 && decimal < 256)
            value = RoundHalfEven(decimal);
    }
    return value >= 0 && value <= 255 ? static_cast<qint32>(value) : 0;
}
