#pragma once
// The two databases a kill test saves in turn: alpha (3,000 records) and beta (1,500), so that a
// file left by a kill is either one whole or neither.

#include "library/MediaRecord.h"

inline MediaTable KillTestTable(int count, const char* tag)
{
    MediaTable t;
    for (int i = 0; i < count; ++i) {
        MediaRecord r;
        r.FilePath = QStringLiteral("/media/%1/track_%2.tktrack").arg(QLatin1String(tag)).arg(i);
        r.Title = QStringLiteral("Track %1 of %2").arg(i).arg(QLatin1String(tag));
        r.Notes = QString(64, QLatin1Char(tag[0]));
        t.Append(r);
    }
    return t;
}
