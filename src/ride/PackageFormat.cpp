#include "ride/PackageFormat.h"

#include "recordio/BinaryFileIO.h"

namespace {

// The smallest entry: two empty texts (a count each) and three Longs.
constexpr qint32 kSmallestEntry = 4 + 4 + 3 * 4;

// The record buffer carries one spare byte after the file; a read that ends inside it still lies
// outside the package.
void RequireInside(qint32 position, qint32 fileLength)
{
    if (position > fileLength)
        throw RecordReadError("read past the end of the package");
}

bool DataInside(const PackageEntry& e, qint32 dataBase, qint32 fileLength)
{
    const qint64 start = qint64(dataBase) + e.Offset;
    return e.CompressedSize >= 0 && start >= 0 && start + e.CompressedSize <= fileLength;
}

} // namespace

QString PackageResultText(int code)
{
    switch (code) {
    case kPackageInstalled: return QStringLiteral("installed");
    case kPackageCannotLoad: return QStringLiteral("the package file cannot be loaded");
    case kPackageBadDirectory: return QStringLiteral("no package directory (trailer or \"TKSE\" magic wrong)");
    case kPackageOutsideFile: return QStringLiteral("the directory or an entry reaches outside the file");
    case kPackageNoEntries: return QStringLiteral("the package has no entries");
    case kPackageCannotUnpack: return QStringLiteral("an entry cannot be unpacked or written");
    case kPackageHostileName: return QStringLiteral("an entry's path leads outside the simulator's folders");
    case kPackageNoTrack: return QStringLiteral("the package holds no track file to ride");
    default: return QStringLiteral("unknown result %1").arg(code);
    }
}

PackageResult ParsePackage(BinaryFileIO& io, PackageContents& contents)
{
    io.SetBigEndian(0);
    const qint32 length = io.FileBufferLength();
    if (length < kPackageTrailerSize)
        return kPackageBadDirectory;
    qint32 position = length - kPackageTrailerSize;
    PackageContents read;
    read.DirOffset = io.ReadLong(position);
    if (read.DirOffset < 0 || read.DirOffset > length - 4)
        return kPackageBadDirectory;
    position = read.DirOffset;
    if (io.ReadTag(position) != QLatin1String(kPackageMagic))
        return kPackageBadDirectory;

    try {
        read.DataBase = io.ReadLong(position);
        read.EntryCount = io.ReadLong(position);
        for (QString& text : read.HeaderText)
            text = io.ReadString(position);
        RequireInside(position, length);
        if (read.EntryCount < 1)
            return kPackageNoEntries;
        // Refuse a count the file cannot hold before reserving room for it.
        if (read.EntryCount > (length - position) / kSmallestEntry)
            return kPackageOutsideFile;
        read.Entries.reserve(read.EntryCount);
        for (qint32 i = 0; i < read.EntryCount; ++i) {
            PackageEntry e;
            e.Folder = io.ReadString(position);
            e.Name = io.ReadString(position);
            e.Offset = io.ReadLong(position);
            e.UncompressedSize = io.ReadLong(position);
            e.CompressedSize = io.ReadLong(position);
            RequireInside(position, length);
            if (!DataInside(e, read.DataBase, length))
                return kPackageOutsideFile;
            read.Entries.push_back(std::move(e));
        }
    } catch (const RecordReadError&) {
        return kPackageOutsideFile;
    }
    contents = std::move(read);
    return kPackageInstalled;
}

PackageResult ParsePackage(QByteArrayView bytes, PackageContents& contents)
{
    BinaryFileIO io;
    io.LoadBytes(bytes);
    return ParsePackage(io, contents);
}
