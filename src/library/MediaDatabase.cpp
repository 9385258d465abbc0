#include "library/MediaDatabase.h"

#include "library/DatabaseBackups.h"
#include "library/MediaSideFile.h"

#include "platform/NarrowText.h"
#include "platform/ProgramFolder.h"
#include "recordio/BinaryFileIO.h"
#include "recordio/DamagedCopy.h"
#include "recordio/RecordFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <future>
#include <limits>

namespace {

// The smallest possible record: eight empty texts and two numbers.
constexpr qint64 kMinRecordBytes = 8 * 4 + 2 * 4;

// One text field read record after record. A text that repeats the field's last non-empty one
// (the add date of every file one scan found in the same second, a rating, an author's name) shares
// that string instead of decoding it again: fewer allocations and less memory for a large library.
// Strings share their text only until one of them is changed, so an edit of one record stays its own.
class RepeatedText {
public:
    QString Read(BinaryFileIO& io, qint32& pos)
    {
        const QByteArrayView bytes = io.ReadStringBytes(pos);
        if (bytes.isEmpty())
            return {};
        if (bytes != m_bytes) {
            m_bytes = bytes;
            m_text = FromNarrowText(bytes.data(), bytes.size());
        }
        return m_text;
    }

private:
    QByteArrayView m_bytes;  // inside the loaded buffer, which outlives every read
    QString m_text;
};

// Reads the magic, the version and the record count, and checks that the file can hold that many
// records: Loaded with `count` set, else why not (`why` says it in words). The load and the walk of
// the paths share it, so both refuse the same files.
DatabaseRead ReadHeader(BinaryFileIO& io, qint32& pos, qint32& count, const char*& why)
{
    if (io.ReadTag(pos) != QLatin1String("RVDB")) {
        why = "not a Ridevault database (no RVDB magic)";
        return DatabaseRead::Damaged;
    }
    const QString version = io.ReadTag(pos);
    if (pos > io.FileBufferLength()) {
        why = "damaged database: cut short in its header";
        return DatabaseRead::Damaged;
    }
    if (version != MediaDatabaseVersionTag()) {
        why = "database of another version";
        return DatabaseRead::OtherVersion;
    }
    count = io.ReadLong(pos);
    if (count < 0 || count * kMinRecordBytes > qint64(io.FileBufferLength()) - pos) {
        why = "damaged database: impossible record count";
        return DatabaseRead::Damaged;
    }
    return DatabaseRead::Loaded;
}

// Decodes the whole file into `out`, or leaves `out` as it was. With `pathHashes`, each record's
// path is hashed for the table's index as it is decoded, while it is still in the cache.
DatabaseRead DecodeInto(BinaryFileIO& io, std::vector<MediaRecord>& out, std::vector<quint32>* pathHashes,
                        QString* error)
{
    auto fail = [error](DatabaseRead why, const char* text) {
        if (error)
            *error = QString::fromLatin1(text);
        return why;
    };
    try {
        qint32 pos = 0;
        qint32 count = 0;
        const char* why = nullptr;
        if (const DatabaseRead header = ReadHeader(io, pos, count, why); header != DatabaseRead::Loaded)
            return fail(header, why);
        // Each record is made where it will stay and filled at once, so the table's memory is
        // written in one pass (the count is bounded by the file's size above).
        std::vector<MediaRecord> records;
        records.reserve(count);
        std::vector<quint32> hashes;
        if (pathHashes)
            hashes.reserve(count);
        RepeatedText filePath, addDate, rideDate, packTrack, title, author, rating, notes;
        for (qint32 i = 0; i < count; ++i) {
            MediaRecord& r = records.emplace_back();
            r.FilePath = filePath.Read(io, pos);
            if (pathHashes)
                hashes.push_back(PathIndex::HashOf(r.FilePath));
            r.FileType = io.ReadLong(pos);
            r.AddDate = addDate.Read(io, pos);
            r.RideCount = io.ReadLong(pos);
            r.RideDate = rideDate.Read(io, pos);
            r.PackTrack = packTrack.Read(io, pos);
            r.Title = title.Read(io, pos);
            r.Author = author.Read(io, pos);
            r.Rating = rating.Read(io, pos);
            r.Notes = notes.Read(io, pos);
            r.TypeName = TypeNameOf(r.FileType);
        }
        // The loaded buffer carries one extra zero byte behind the file; a read into it is damage.
        if (pos > io.FileBufferLength())
            return fail(DatabaseRead::Damaged, "damaged database: ends inside a record");
        out = std::move(records);
        if (pathHashes)
            *pathHashes = std::move(hashes);
        return DatabaseRead::Loaded;
    } catch (const RecordReadError&) {
        return fail(DatabaseRead::Damaged, "damaged database: ends inside a record");
    }
}

// ReadRecordFile with the file mapped: the decoder treats a read past the file's end as damage
// whether it meets the loaded buffer's zero byte or the end of the mapping, and a large library is
// read without a copy of it in fresh memory.
template <typename Decode>
DatabaseRead ReadMappedDatabase(const QString& filePath, QString* error, Decode&& decode)
{
    BinaryFileIO io;
    io.SetBigEndian(1);
    if (!io.MapBuffer(filePath)) {
        if (error)
            *error = QStringLiteral("cannot read %1").arg(filePath);
        return DatabaseRead::Missing;
    }
    return decode(io);
}

// Walks the records as the load checks them, handing onPath each record's number and the stored
// bytes of its path, without decoding a text: the record count, or -1 when the bytes would not load
// whole (another version counts as not loading).
template <typename OnPath>
qint32 WalkRecords(BinaryFileIO& io, OnPath&& onPath)
{
    try {
        qint32 pos = 0;
        qint32 count = 0;
        const char* why = nullptr;
        if (ReadHeader(io, pos, count, why) != DatabaseRead::Loaded)
            return -1;
        for (qint32 i = 0; i < count; ++i) {
            onPath(i, io.ReadStringBytes(pos));
            io.ReadLong(pos);         // FileType
            io.ReadStringBytes(pos);  // AddDate
            io.ReadLong(pos);         // RideCount
            for (int text = 0; text < 6; ++text)
                io.ReadStringBytes(pos);  // RideDate, PackTrack, Title, Author, Rating, Notes
        }
        return pos <= io.FileBufferLength() ? count : -1;
    } catch (const RecordReadError&) {
        return -1;
    }
}

// FindMediaDatabasePaths on a loaded or mapped file. An ASCII path (nearly every one) is compared
// as Latin-1 bytes with Qt's own case-insensitive comparison, which folds them as it folds the
// string the load would make of them; any other path is decoded as the load decodes it, compared,
// and dropped. A decoded text is never longer than its bytes, so shorter bytes are skipped unread.
bool FindPaths(BinaryFileIO& io, const QStringList& paths, std::vector<StoredPath>& out)
{
    std::vector<StoredPath> found(paths.size());
    qsizetype shortest = std::numeric_limits<qsizetype>::max();
    for (const QString& p : paths)
        shortest = std::min(shortest, p.size());
    qsizetype open = paths.size();
    const qint32 count = WalkRecords(io, [&](qint32 record, QByteArrayView bytes) {
        if (open == 0 || bytes.size() < shortest)
            return;
        const QLatin1StringView latin1(bytes.data(), bytes.size());
        const bool ascii = QtPrivate::isAscii(latin1);
        const QString decoded = ascii ? QString() : FromNarrowText(bytes.data(), bytes.size());
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const QString& p = paths[i];
            if (found[i].Record >= 0)
                continue;
            const bool same = ascii ? latin1.size() == p.size() && p.compare(latin1, Qt::CaseInsensitive) == 0
                                    : decoded.size() == p.size() && decoded.compare(p, Qt::CaseInsensitive) == 0;
            if (same) {
                found[i] = {record, ascii ? QString(latin1) : decoded};
                --open;
            }
        }
    });
    if (count < 0)
        return false;
    out = std::move(found);
    return true;
}

