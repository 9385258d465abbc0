// Theme files "*.rvltt" from untrusted bytes.

#include "FuzzCheck.h"

#include "theme/ThemeFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Theme theme = DefaultTheme();
    const QByteArray before = EncodeTheme(theme);
    QString error;
    if (!DecodeTheme(bytes, theme, &error)) {
        FUZZ_CHECK(EncodeTheme(theme) == before);
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    // Compared as bytes: a stored NaN size is never equal to itself as a number.
    const QByteArray once = EncodeTheme(theme);
    Theme again;
    FUZZ_CHECK(DecodeTheme(once, again));
    FUZZ_CHECK(EncodeTheme(again) == once);
    return 0;
}
