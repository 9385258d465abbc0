#pragma once
// The side file beside a database ("Ridevault.rvltdb.side"): the content fingerprint of each
// record's file and the retired records. The database file itself keeps exactly its old bytes, so
// an older program still reads it; this file only adds what the newer one knows.
//
// Layout (most significant byte first): "RVSF", "1000", fingerprint count F, then F times the path
// (String) and a fingerprint; retired count R, then R times the ten stored record fields (as in the
// database) and a fingerprint; "RVSE" closes the file. A fingerprint is the size as two Longs (high
// then low half; -1, -1 when not taken) and the 32 hash bytes. Fingerprints follow the records'
// order, which makes matching them to the records at start-up a comparison, not a lookup.
//
// A side file that cannot be read whole is kept aside as ".damaged" and starts afresh: it is never a
// reason not to start, and the next save writes it whole again.

#include "library/MediaRecord.h"

#include <QByteArray>
#include <QString>

inline constexpr char kMediaSideFileSuffix[] = ".side";

QString MediaSideFilePath(const QString& databasePath);

enum class SideFileRead {
    Loaded,   // the table's fingerprints and retired records come from the file
    Missing,  // no side file: nothing changed
    Damaged,  // not a side file, or not whole: nothing changed, the bytes kept as ".damaged"
};

// Gives the table's records the fingerprints the file holds for their paths and replaces the
// retired records with the file's.
SideFileRead LoadMediaSideFile(MediaTable& table, const QString& sidePath, QString* error = nullptr);

QByteArray EncodeMediaSideFile(const MediaTable& table);
[[nodiscard]] bool SaveMediaSideFile(const MediaTable& table, const QString& sidePath, QString* error = nullptr);
