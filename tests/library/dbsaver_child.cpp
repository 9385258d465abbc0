// Helper for the kill test: saves two different databases to one file, in turn, until killed.
// Usage: dbsaver_child DB_FILE

#include "library/MediaDatabase.h"

#include <cstdio>

static MediaTable Table(int count, const char* tag)
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

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const MediaTable tables[2] = {Table(3000, "alpha"), Table(1500, "beta")};
    for (unsigned n = 0;; ++n) {
        if (!SaveMediaDatabaseFile(tables[n % 2], path))
            return 1;
        if (n == 0) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
