#include "library/CaseInsensitiveKey.h"

#include <QChar>

#include <cstring>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the four-unit words below are read in little-endian order");

namespace {

constexpr quint64 kNonAsciiBits = 0xFF80FF80FF80FF80ull;  // set in a lane only for a non-ASCII unit

// Four UTF-16 units, all below 0x80, with their capitals folded: a lane in 'A'..'Z' gains its 0x20
// bit. Each lane stays below 0x100 through the sums, so no carry reaches the next lane.
quint64 FoldAsciiLanes(quint64 units)
{
    const quint64 fromA = units + 0x003F003F003F003Full;  // bit 7 set when >= 'A'
    const quint64 pastZ = units + 0x0025002500250025ull;  // bit 7 set when > 'Z'
    return units | ((fromA & ~pastZ & 0x0080008000800080ull) >> 2);
}

// One unit folded as the case-insensitive comparison folds it. A surrogate stands for a character
// outside the basic plane, which the comparison folds together with its partner; every surrogate
// hashes alike, so such pairs can never make equal texts hash apart.
quint64 FoldUnit(char16_t u)
{
    if (u < 0x80)
        return (u >= 'A' && u <= 'Z') ? (u | 0x20) : u;
    if (QChar::isSurrogate(u))
        return 0xD800;
    return QChar::toCaseFolded(char32_t(u));
}

quint64 Mix(quint64 h, quint64 units)
{
    h ^= units;
    h *= 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

} // namespace

size_t qHash(const CaseInsensitiveKey& key, size_t seed) noexcept
{
    const char16_t* p = reinterpret_cast<const char16_t*>(key.Text.utf16());
    const qsizetype size = key.Text.size();
    quint64 h = Mix(seed, quint64(size));
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        quint64 units;
        std::memcpy(&units, p + i, sizeof units);
        if (!(units & kNonAsciiBits)) {
            h = Mix(h, FoldAsciiLanes(units));
            continue;
        }
        units = 0;
        for (int lane = 0; lane < 4; ++lane)
            units |= FoldUnit(p[i + lane]) << (16 * lane);
        h = Mix(h, units);
    }
    quint64 tail = 0;
    for (int lane = 0; i < size; ++i, ++lane)
        tail |= FoldUnit(p[i]) << (16 * lane);
    return size_t(Mix(h, tail));
}
