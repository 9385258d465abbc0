#pragma once
// mApp_Database: the media database file "Ridevault.rvltdb" in the program folder.
//
// Layout (most significant byte first): "RVDB", "1000", record count, then per record FilePath,
// FileType, AddDate, RideCount, RideDate, PackTrack, Title, Author, Rating, Notes. Nothing after.
//
// A file that cannot be read whole leaves the table as it was, and its bytes are kept beside it as
// "Ridevault.rvltdb.damaged" (".damaged.1", ".damaged.2", ... when that exists) so that the next
// save cannot destroy what the user had. Saves are atomic.

#include "library/MediaRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

inline constexpr char kMediaDatabaseFileName[] = "Ridevault.rvltdb";

// programFolder + "Ridevault.rvltdb" (a separator added when the folder has none).
QString MediaDatabasePath(const QString& programFolder);

// The version tag the writer stores: major, minor, revision and "0", cut to four characters.
QString MediaDatabaseVersionTag();

// The program's load and save. The load returns False for a missing or unreadable file (the table
// is left as it was); a file of another version loads as True without touching the table. Any
// file present that does not become the table is kept as a ".damaged" copy first.
bool LoadMediaDatabase(MediaTable& table, const QString& programFolder);
bool SaveMediaDatabase(const MediaTable& table, const QString& programFolder);

enum class DatabaseRead {
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
// The file's exact bytes for a table, and the atomic save of them.
QByteArray EncodeMediaDatabase(const MediaTable& table);
bool SaveMediaDatabaseFile(const MediaTable& table, const QString& filePath);
