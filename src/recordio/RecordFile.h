#pragma once
// The four ways a program file (the database, the settings, a theme) meets its bytes, around one
// format's decoder and encoder: read a file, decode bytes in memory, encode to bytes, write a file.
// All three formats store numbers most significant byte first.
//
// A decoder is called as decode(io) on the loaded BinaryFileIO and returns the format's result; an
// encoder is called as encode(io) on an empty big-endian buffer and writes from position 0.

#include "recordio/BinaryFileIO.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Loads filePath and decodes it; a file that cannot be read gives `unreadable`, and *error (when
// given) says so.
template <typename Result, typename Decode>
Result ReadRecordFile(const QString& filePath, Result unreadable, QString* error, Decode&& decode)
{
    BinaryFileIO io;
    io.SetBigEndian(1);
    if (!io.LoadBuffer(filePath)) {
        if (error)
            *error = QStringLiteral("cannot read %1").arg(filePath);
        return unreadable;
    }
    return decode(io);
}

// Decodes bytes already in memory exactly as ReadRecordFile would decode a file of them.
template <typename Decode>
auto DecodeRecordBytes(QByteArrayView bytes, Decode&& decode)
{
    BinaryFileIO io;
    io.SetBigEndian(1);
    io.LoadBytes(bytes);
    return decode(io);
}

// The file's exact bytes.
template <typename Encode>
QByteArray EncodeRecordBytes(Encode&& encode)
{
    BinaryFileIO io;
    io.SetBigEndian(1);
    encode(io);
    return io.FileBuffer();
}

// Encodes and replaces filePath atomically (the old file stays whole until the new one is); *error
// (when given) says why it failed.
template <typename Encode>
bool WriteRecordFile(const QString& filePath, Encode&& encode, QString* error = nullptr)
{
    BinaryFileIO io;
    io.SetBigEndian(1);
    encode(io);
    return io.SaveBuffer(filePath, true, error);
}
