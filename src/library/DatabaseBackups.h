#pragma once
// Rolling backups of a database in a "Backups" folder beside it. Every save first keeps the file it
// replaces there (when that file loads whole and differs from what is about to be written), as
// "<database file name>.<yyyyMMdd-HHmmss-zzz>.bak", written atomically like every save. Kept: the
// newest KeepLatest backups, and the oldest backup of each of the last KeepDays days (today
// included); every other backup of ours goes. Entries that are symbolic links or whose names are
// not ours are never listed, followed or deleted.
//
// Restoring keeps the current database as a backup first and refuses a backup that does not load.

#include "library/MediaRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

inline constexpr char kBackupsFolderName[] = "Backups";

struct BackupRule {
    qint32 KeepLatest = 5;
    qint32 KeepDays = 14;
};

struct DatabaseBackup {
    QString File;      // full path
    QDateTime Date;    // when it was kept (local time, from its name)
    qint32 Records = -1;  // -1: the file no longer loads
    qint64 Bytes = 0;
};

QString DatabaseBackupsFolder(const QString& databasePath);

// Our backups of this database, newest first.
std::vector<DatabaseBackup> ListDatabaseBackups(const QString& databasePath);

// Stores oldBytes (the database being replaced) as a new backup stamped `now`, then thins the
// folder by the rule. Bytes that would not load are not kept. Returns the backup's path, or "" with
// *error saying why.
QString KeepDatabaseBackup(const QString& databasePath, const QByteArray& oldBytes, const QDateTime& now,
                           const BackupRule& rule = {}, QString* error = nullptr);

// Makes backupFile the database: refuses (False, *error says why, nothing written) a backup that
// does not load; otherwise keeps the current database as a backup, writes the backup's bytes as the
// database and its side file, and replaces the table's records. Records keep the fingerprints the
// table had for their paths, and the retired records stay, so files that moved since relink.
[[nodiscard]] bool RestoreDatabaseBackup(MediaTable& table, const QString& databasePath, const QString& backupFile,
                                         const QDateTime& now = QDateTime::currentDateTime(),
                                         QString* error = nullptr);
