// Package files ".tkpack" from untrusted bytes: the directory, every entry's stream, and the
// check of the paths the entries would install to.

#include "FuzzCheck.h"

#include "ride/PackageFormat.h"
#include "ride/PackageUnpack.h"
#include "ride/StoredPath.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    PackageContents contents;
    const PackageResult result = ParsePackage(bytes, contents);
    if (result != kPackageInstalled) {
        FUZZ_CHECK(result == kPackageBadDirectory || result == kPackageOutsideFile
                   || result == kPackageNoEntries);
        FUZZ_CHECK(contents.Entries.empty());
        return 0;
    }
    FUZZ_CHECK(contents.EntryCount >= 1);
    FUZZ_CHECK(qsizetype(contents.Entries.size()) == contents.EntryCount);
    for (const PackageEntry& e : contents.Entries) {
        // The parse promises every entry's bytes lie inside the file.
        const qint64 start = qint64(contents.DataBase) + e.Offset;
        FUZZ_CHECK(start >= 0 && e.CompressedSize >= 0 && start + e.CompressedSize <= qint64(size));
        StoredPathProblem(e.RelativePath());
        QByteArray out;
        if (UnpackEntry(bytes, contents, e, out) == 0)
            FUZZ_CHECK(out.size() == e.UncompressedSize);
    }
    return 0;
}
