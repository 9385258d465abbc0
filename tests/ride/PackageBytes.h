#pragma once
// Builds package bytes field by field, least significant byte first, straight from the documented
// layout, so that the tests do not trust the program's own writer to check its reader.

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <zlib.h>

struct PackageBytes {
    QByteArray bytes;

    PackageBytes& raw(const QByteArray& b) { bytes += b; return *this; }
    PackageBytes& longValue(qint32 v)
    {
        char le[4];
        qToLittleEndian<qint32>(v, le);
        bytes.append(le, 4);
        return *this;
    }
    PackageBytes& text(const QByteArray& t) { return longValue(qint32(t.size())).raw(t); }
    qint32 size() const { return qint32(bytes.size()); }
};

// One zlib stream of `data` at the default level.
inline QByteArray ZlibStream(const QByteArray& data)
{
    uLongf length = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(length), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(data.constData()),
              uLong(data.size()), Z_DEFAULT_COMPRESSION);
    out.resize(qsizetype(length));
    return out;
}

struct HandEntry {
    QByteArray folder;
    QByteArray name;
    QByteArray stream;
    qint32 uncompressedSize;
};

// Streams from offset 0, directory, trailer (DirOffset, 0): the simplest package the layout allows.
inline QByteArray HandPackage(const QList<HandEntry>& entries, const QByteArray& magic = "TKSE")
{
    PackageBytes p;
    QList<qint32> offsets;
    for (const HandEntry& e : entries) {
        offsets << p.size();
        p.raw(e.stream);
    }
    const qint32 dir = p.size();
    p.raw(magic).longValue(0).longValue(qint32(entries.size())).text("one").text("two").text("three");
    for (qsizetype i = 0; i < entries.size(); ++i)
        p.text(entries[i].folder).text(entries[i].name).longValue(offsets[i])
            .longValue(entries[i].uncompressedSize).longValue(qint32(entries[i].stream.size()));
    p.longValue(dir).longValue(0);
    return p.bytes;
}

inline HandEntry FileEntry(const QByteArray& folder, const QByteArray& name, const QByteArray& data)
{
    return {folder, name, ZlibStream(data), qint32(data.size())};
}