// The bytes the table will take when its texts are ASCII (the usual case), so the buffer is sized
// once; other texts only make it grow.
qint64 EncodedSize(const MediaTable& table)
{
    qint64 bytes = 12;
    for (const MediaRecord& r : table.MediaList)
        bytes += kMinRecordBytes + r.FilePath.size() + r.AddDate.size() + r.RideDate.size() + r.PackTrack.size()
            + r.Title.size() + r.Author.size() + r.Rating.size() + r.Notes.size();
    return bytes;
}

void EncodeInto(BinaryFileIO& io, const MediaTable& table)
{
    io.Reserve(static_cast<qint32>(std::min<qint64>(EncodedSize(table), std::numeric_limits<qint32>::max())));
    qint32 pos = 0;
    io.WriteTag(pos, QStringLiteral("RVDB"));
    io.WriteTag(pos, MediaDatabaseVersionTag());
    io.WriteLong(pos, table.MediaCount());
    for (const MediaRecord& r : table.MediaList)
        WriteMediaRecordFields(io, pos, r);
}

} // namespace

void WriteMediaRecordFields(BinaryFileIO& io, qint32& pos, const MediaRecord& r)
{
    io.WriteString(pos, r.FilePath);
    io.WriteLong(pos, r.FileType);
    io.WriteString(pos, r.AddDate);
    io.WriteLong(pos, r.RideCount);
    io.WriteString(pos, r.RideDate);
    io.WriteString(pos, r.PackTrack);
    io.WriteString(pos, r.Title);
    io.WriteString(pos, r.Author);
    io.WriteString(pos, r.Rating);
    io.WriteString(pos, r.Notes);
}

MediaRecord ReadMediaRecordFields(BinaryFileIO& io, qint32& pos)
{
    MediaRecord r;
    r.FilePath = io.ReadString(pos);
    r.FileType = io.ReadLong(pos);
    r.AddDate = io.ReadString(pos);
    r.RideCount = io.ReadLong(pos);
    r.RideDate = io.ReadString(pos);
    r.PackTrack = io.ReadString(pos);
    r.Title = io.ReadString(pos);
    r.Author = io.ReadString(pos);
    r.Rating = io.ReadString(pos);
    r.Notes = io.ReadString(pos);
    r.TypeName = TypeNameOf(r.FileType);
    return r;
}

