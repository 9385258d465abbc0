#pragma once
// What the command groups that work on a media database share: reading one whole (or failing with
// the reason) and the JSON form of a record, the MediaRecord field names as keys.

#include "library/MediaRecord.h"

#include <QJsonObject>
#include <QString>

#include <vector>

// The records of a database file; a CliError saying why when it is missing, damaged or of another
// version.
std::vector<MediaRecord> CliReadDatabase(const QString& path);

QJsonObject CliRecordToJson(const MediaRecord& record);
