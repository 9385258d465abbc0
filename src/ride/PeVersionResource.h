#pragma once
// Reading the version resource of a Windows executable (PE32 or PE32+) on any system, so that Linux
// users who run the simulator under Wine see its real versions. Every offset and length in the file
// is checked before use: a damaged or hostile file gives "no version resource", never a read
// outside the file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The VS_VERSIONINFO block of the executable's version resource (what GetFileVersionInfo copies),
// or an empty array when the file is no PE executable, has no version resource, or is damaged.
// Of several name or language versions of the resource the first one listed is taken, the
// resource named 1 first.
QByteArray ExtractVersionResource(const QByteArray& peFile);

// A value in a VS_VERSIONINFO block, looked up as VerQueryValue does: a path of block keys such as
// "\VarFileInfo\Translation" or "\StringFileInfo\040904B0\FileVersion", keys compared ignoring
// letter case. Text values are UTF-16 (little-endian) bytes; binary values are the raw bytes.
struct VersionValue {
    QByteArray Bytes;
    bool IsText = false;
};

// True when the block starts with a well-formed VS_VERSIONINFO header that fits the bytes.
bool IsVersionResource(const QByteArray& resource);

// The value at path, or nothing when a block on the way is missing or damaged.
std::optional<VersionValue> QueryVersionValue(const QByteArray& resource, const QString& path);

// The keys of the blocks directly below path ("\StringFileInfo" gives its language tables), in file
// order; empty when the block is missing.
QStringList VersionChildKeys(const QByteArray& resource, const QString& path);
