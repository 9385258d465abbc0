#include "recordio/BinaryFileIO.h"

#include "platform/NarrowText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <bit>
#include <cstring>
#include <limits>

BinaryFileIO::BinaryFileIO() { ClearBuffer(); }

void BinaryFileIO::ClearBuffer()
{
    m_fileBufferLength = 0;
    m_buffer = QByteArray(1, '\0');
    m_mappedFile.reset();
}

void BinaryFileIO::SetBigEndian(qint16 flag) { m_bigEndian = flag; }

bool BinaryFileIO::LoadBuffer(const QString& path)
{
    ClearBuffer();
    if (path.isEmpty())
        return false;
    // A hidden file does not count as present, as a plain directory lookup would not see it.
    const QFileInfo info(path);
    if (!info.isFile() || info.isHidden())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size < 0 || size >= std::numeric_limits<qint32>::max())
        return false;
    // The file's bytes land in the buffer as they are read; only the zero byte behind them is set.
    QByteArray bytes(size + 1, Qt::Uninitialized);
    bytes.data()[size] = '\0';
    if (file.read(bytes.data(), size) != size)
        return false;
    m_buffer = std::move(bytes);
    m_fileBufferLength = static_cast<qint32>(size);
    return true;
}

bool BinaryFileIO::MapBuffer(const QString& path)
{
    ClearBuffer();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.isHidden())
        return false;
    // The size is the open file's, which our atomic saves never shorten: they replace the file.
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kSmallestMapped = 64 * 1024;
    const qint64 size = file->size();
    const uchar* mapped = size >= kSmallestMapped && size < std::numeric_limits<qint32>::max()
        ? file->map(0, size) : nullptr;
    if (!mapped)
        return LoadBuffer(path);
    m_buffer = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size);
    m_mappedFile = std::move(file);
    m_fileBufferLength = static_cast<qint32>(size);
    return true;
}

void BinaryFileIO::LoadBytes(QByteArrayView bytes)
{
    ClearBuffer();
    const qsizetype size = std::min<qsizetype>(bytes.size(), std::numeric_limits<qint32>::max() - 1);
    m_buffer = QByteArray(size + 1, Qt::Uninitialized);
    std::memcpy(m_buffer.data(), bytes.data(), size);
    m_buffer.data()[size] = '\0';
    m_fileBufferLength = static_cast<qint32>(size);
}

bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, why);
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("no file name"));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    return file.commit() || fail(file.errorString());
}

bool BinaryFileIO::SaveBuffer(const QString& path, bool overwrite, QString* error)
{
    if (!path.isEmpty() && QFileInfo::exists(path) && !overwrite) {
        if (error)
            *error = QStringLiteral("cannot write %1: the file exists").arg(path);
        return false;
    }
    return SaveWholeFile(path, m_buffer, error);
}

const char* BinaryFileIO::Take(qint32& position, qint32 count)
{
    const qint64 end = qint64(position) + count;
    if (position < 0 || count < 0 || end > m_buffer.size())
        throw RecordReadError("read past the end of the file");
    const char* at = m_buffer.constData() + position;
    position = static_cast<qint32>(end);
    return at;
}

char* BinaryFileIO::Put(qint32& position, qint32 count)
{
    const qint64 end = qint64(position) + count;
    if (position < 0 || end > std::numeric_limits<qint32>::max())
        throw std::length_error("record buffer would exceed 2 GiB");
    m_buffer.resize(end);
    char* at = m_buffer.data() + position;
    position = static_cast<qint32>(end);
    return at;
}

void BinaryFileIO::StoreLong(char* at, quint32 bits) const
{
    if (m_bigEndian)
        qToBigEndian(bits, at);
    else
        qToLittleEndian(bits, at);
}

quint32 BinaryFileIO::FetchLong(const char* at) const
{
    return m_bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
}

bool BinaryFileIO::ReadBoolean(qint32& position) { return ReadByte(position) != 0; }

quint8 BinaryFileIO::ReadByte(qint32& position)
{
    return static_cast<quint8>(*Take(position, 1));
}

qint32 BinaryFileIO::ReadLong(qint32& position)
{
    return static_cast<qint32>(FetchLong(Take(position, 4)));
}

float BinaryFileIO::ReadSingle(qint32& position)
{
    return std::bit_cast<float>(FetchLong(Take(position, 4)));
}

QString BinaryFileIO::ReadChars(qint32& position, qint32 count)
{
    if (count < 0)
        throw RecordReadError("negative text length");
    return FromNarrowText(Take(position, count), count);
}

QByteArrayView BinaryFileIO::ReadStringBytes(qint32& position)
{
    // The hottest read of every load: the count and the text are checked against the end together,
    // and the position moves only when both are there.
    const qint64 size = m_buffer.size();
    if (position < 0 || qint64(position) + 4 > size)
        throw RecordReadError("read past the end of the file");
    const char* at = m_buffer.constData() + position;
    const qint32 count = static_cast<qint32>(FetchLong(at));
    if (count < 0)
        throw RecordReadError("negative text length");
    if (qint64(position) + 4 + count > size)
        throw RecordReadError("read past the end of the file");
    position += 4 + count;
    return QByteArrayView(at + 4, count);
}

QString BinaryFileIO::ReadString(qint32& position)
{
    const QByteArrayView bytes = ReadStringBytes(position);
    return FromNarrowText(bytes.data(), bytes.size());
}

QString BinaryFileIO::ReadTag(qint32& position)
{
    return ReadChars(position, 4).toUpper();
}

QByteArrayView BinaryFileIO::ReadBytes(qint32& position, qint32 count)
{
    return QByteArrayView(Take(position, count), count);
}

void BinaryFileIO::WriteByte(qint32& position, quint8 value)
{
    *Put(position, 1) = static_cast<char>(value);
}

void BinaryFileIO::WriteLong(qint32& position, qint32 value)
{
    StoreLong(Put(position, 4), static_cast<quint32>(value));
}

void BinaryFileIO::WriteSingle(qint32& position, float value)
{
    StoreLong(Put(position, 4), std::bit_cast<quint32>(value));
}

void BinaryFileIO::WriteChars(qint32& position, const QString& text)
{
    WriteBytes(position, ToNarrowText(text));
}

void BinaryFileIO::Reserve(qint32 bytes)
{
    m_buffer.reserve(bytes);
}

void BinaryFileIO::WriteString(qint32& position, const QString& text)
{
    // The usual text is ASCII: straight into the buffer, behind its count, in one pass over it. Any
    // other text takes its bytes back and goes the long way.
    if (text.size() < std::numeric_limits<qint32>::max() - 4) {
        const qint32 start = position;
        const qint32 count = static_cast<qint32>(text.size());
        char* at = Put(position, 4 + count);
        if (WriteAsciiText(at + 4, text) == count) {
            StoreLong(at, static_cast<quint32>(count));
            return;
        }
        m_buffer.resize(start);
        position = start;
    }
    const QByteArray bytes = ToNarrowText(text);
    WriteLong(position, static_cast<qint32>(bytes.size()));
    WriteBytes(position, bytes);
}

void BinaryFileIO::WriteTag(qint32& position, const QString& text)
{
    const QString tag = (text + QStringLiteral("    ")).left(4).toUpper();
    QByteArray bytes = ToNarrowText(tag);
    bytes.resize(4, ' ');
    WriteBytes(position, bytes.left(4));
}

void BinaryFileIO::WriteBytes(qint32& position, QByteArrayView bytes)
{
    char* at = Put(position, static_cast<qint32>(bytes.size()));
    if (!bytes.isEmpty())
        std::memcpy(at, bytes.data(), bytes.size());
}
