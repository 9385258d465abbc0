#include "library/MediaSideFile.h"

#include "library/MediaDatabase.h"

#include "recordio/DamagedCopy.h"
#include "recordio/RecordFile.h"

#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

#include <cstring>

namespace {

const QString kMagic = QStringLiteral("RVSF");
const QString kVersion = QStringLiteral("1000");
const QString kEnd = QStringLiteral("RVSE");
constexpr qint32 kHashBytes = 32;
// The smallest entries: a fingerprint, or ten empty fields with a fingerprint.
constexpr qint64 kMinPrintBytes = 8 + kHashBytes;
constexpr qint64 kMinRetiredBytes = 8 * 4 + 2 * 4 + 8 + kHashBytes;

void WritePrint(BinaryFileIO& io, qint32& pos, const ContentFingerprint& print)
{
    const qint64 size = print.IsValid() ? print.Size : -1;
    io.WriteLong(pos, qint32(size >> 32));
    io.WriteLong(pos, qint32(quint32(size & 0xFFFFFFFF)));
    io.WriteBytes(pos, QByteArrayView(reinterpret_cast<const char*>(print.Hash.data()), kHashBytes));
}

// A stored fingerprint: the size's two Longs (high half first) are one big-endian 64-bit number.
ContentFingerprint PrintAt(const char* at)
{
    ContentFingerprint print;
    const qint64 size = qFromBigEndian<qint64>(at);
    if (size < 0)
        return print;
    print.Size = size;
    std::memcpy(print.Hash.data(), at + 8, kHashBytes);
    return print;
}

ContentFingerprint ReadPrint(BinaryFileIO& io, qint32& pos)
{
    return PrintAt(io.ReadBytes(pos, qint32(kMinPrintBytes)).data());
}

void EncodeInto(BinaryFileIO& io, const MediaTable& table, const DatabaseStamp& database)
{
    qint32 pos = 0;
    io.WriteTag(pos, kMagic);
    io.WriteTag(pos, kVersion);
    io.WriteLong(pos, qint32(database.Bytes));
    io.WriteLong(pos, qint32(database.Crc));
    io.WriteLong(pos, table.MediaCount());
    for (qint32 i = 0; i < table.MediaCount(); ++i)
        WritePrint(io, pos, table.FingerprintOf(i));
    const std::vector<RetiredRecord> retired = table.Retired.Entries();
    io.WriteLong(pos, qint32(retired.size()));
    for (const RetiredRecord& entry : retired) {
        WriteMediaRecordFields(io, pos, entry.Record);
        WritePrint(io, pos, entry.Fingerprint);
    }
    io.WriteTag(pos, kEnd);
}

qint32 ReadCount(BinaryFileIO& io, qint32& pos, qint64 minEntryBytes)
{
    const qint32 count = io.ReadLong(pos);
    if (count < 0 || count * minEntryBytes > qint64(io.FileBufferLength()) - pos)
        throw RecordReadError("impossible count");
    return count;
}

// Decodes the whole file or throws; nothing reaches the table until everything was read.
void DecodeInto(BinaryFileIO& io, DatabaseStamp& stamp, std::vector<ContentFingerprint>& prints,
                std::vector<RetiredRecord>& retired)
{
    qint32 pos = 0;
    if (io.ReadTag(pos) != kMagic || io.ReadTag(pos) != kVersion)
        throw RecordReadError("not a side file of this version");
    stamp.Bytes = io.ReadLong(pos);
    stamp.Crc = quint32(io.ReadLong(pos));
    // The fingerprints are taken in one bounds-checked read and decoded straight into their places.
    const qint32 printCount = ReadCount(io, pos, kMinPrintBytes);
    const char* at = io.ReadBytes(pos, qint32(printCount * kMinPrintBytes)).data();
    prints.resize(size_t(printCount));
    for (ContentFingerprint& print : prints) {
        print = PrintAt(at);
        at += kMinPrintBytes;
    }
    const qint32 retiredCount = ReadCount(io, pos, kMinRetiredBytes);
    retired.reserve(retiredCount);
    for (qint32 i = 0; i < retiredCount; ++i) {
        MediaRecord r = ReadMediaRecordFields(io, pos);
        retired.push_back({std::move(r), ReadPrint(io, pos)});
    }
    if (io.ReadTag(pos) != kEnd || pos != io.FileBufferLength())
        throw RecordReadError("no end mark where the file ends");
}

} // namespace

QString MediaSideFilePath(const QString& databasePath)
{
    return databasePath + QLatin1String(kMediaSideFileSuffix);
}

DatabaseStamp StampOf(QByteArrayView databaseBytes)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    for (qsizetype at = 0; at < databaseBytes.size();) {
        const uInt piece = uInt(std::min<qsizetype>(databaseBytes.size() - at, 1 << 30));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(databaseBytes.data() + at), piece);
        at += piece;
    }
    return {databaseBytes.size(), quint32(crc)};
}

SideFileRead LoadMediaSideFile(MediaTable& table, const QString& sidePath, const DatabaseStamp& database,
                               QString* error)
{
    if (!QFileInfo(sidePath).isFile())
        return SideFileRead::Missing;
    DatabaseStamp stamp;
    std::vector<ContentFingerprint> prints;
    std::vector<RetiredRecord> retired;
    BinaryFileIO io;
    io.SetBigEndian(1);
    bool whole = io.MapBuffer(sidePath);
    if (whole) {
        try {
            DecodeInto(io, stamp, prints, retired);
        } catch (const RecordReadError&) {
            whole = false;
        }
    }
    if (!whole) {
        const QString copy = KeepDamagedCopy(sidePath);
        if (error)
            *error = QStringLiteral("%1: not a whole side file; kept as %2").arg(sidePath, copy);
        return SideFileRead::Damaged;
    }
    if (stamp == database)
        table.SetFingerprints(std::move(prints));
    // A save cut short between this file and the database leaves a retired record that is still in
    // the table; it must not come back a second time.
    std::erase_if(retired, [&table](const RetiredRecord& entry) {
        const qint32 live = table.FindPath(entry.Record.FilePath);
        return live >= 0 && table.MediaList[live] == entry.Record;
    });
    table.Retired.Replace(std::move(retired));
    return SideFileRead::Loaded;
}

QByteArray EncodeMediaSideFile(const MediaTable& table, const DatabaseStamp& database)
{
    return EncodeRecordBytes([&](BinaryFileIO& io) { EncodeInto(io, table, database); });
}

bool SaveMediaSideFile(const MediaTable& table, const DatabaseStamp& database, const QString& sidePath, QString* error)
{
    return WriteRecordFile(sidePath, [&](BinaryFileIO& io) { EncodeInto(io, table, database); }, error);
}
