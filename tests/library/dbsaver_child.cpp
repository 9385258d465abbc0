// Helper for the kill test: saves two different databases to one file, in turn, until killed.
// Usage: dbsaver_child DB_FILE

#include "library/MediaDatabase.h"
#include "TwoDatabases.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const MediaTable tables[2] = {KillTestTable(3000, "alpha"), KillTestTable(1500, "beta")};
    for (unsigned n = 0;; ++n) {
        if (!SaveMediaDatabaseFile(tables[n % 2], path))
            return 1;
        if (n == 0) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
