#pragma once
// How a media record reads as a row of the main list, and the search over those rows.
//
// A row is eight cells joined by CR LF: Title, Author, Rating, RideCount ("###,###,##0"), RideDate,
// the type name, AddDate and the record's index in MediaList (the hidden key that links a row back to
// its record). The search is a case-insensitive substring test over that whole text, so the key digits
// and the type name match as well as the title does.

#include <QString>
#include <QStringView>

#include "library/MediaRecord.h"

// Decimal digits with a "," between each group of three, at least one digit: 1234567 -> "1,234,567".
QString FormatCount(qint64 value);

QString BuildRowText(const MediaRecord& record, qint32 index);

// True when searchText occurs anywhere in rowText, ignoring letter case. An empty search matches.
bool RowTextMatches(QStringView rowText, QStringView searchText);
