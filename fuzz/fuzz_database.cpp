// The media database "Ridevault.rvltdb" from untrusted bytes.

#include "FuzzCheck.h"

#include "library/MediaDatabase.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    MediaRecord sentinel;
    sentinel.FilePath = QStringLiteral("/kept/while/the/file/fails.tktrack");
    std::vector<MediaRecord> records{sentinel};
    QString error;
    if (DecodeMediaDatabase(bytes, records, &error) != DatabaseRead::Loaded) {
        FUZZ_CHECK(records.size() == 1 && records[0] == sentinel);
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    MediaTable table;
    table.Replace(std::move(records));
    const QByteArray once = EncodeMediaDatabase(table);
    std::vector<MediaRecord> again;
    FUZZ_CHECK(DecodeMediaDatabase(once, again) == DatabaseRead::Loaded);
    FUZZ_CHECK(again.size() == table.MediaList.size());
    MediaTable reread;
    reread.Replace(std::move(again));
    FUZZ_CHECK(EncodeMediaDatabase(reread) == once);
    return 0;
}
