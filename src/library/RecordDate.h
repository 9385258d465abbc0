#pragma once
// Reading the stored dates of a record ("mm/dd/yyyy hh:mm:ss") as numbers that sort and compare in
// time order. Files written on Windows may carry the system's own date and time separators, so any
// non-digit between the fields is accepted; the digits themselves must be where the form puts them.

#include <QStringView>

// The day as yyyymmdd (20260314 for "03/14/2026 17:02:09"), or 0 when the text does not start with
// a readable date (empty, too short, a month outside 1..12, a day outside 1..31).
int RecordDay(QStringView stored);

// Day and time as yyyymmddhhmmss, or 0 when RecordDay is 0. An unreadable time counts as midnight.
qint64 RecordMoment(QStringView stored);
