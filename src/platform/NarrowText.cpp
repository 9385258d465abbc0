#include "platform/NarrowText.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
    // One pass: every unit is narrowed while the units seen are or-ed together; a unit of 0x80 or
    // above anywhere makes the whole text "not ASCII" at the end.
    const char16_t* in = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    char16_t seen = 0;
#ifdef __SSE2__
    __m128i seenWide = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i + 8));
        seenWide = _mm_or_si128(seenWide, _mm_or_si128(low, high));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
    if (i + 8 <= size) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        seenWide = _mm_or_si128(seenWide, units);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(units, units));
        i += 8;
    }
    // Any unit with a bit at 0x80 or above shows in the packed sign bits of the or-ed units.
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(seenWide, _mm_set1_epi16(short(0xFF80))),
                                          _mm_setzero_si128()))
        != 0xFFFF)
        return -1;
#endif
    for (; i < size; ++i) {
        seen |= in[i];
        out[i] = static_cast<char>(in[i]);
    }
    return seen < 0x80 ? size : -1;
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
