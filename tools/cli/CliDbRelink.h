#pragma once
// ridevault-cli db scan, validate, retired, backups and restore: the database commands that keep
// what the user wrote when files move (cli_dbrelink.cpp).

#include "library/AddMediaRecord.h"

#include <QString>
#include <QStringList>

int RunDbScan(const QStringList& args);
int RunDbValidate(const QStringList& args);
int RunDbRetired(const QStringList& args);
int RunDbBackups(const QStringList& args);
int RunDbRestore(const QStringList& args);

// "added", "relinked" or "revived" ("refused" for a file that changed nothing).
QString CliAddOutcomeName(AddOutcome outcome);
