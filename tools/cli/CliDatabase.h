#pragma once
// What the command groups that work on a media database share: reading one whole (or failing with
// the reason) and the JSON form of a record, the MediaRecord field names as keys.

#include "library/MediaRecord.h"
#include "session/LibraryLock.h"
#include "library/NameScheme.h"

#include <QJsonObject>
#include <QString>

#include <memory>
#include <vector>

// The records of a database file; a CliError saying why when it is missing, damaged or of another
// version.
std::vector<MediaRecord> CliReadDatabase(const QString& path);

QJsonObject CliRecordToJson(const MediaRecord& record);

// A command that writes databaseFile first takes the lock of the library it lives in (the lock file
// beside it, session/LibraryLock.h) and keeps it until it is done, so a program started meanwhile
// waits. While a running program holds that library it refuses with a CliError, unless force
// ("--force"). Null when forced, or when the folder cannot take a lock file.
std::unique_ptr<LibraryLock> CliLockDatabaseFolder(const QString& databaseFile, bool force);
// Loads a database file with its side file into table; a missing file starts an empty table when
// `mayBeMissing`, anything else that does not load is a CliError.
void CliLoadDatabase(MediaTable& table, const QString& path, bool mayBeMissing);
// Saves table to path as the program does (backup, side file, database); a CliError when it fails.
void CliSaveDatabase(const MediaTable& table, const QString& path);
// Removes the name-scheme flags (--no-underscores, --no-trim, --no-autoformat, --no-brackets,
// --no-dash) from args and returns the scheme they leave; any other "--" option is a CliError.
NameScheme CliTakeNameScheme(QStringList& args);
