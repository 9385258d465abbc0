// "ridevault-cli db add" of a path the database already holds, as a user meets it: a fresh process
// each run (fork + exec), on a database of realistic records, against a durable read + write of the
// same file in this run (read it whole, write a temporary file, fsync, rename it over the file).
// Process start is taken off: the same program's "--version" run in the same way.
//
// Prints medians of wall time and of the child's CPU time (user + system, from wait4), the ratio
// (add - start) / durable read + write, and the command's peak memory (ru_maxrss) against the file
// size, with the load average beside them: the machine may be shared.
//
//   bench_coldadd [--cli PATH] [--records N] [--runs N]

#include "ColdProcess.h"

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"

#include <QTemporaryDir>

#include <cstring>

namespace {

// Read whole, write a temporary file beside it, fsync, rename over the file: what any program that
// keeps its data safe must do at least. In a child, so this process stays small for the next spawn.
ColdRun DurableReadWrite(const QString& path)
{
    const QByteArray file = path.toLocal8Bit();
    const QByteArray temp = file + ".bench-tmp";
    return ColdFork("/dev/null", [&] {
        const int in = open(file.constData(), O_RDONLY);
        const off_t size = lseek(in, 0, SEEK_END);
        std::vector<char> bytes(static_cast<size_t>(size));
        if (pread(in, bytes.data(), bytes.size(), 0) != size)
            return 1;
        close(in);
        const int out = open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (write(out, bytes.data(), bytes.size()) != size || fsync(out) != 0 || close(out) != 0)
            return 1;
        return rename(temp.constData(), file.constData()) == 0 ? 0 : 1;
    });
}

// The database is made in a child too, for the same reason.
bool MakeDatabase(const QString& path, int count, const QString& knownPath)
{
    const pid_t pid = fork();
    if (pid == 0) {
        MediaTable t;
        const NameScheme scheme;
        const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
        AddMediaRecord(t, knownPath, scheme, when);
        for (int i = 1; i < count; ++i) {
            AddMediaRecord(t, QStringLiteral("/home/rider/Trakora/Tracks/Downloads %1/author_%2 - steel_dragon_%3.tktrack")
                                  .arg(i / 500).arg(i % 97).arg(i), scheme, when);
            MediaRecord& r = t.MediaList.back();
            r.Rating = QStringLiteral("****");
            r.Notes = (i % 4 == 0) ? QStringLiteral("Great airtime on the second hill, rough transitions.") : QString();
            r.RideCount = i % 13;
        }
        _exit(SaveMediaDatabaseFile(t, path) ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QString cli = QStringLiteral(RIDEVAULT_CLI);
    int records = 100000;
    int rounds = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--cli"))
            cli = QString::fromLocal8Bit(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--records"))
            records = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--runs"))
            rounds = std::atoi(argv[i + 1]);
    }
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("Ridevault.rvltdb"));
    const QString known = QStringLiteral("/home/rider/Trakora/Tracks/Downloads 0/author_0 - steel_dragon_0.tktrack");
    if (!MakeDatabase(db, records, known)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(db));
        return 1;
    }
    const qint64 size = QFile(db).size();
    std::printf("cli %s\n%d records, %.1f MiB; load average before: %s\n", qPrintable(cli), records,
                double(size) / (1 << 20), ColdLoadAverage().constData());

    // Interleaved, so a change in the machine's load falls on all three alike.
    std::vector<ColdRun> start, add, durable;
    for (int i = 0; i < rounds; ++i) {
        start.push_back(ColdSpawn(cli, {QStringLiteral("--version")}));
        add.push_back(ColdSpawn(cli, {QStringLiteral("db"), QStringLiteral("add"), db, known}));
        durable.push_back(DurableReadWrite(db));
    }
    ColdPrint("process start (--version)", start);
    ColdPrint("db add of a present path", add);
    ColdPrint("durable read + write", durable);

    const long addPeak = ColdPeakKiB(add), startPeak = ColdPeakKiB(start);
    const double addLessStart = ColdMedianOf(add, &ColdRun::Wall) - ColdMedianOf(start, &ColdRun::Wall);
    std::printf("wall: (add - start) / durable = %.2fx\n", addLessStart / ColdMedianOf(durable, &ColdRun::Wall));
    std::printf("cpu:  (add - start) / durable = %.2fx\n",
                (ColdMedianOf(add, &ColdRun::Cpu) - ColdMedianOf(start, &ColdRun::Cpu)) / ColdMedianOf(durable, &ColdRun::Cpu));
    std::printf("peak memory: %.2fx the file (%.2fx above process start)\n", double(addPeak) * 1024 / double(size),
                double(addPeak - startPeak) * 1024 / double(size));
    std::printf("load average after: %s\n", ColdLoadAverage().constData());
    return 0;
}
