// Windows executables and their version resources from untrusted bytes: the simulator folder is
// the user's, and anything may sit there under the simulator's name.

#include "FuzzCheck.h"

#include "ride/PeVersionResource.h"

#include <cstdint>

namespace {

// Walks a version block as the information window does: the translation list, then every value
// of every string table.
void QueryAll(const QByteArray& resource)
{
    if (const auto translation = QueryVersionValue(resource, QStringLiteral("\\VarFileInfo\\Translation")))
        FUZZ_CHECK(translation->Bytes.size() <= resource.size());
    for (const QString& table : VersionChildKeys(resource, QStringLiteral("\\StringFileInfo"))) {
        const QString tablePath = QStringLiteral("\\StringFileInfo\\") + table;
        for (const QString& key : VersionChildKeys(resource, tablePath)) {
            const auto value = QueryVersionValue(resource, tablePath + QLatin1Char('\\') + key);
            if (value)
                FUZZ_CHECK(value->Bytes.size() <= resource.size());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The input as a whole executable...
    const QByteArray resource = ExtractVersionResource(bytes);
    FUZZ_CHECK(resource.size() <= bytes.size());
    if (!resource.isEmpty() && IsVersionResource(resource))
        QueryAll(resource);
    // ...and as a version block on its own, so the block reader is reached without a PE around it.
    if (IsVersionResource(bytes))
        QueryAll(bytes);
    return 0;
}
