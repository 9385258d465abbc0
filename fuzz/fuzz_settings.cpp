// The settings file "Ridevault.rvltdat" from untrusted bytes.

#include "FuzzCheck.h"

#include "settings/SettingsFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    AppSettings settings;
    settings.ThemeName = QStringLiteral("kept while the file fails");
    const AppSettings before = settings;
    QString error;
    if (!DecodeSettings(bytes, settings, &error)) {
        FUZZ_CHECK(settings == before);
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    const QByteArray once = EncodeSettings(settings);
    AppSettings again;
    FUZZ_CHECK(DecodeSettings(once, again));
    FUZZ_CHECK(EncodeSettings(again) == once);
    return 0;
}
