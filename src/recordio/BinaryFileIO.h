#pragma once
// mBinaryFileIO: the one place where the program turns values into bytes and back.
//
// A file is loaded whole into the buffer, decoded with a position that the caller holds, and, for
// writing, encoded into the buffer and written out whole. One BinaryFileIO object is one file being
// read or written; the bytes it produces are the same whichever object does it.
//
// Reads past the end of the buffer (or a text whose stored length is negative or runs past the end)
// throw RecordReadError and leave the position where it was, so a format reader can catch it once
// and fail the whole load.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <stdexcept>

class QFile;

class RecordReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces path with bytes atomically, as BinaryFileIO::SaveBuffer does with its buffer.
bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

class BinaryFileIO {
public:
    BinaryFileIO();

    // Buffer management.
    void ClearBuffer();                 // FileBufferLength = 0, buffer = one zero byte
    void SetBigEndian(qint16 flag);     // non-zero: most significant byte first
    bool LoadBuffer(const QString& path);
    // LoadBuffer for a large file that is only read: the file is mapped instead of copied into fresh
    // memory, and stays mapped until the buffer is cleared or loaded again. The mapped buffer ends at
    // the file's last byte, so a read into the zero byte a loaded buffer carries behind it throws
    // instead (a format that treats both as damage reads such a file the same either way). Files
    // under 64 KiB, and files that cannot be mapped, are loaded as LoadBuffer does.
    bool MapBuffer(const QString& path);
    // Writes the whole buffer. The old file is replaced atomically: until the new bytes are safely
    // on disk the previous file stays as it was (a crash or a full disk never leaves it torn).
    // *error (when given) says why a save failed.
    bool SaveBuffer(const QString& path, bool overwrite, QString* error = nullptr);
    // Loads bytes that are already in memory, exactly as LoadBuffer would load a file of them.
    void LoadBytes(QByteArrayView bytes);
    // Makes room for a file of about this size up front, so the writes that follow do not move the
    // buffer as it grows (the buffer still ends exactly at the last byte written).
    void Reserve(qint32 bytes);

    qint32 FileBufferLength() const { return m_fileBufferLength; }
    const QByteArray& FileBuffer() const { return m_buffer; }
    bool BigEndian() const { return m_bigEndian != 0; }

    // Reads: each advances position by the bytes it consumed.
    bool ReadBoolean(qint32& position);
    quint8 ReadByte(qint32& position);
    qint32 ReadLong(qint32& position);
    float ReadSingle(qint32& position);
    QString ReadChars(qint32& position, qint32 count);
    QString ReadString(qint32& position);
    // The stored bytes of a text that ReadString would decode, checked and skipped the same way.
    QByteArrayView ReadStringBytes(qint32& position);
    QString ReadTag(qint32& position);
    // Raw bytes (for compressed package entries); bounds-checked like every read.
    QByteArrayView ReadBytes(qint32& position, qint32 count);

    // Writes: each resizes the buffer to end exactly at its last byte, then advances position.
    void WriteByte(qint32& position, quint8 value);
    void WriteLong(qint32& position, qint32 value);
    void WriteSingle(qint32& position, float value);
    void WriteChars(qint32& position, const QString& text);
    void WriteString(qint32& position, const QString& text);
    void WriteTag(qint32& position, const QString& text);
    void WriteBytes(qint32& position, QByteArrayView bytes);

private:
    const char* Take(qint32& position, qint32 count);
    char* Put(qint32& position, qint32 count);
    void StoreLong(char* at, quint32 bits) const;
    quint32 FetchLong(const char* at) const;

    QByteArray m_buffer;
    std::shared_ptr<QFile> m_mappedFile;  // owns the mapping m_buffer points into, when mapped
    qint32 m_fileBufferLength = 0;
    qint16 m_bigEndian = 0;
};
