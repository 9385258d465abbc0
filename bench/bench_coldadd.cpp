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

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double Wall = 0;  // seconds
    double Cpu = 0;   // user + system seconds
    long PeakKiB = 0;
};

double Seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Waits for the child and reads its wall time since start, its CPU time and its peak memory.
Run Reap(pid_t pid, std::chrono::steady_clock::time_point start, int& status)
{
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.Cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.PeakKiB = usage.ru_maxrss;
    return run;
}

// Runs program with args in a fresh process, its output thrown away. Only this small process is
// forked, so the child's peak memory is its own (exec carries the parent's peak into the child's).
Run Spawn(const QString& program, const QStringList& args)
{
    std::vector<QByteArray> owned{program.toLocal8Bit()};
    for (const QString& a : args)
        owned.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : owned)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    const Run run = Reap(pid, start, status);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "%s exited with %d\n", argv[0], WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return run;
}

// Read whole, write a temporary file beside it, fsync, rename over the file: what any program that
// keeps its data safe must do at least. In a child, so this process stays small for the next spawn.
Run DurableReadWrite(const QString& path)
{
    const QByteArray file = path.toLocal8Bit();
    const QByteArray temp = file + ".bench-tmp";
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(file.constData(), O_RDONLY);
        const off_t size = lseek(in, 0, SEEK_END);
        std::vector<char> bytes(static_cast<size_t>(size));
        if (pread(in, bytes.data(), bytes.size(), 0) != size)
            _exit(1);
        close(in);
        const int out = open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (write(out, bytes.data(), bytes.size()) != size || fsync(out) != 0 || close(out) != 0)
            _exit(1);
        _exit(rename(temp.constData(), file.constData()) == 0 ? 0 : 1);
    }
    int status = 0;
    return Reap(pid, start, status);
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

QByteArray LoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("?");
}

void Print(const char* name, const std::vector<Run>& runs)
{
    std::vector<double> wall, cpu;
    long peak = 0;
    for (const Run& r : runs) {
        wall.push_back(r.Wall);
        cpu.push_back(r.Cpu);
        peak = std::max(peak, r.PeakKiB);
    }
    std::printf("%-28s wall %8.1f ms   cpu %8.1f ms   peak %7.1f MiB\n", name, Median(wall) * 1e3,
                Median(cpu) * 1e3, double(peak) / 1024);
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
                double(size) / (1 << 20), LoadAverage().constData());

    // Interleaved, so a change in the machine's load falls on all three alike.
    std::vector<Run> start, add, durable;
    for (int i = 0; i < rounds; ++i) {
        start.push_back(Spawn(cli, {QStringLiteral("--version")}));
        add.push_back(Spawn(cli, {QStringLiteral("db"), QStringLiteral("add"), db, known}));
        durable.push_back(DurableReadWrite(db));
    }
    Print("process start (--version)", start);
    Print("db add of a present path", add);
    Print("durable read + write", durable);

    auto medianOf = [](const std::vector<Run>& runs, double Run::*field) {
        std::vector<double> v;
        for (const Run& r : runs)
            v.push_back(r.*field);
        return Median(v);
    };
    long addPeak = 0, startPeak = 0;
    for (const Run& r : add)
        addPeak = std::max(addPeak, r.PeakKiB);
    for (const Run& r : start)
        startPeak = std::max(startPeak, r.PeakKiB);
    const double addLessStart = medianOf(add, &Run::Wall) - medianOf(start, &Run::Wall);
    std::printf("wall: (add - start) / durable = %.2fx\n", addLessStart / medianOf(durable, &Run::Wall));
    std::printf("cpu:  (add - start) / durable = %.2fx\n",
                (medianOf(add, &Run::Cpu) - medianOf(start, &Run::Cpu)) / medianOf(durable, &Run::Cpu));
    std::printf("peak memory: %.2fx the file (%.2fx above process start)\n", double(addPeak) * 1024 / double(size),
                double(addPeak - startPeak) * 1024 / double(size));
    std::printf("load average after: %s\n", LoadAverage().constData());
    return 0;
}
