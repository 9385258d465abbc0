#pragma once
// Inflating package entries with zlib, and the probe that zlib can be called.
//
// An entry must inflate to exactly the size its directory entry declares: the destination is
// allocated at that size and nothing more, so a hostile size cannot make the program allocate more
// than the entry could ever produce, and a stream that is short, long or followed by stray bytes is
// refused instead of silently cut or padded.

#include <QByteArray>
#include <QByteArrayView>

struct PackageContents;
struct PackageEntry;

// No entry unpacks to more than this, and none to more than DEFLATE can expand its compressed bytes
// (1032 to 1 is the format's ceiling).
inline constexpr qint64 kMaxUnpackedSize = qint64(1) << 30;
inline constexpr qint64 kMaxInflateRatio = 1032;

// Returned by UnpackBuffer when zlib accepted the stream but the result is not what was declared:
// fewer bytes, input left over, or a declared size that is negative or impossible.
inline constexpr qint32 kUnpackWrongSize = -10;

// True when compress2 can be called (a 512-byte probe, level 9, into a 1024-byte destination).
bool ZlibAvailable();

// Replaces `buffer` (one zlib stream) with its inflated bytes. Returns 0, zlib's error code
// (Z_DATA_ERROR -3 for a damaged or truncated stream, Z_BUF_ERROR -5 when it inflates to more than
// `uncompressedSize`), or kUnpackWrongSize. On failure `buffer` is left as it was.
qint32 UnpackBuffer(QByteArray& buffer, qint32 uncompressedSize);
// The same from a view into the package, so the compressed bytes need not be copied first.
qint32 UnpackBytes(QByteArrayView stream, qint32 uncompressedSize, QByteArray& out);
// Unpacks one entry of a parsed package whose whole file is `file` (Z_DATA_ERROR when the entry's
// bytes do not lie inside it).
qint32 UnpackEntry(QByteArrayView file, const PackageContents& contents, const PackageEntry& entry,
                   QByteArray& out);
