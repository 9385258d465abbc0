#pragma once
// mApp_Database: the media database file "Ridevault.rvltdb" in the program folder.
//
// Layout (most significant byte first): "RVDB", "1000", record count, then per record FilePath,
// FileType, AddDate, RideCount, RideDate, PackTrack, Title, Author, Rating, Notes. Nothing after.
//
// A file that cannot be read whole leaves the table as it was, and its bytes are kept beside it as
// "Ridevault.rvltdb.damaged" (".damaged.1", ".damaged.2", ... when that exists) so that the next
// save cannot destroy what the user had. Saves are atomic.
//
// Beside the database live its side file (fingerprints and retired records, MediaSideFile.h) and
// its "Backups" folder (DatabaseBackups.h): the program's load reads the side file too, and every
// save keeps the file it replaces as a backup, then writes the side file, then the database.

#include "library/MediaRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>

class BinaryFileIO;

inline constexpr char kMediaDatabaseFileName[] = "Ridevault.rvltdb";

// programFolder + "Ridevault.rvltdb" (a separator added when the folder has none).
QString MediaDatabasePath(const QString& programFolder);

// The version tag the writer stores: major, minor, revision and "0", cut to four characters.
QString MediaDatabaseVersionTag();

// The program's load and save. The load returns False for a missing or unreadable file (the table
// is left as it was); a file of another version loads as True without touching the table. Any
// file present that does not become the table is kept as a ".damaged" copy first. The side file is
// read whatever the database gave. *error (when given) says why a load or save failed.
[[nodiscard]] bool LoadMediaDatabase(MediaTable& table, const QString& programFolder, QString* error = nullptr);
[[nodiscard]] bool SaveMediaDatabase(const MediaTable& table, const QString& programFolder, QString* error = nullptr);

enum class DatabaseRead : int;
// The load of any database file with its side file, as the program's load does it.
[[nodiscard]] DatabaseRead LoadMediaDatabaseFile(MediaTable& table, const QString& filePath, QString* error = nullptr);

enum class DatabaseRead : int {
    Loaded,        // `records` holds the file's records
    Missing,       // no such file (or hidden, or unreadable)
    OtherVersion,  // right magic, version other than "1000"; `records` untouched
    Damaged,       // wrong magic, impossible count or truncated; `records` untouched
};
// Reads one database file; *error (when given) says in one line why it was not Loaded.
DatabaseRead ReadMediaDatabaseFile(const QString& filePath, std::vector<MediaRecord>& records,
                                   QString* error = nullptr);
DatabaseRead DecodeMediaDatabase(QByteArrayView bytes, std::vector<MediaRecord>& records,
                                 QString* error = nullptr);
// The number of records in a database file's bytes, checked as the load checks them without decoding
// a text; -1 when the bytes would not load whole.
qint32 CountMediaDatabaseRecords(QByteArrayView bytes);
// What the loaded table's FindPath would give for a path, read from the file without loading it.
struct StoredPath {
    qint32 Record = -1;  // the first record whose path equals the one asked ignoring letter case; -1: none
    QString Path;        // that record's path as the load reads it
};
// For each of `paths`, in their order, the record FindPath would find once filePath is loaded; no
// record is made and only the paths that match are decoded. False when the file would not load
// (missing, damaged or of another version); `found` is then untouched.
bool FindMediaDatabasePaths(const QString& filePath, const QStringList& paths, std::vector<StoredPath>& found);
// The file's exact bytes for a table, and the save of them: the file being replaced is kept as a
// backup stamped `now`, the side file is written, then the database, each atomically.
QByteArray EncodeMediaDatabase(const MediaTable& table);
[[nodiscard]] bool SaveMediaDatabaseFile(const MediaTable& table, const QString& filePath, QString* error = nullptr,
                                         const QDateTime& now = QDateTime::currentDateTime());

// One record's ten fields in the file's order; the side file keeps its retired records the same way.
// The program's load has a faster reader of its own that shares repeated texts.
void WriteMediaRecordFields(BinaryFileIO& io, qint32& pos, const MediaRecord& record);
MediaRecord ReadMediaRecordFields(BinaryFileIO& io, qint32& pos);