QString MediaDatabasePath(const QString& programFolder)
{
    return WithFinalSeparator(programFolder) + QLatin1String(kMediaDatabaseFileName);
}

QString MediaDatabaseVersionTag()
{
    return (QString::number(RIDEVAULT_VERSION_MAJOR) + QString::number(RIDEVAULT_VERSION_MINOR)
            + QString::number(RIDEVAULT_VERSION_PATCH) + QLatin1Char('0'))
        .left(4);
}

bool LoadMediaDatabase(MediaTable& table, const QString& programFolder, QString* error)
{
    switch (LoadMediaDatabaseFile(table, MediaDatabasePath(programFolder), error)) {
    case DatabaseRead::Loaded:
    case DatabaseRead::OtherVersion:
        return true;
    case DatabaseRead::Missing:
    case DatabaseRead::Damaged:
        return false;
    }
    return false;
}

DatabaseRead LoadMediaDatabaseFile(MediaTable& table, const QString& filePath, QString* error)
{
    std::vector<MediaRecord> records;
    std::vector<quint32> pathHashes;
    DatabaseStamp stamp;
    const QString sidePath = MediaSideFilePath(filePath);
    const bool hasSideFile = QFileInfo(sidePath).isFile();
    const DatabaseRead read = ReadMappedDatabase(filePath, error, [&](BinaryFileIO& io) {
        // The stamp that ties the side file to these bytes is worked out on a second core while the
        // records are decoded, so the side file adds little to start-up; without one it is not needed.
        std::future<DatabaseStamp> stamping;
        if (hasSideFile)
            stamping = std::async(std::launch::async, [bytes = QByteArrayView(io.FileBuffer().constData(),
                                                                             io.FileBufferLength())] {
                return StampOf(bytes);
            });
        const DatabaseRead decoded = DecodeInto(io, records, &pathHashes, error);
        if (stamping.valid() && decoded == DatabaseRead::Loaded)
            stamp = stamping.get();
        return decoded;
    });
    switch (read) {
    case DatabaseRead::Loaded:
        table.Replace(std::move(records), pathHashes);
        break;
    case DatabaseRead::Missing:
        break;
    case DatabaseRead::OtherVersion:
    case DatabaseRead::Damaged:
        KeepDamagedCopy(filePath);
        break;
    }
    if (hasSideFile)
        LoadMediaSideFile(table, sidePath, stamp);
    return read;
}

bool SaveMediaDatabase(const MediaTable& table, const QString& programFolder, QString* error)
{
    return SaveMediaDatabaseFile(table, MediaDatabasePath(programFolder), error);
}

DatabaseRead ReadMediaDatabaseFile(const QString& filePath, std::vector<MediaRecord>& records, QString* error)
{
    return ReadMappedDatabase(filePath, error,
                              [&](BinaryFileIO& io) { return DecodeInto(io, records, nullptr, error); });
}

DatabaseRead DecodeMediaDatabase(QByteArrayView bytes, std::vector<MediaRecord>& records, QString* error)
{
    return DecodeRecordBytes(bytes, [&](BinaryFileIO& io) { return DecodeInto(io, records, nullptr, error); });
}

QByteArray EncodeMediaDatabase(const MediaTable& table)
{
    return EncodeRecordBytes([&](BinaryFileIO& io) { EncodeInto(io, table); });
}

qint32 CountMediaDatabaseRecords(QByteArrayView bytes)
{
    return DecodeRecordBytes(bytes, [](BinaryFileIO& io) { return WalkRecords(io, [](qint32, QByteArrayView) {}); });
}

bool FindMediaDatabasePaths(const QString& filePath, const QStringList& paths, std::vector<StoredPath>& found)
{
    const DatabaseRead read = ReadMappedDatabase(filePath, nullptr, [&](BinaryFileIO& io) {
        return FindPaths(io, paths, found) ? DatabaseRead::Loaded : DatabaseRead::Damaged;
    });
    return read == DatabaseRead::Loaded;
}

bool SaveMediaDatabaseFile(const MediaTable& table, const QString& filePath, QString* error, const QDateTime& now)
{
    const QByteArray bytes = EncodeMediaDatabase(table);
    QFile old(filePath);
    if (old.open(QIODevice::ReadOnly)) {
        const QByteArray oldBytes = old.readAll();
        old.close();
        // A backup that cannot be written never stops the save itself.
        if (oldBytes != bytes)
            KeepDatabaseBackup(filePath, oldBytes, now);
    }
    // The side file goes first: cut short after it, the retired records it gained are still there
    // (the load drops the ones the older database still holds).
    QString sideError;
    const bool sideSaved = SaveMediaSideFile(table, StampOf(bytes), MediaSideFilePath(filePath), &sideError);
    const bool saved = SaveWholeFile(filePath, bytes, error);
    if (saved && !sideSaved && error)
        *error = sideError;
    return saved && sideSaved;
}
