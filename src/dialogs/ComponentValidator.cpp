#include "dialogs/ComponentValidator.h"

ComponentValidator::ComponentValidator(bool hexadecimal, QObject* parent)
    : QValidator(parent)
    , m_hexadecimal(hexadecimal)
{
}

QValidator::State ComponentValidator::validate(QString& input, int& /*position*/) const
{
    if (input.size() > (m_hexadecimal ? 2 : 3))
        return Invalid;
    if (m_hexadecimal)
        input = input.toUpper();
    for (const QChar c : std::as_const(input)) {
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && !(m_hexadecimal && c >= u'A' && c <= u'F'))
            return Invalid;
    }
    return m_hexadecimal || input.toInt() <= 255 ? Acceptable : Invalid;
}
