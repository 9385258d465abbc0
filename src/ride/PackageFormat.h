#pragma once
// The package file ".tkpack": zlib streams, a directory, and an 8-byte trailer, every number least
// significant byte first.
//
//   trailer (last 8 bytes)   DirOffset (Long), one more Long that installation does not use
//   directory at DirOffset   "TKSE" (any letter case), DataBase, EntryCount, three header texts
//                            (Long byte count + bytes), then EntryCount entries
//   entry                    Folder (text, ends in "\"), Name (text), Offset (Long, from DataBase),
//                            UncompressedSize (Long), CompressedSize (Long)
//   entry data               one zlib (RFC 1950) stream of CompressedSize bytes at DataBase + Offset
//
// Parsing checks the structure only: every number must stay inside the file, nothing is unpacked.

#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

class BinaryFileIO;

// Result codes of InstallPackage (and of the parse, which returns the first three).
enum PackageResult : int {
    kPackageInstalled = 0,
    kPackageCannotLoad = -1,       // empty path, no such file, unreadable
    kPackageBadDirectory = -2,     // shorter than the trailer, DirOffset outside the file, no "TKSE"
    kPackageOutsideFile = -3,      // a text, entry or entry's data reaches outside the file
    kPackageNoEntries = -4,        // EntryCount below 1
    kPackageCannotUnpack = -5,     // a stream does not inflate to its size, or a file cannot be written
    kPackageHostileName = -6,      // an entry's path could land outside the simulator's folders
    kPackageNoTrack = -7,          // a ride asked for a track and the package holds none
};

// One line of text for a result code, for the command-line tool and logs.
QString PackageResultText(int code);

struct PackageEntry {
    QString Folder;
    QString Name;
    qint32 Offset = 0;
    qint32 UncompressedSize = 0;
    qint32 CompressedSize = 0;

    // Folder followed by Name: the simulator-relative path the entry installs to.
    QString RelativePath() const { return Folder + Name; }
};

struct PackageContents {
    qint32 DirOffset = 0;
    qint32 DataBase = 0;
    qint32 EntryCount = 0;
    std::array<QString, 3> HeaderText;
    std::vector<PackageEntry> Entries;
};

inline constexpr char kPackageMagic[] = "TKSE";
inline constexpr qint32 kPackageTrailerSize = 8;

// Reads the directory of the package loaded in `io` (little-endian is selected here). Returns 0,
// kPackageBadDirectory, kPackageOutsideFile or kPackageNoEntries; `contents` is filled only on 0.
PackageResult ParsePackage(BinaryFileIO& io, PackageContents& contents);
// The same over bytes in memory (the fuzz target and tests use it).
PackageResult ParsePackage(QByteArrayView bytes, PackageContents& contents);
