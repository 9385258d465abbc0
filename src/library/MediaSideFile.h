#pragma once
// The side file beside a database ("Ridevault.rvltdb.side"): the content fingerprint of each
// record's file and the retired records. The database file itself keeps exactly its old bytes, so
// an older program still reads it; this file only adds what the newer one knows.
//
// Layout (most significant byte first): "RVSF", "1000", the stamp of the database written with it
// (its byte count and the CRC-32 of its bytes, two Longs), fingerprint count F, then F fingerprints
// in record order; retired count R, then R times the ten stored record fields (as in the database)
// and a fingerprint; "RVSE" closes the file. A fingerprint is the size as two Longs (high then low
// half; -1, -1 when not taken) and the 32 hash bytes. The stamp ties the fingerprints to the records
// without a path per record, so start-up reads a small file and matches nothing by name.
//
// A side file that cannot be read whole is kept aside as ".damaged" and starts afresh: it is never a
// reason not to start, and the next save writes it whole again. A side file whose stamp is not the
// database's (written with another database, or a save cut short between the two files) gives no
// fingerprints, which the scans take again while the files are there; its retired records still
// count.

#include "library/MediaRecord.h"

#include <QByteArray>
#include <QString>

inline constexpr char kMediaSideFileSuffix[] = ".side";

QString MediaSideFilePath(const QString& databasePath);

struct DatabaseStamp {
    qint64 Bytes = -1;  // -1: no database
    quint32 Crc = 0;
    bool operator==(const DatabaseStamp&) const = default;
};
DatabaseStamp StampOf(QByteArrayView databaseBytes);

enum class SideFileRead {
    Loaded,   // the retired records (and, when the stamp matches, the fingerprints) come from the file
    Missing,  // no side file: nothing changed
    Damaged,  // not a side file, or not whole: nothing changed, the bytes kept as ".damaged"
};

// Replaces the table's retired records with the file's and, when the file was written with the
// database that `database` stamps and holds one fingerprint per record, gives the records theirs.
SideFileRead LoadMediaSideFile(MediaTable& table, const QString& sidePath, const DatabaseStamp& database,
                               QString* error = nullptr);

QByteArray EncodeMediaSideFile(const MediaTable& table, const DatabaseStamp& database);
[[nodiscard]] bool SaveMediaSideFile(const MediaTable& table, const DatabaseStamp& database, const QString& sidePath,
                                     QString* error = nullptr);
