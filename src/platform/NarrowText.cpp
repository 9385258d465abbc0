#include "platform/NarrowText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool IsAscii(const char* bytes, qsizetype count)
{
    return QtPrivate::isAscii(QLatin1StringView(bytes, count));
}

#ifndef Q_OS_WIN
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five undefined codes map to themselves.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString FromWindows1252(const char* bytes, qsizetype count)
{
    QString out(count, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < count; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}
#endif

} // namespace

qsizetype WriteAsciiText(char* out, QStringView text)
{
    if (!QtPrivate::isAscii(text))
        return -1;
    const char16_t* in = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(in[i]);
    return text.size();
}

QByteArray ToNarrowText(const QString& text)
{
#ifdef Q_OS_WIN
    QStringEncoder enc(QStringConverter::System);
    return enc.encode(text);
#else
    return text.toUtf8();
#endif
}

QString FromNarrowText(const char* bytes, qsizetype count)
{
    if (count <= 0)
        return {};
    if (IsAscii(bytes, count))
        return QString::fromLatin1(bytes, count);
#ifdef Q_OS_WIN
    QStringDecoder dec(QStringConverter::System);
    return dec.decode(QByteArrayView(bytes, count));
#else
    QStringDecoder dec(QStringConverter::Utf8,
                       QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = dec.decode(QByteArrayView(bytes, count));
    if (!dec.hasError())
        return text;
    return FromWindows1252(bytes, count);
#endif
}
