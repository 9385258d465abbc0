#include "ride/PackageUnpack.h"

#include "ride/PackageFormat.h"

#include <zlib.h>

bool ZlibAvailable()
{
    // zlib is linked in, so the call itself cannot go missing; a library that cannot compress 512
    // zero bytes into 1024 is as unusable as a missing one.
    QByteArray source(1025, '\0');
    QByteArray destination(1025, '\0');
    uLongf destinationLength = 1024;
    const int result = compress2(reinterpret_cast<Bytef*>(destination.data()), &destinationLength,
                                 reinterpret_cast<const Bytef*>(source.constData()), 512, 9);
    return result == Z_OK;
}

qint32 UnpackBytes(QByteArrayView stream, qint32 uncompressedSize, QByteArray& out)
{
    if (uncompressedSize < 0 || uncompressedSize > kMaxUnpackedSize
        || uncompressedSize > kMaxInflateRatio * stream.size())
        return kUnpackWrongSize;
    // zlib wants a real destination even for an empty file.
    QByteArray destination(std::max<qint32>(uncompressedSize, 1), Qt::Uninitialized);
    uLongf produced = static_cast<uLongf>(uncompressedSize);
    uLong consumed = static_cast<uLong>(stream.size());
    const int result = uncompress2(reinterpret_cast<Bytef*>(destination.data()), &produced,
                                   reinterpret_cast<const Bytef*>(stream.data()), &consumed);
    if (result != Z_OK)
        return result;
    if (produced != static_cast<uLongf>(uncompressedSize) || consumed != static_cast<uLong>(stream.size()))
        return kUnpackWrongSize;
    destination.resize(uncompressedSize);
    out = std::move(destination);
    return Z_OK;
}

qint32 UnpackBuffer(QByteArray& buffer, qint32 uncompressedSize)
{
    QByteArray out;
    const qint32 result = UnpackBytes(buffer, uncompressedSize, out);
    if (result == Z_OK)
        buffer = std::move(out);
    return result;
}

qint32 UnpackEntry(QByteArrayView file, const PackageContents& contents, const PackageEntry& entry,
                   QByteArray& out)
{
    const qint64 start = qint64(contents.DataBase) + entry.Offset;
    if (start < 0 || entry.CompressedSize < 0 || start + entry.CompressedSize > file.size())
        return Z_DATA_ERROR;
    return UnpackBytes(file.sliced(start, entry.CompressedSize), entry.UncompressedSize, out);
}
