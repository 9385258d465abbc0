#pragma once
// What the cold-process benches share: a program run as a fresh process (fork + exec) or a piece of
// work run in a forked child, timed from outside, with the child's own CPU time and peak memory
// from wait4. The bench process itself stays small, because exec carries the parent's peak memory
// into the child's ru_maxrss.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct ColdRun {
    double Wall = 0;  // seconds
    double Cpu = 0;   // user + system seconds
    long PeakKiB = 0;
    bool Ok = true;   // exited with 0
};

inline double ColdSeconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

inline double ColdMedian(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Waits for the child and reads its wall time since start, its CPU time, its peak memory and
// whether it exited with 0.
inline ColdRun ColdReap(pid_t pid, std::chrono::steady_clock::time_point start)
{
    rusage usage{};
    int status = 0;
    wait4(pid, &status, 0, &usage);
    ColdRun run;
    run.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.Cpu = ColdSeconds(usage.ru_utime) + ColdSeconds(usage.ru_stime);
    run.PeakKiB = usage.ru_maxrss;
    run.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// Runs work() in a forked child whose standard output goes to outPath, and exits with its result
// (0 for success). What this process still holds in its output buffer goes out first, so the
// child does not write it a second time.
template <typename Work>
ColdRun ColdFork(const QByteArray& outPath, Work&& work)
{
    std::fflush(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        close(out);
        _exit(work());
    }
    return ColdReap(pid, start);
}

// Runs program with args as a fresh process, its standard output going to outPath.
inline ColdRun ColdSpawn(const QString& program, const QStringList& args, const QByteArray& outPath = "/dev/null")
{
    std::vector<QByteArray> owned{program.toLocal8Bit()};
    for (const QString& a : args)
        owned.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : owned)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const ColdRun run = ColdFork(outPath, [&] {
        execv(argv[0], argv.data());
        return 127;
    });
    if (!run.Ok)
        std::fprintf(stderr, "%s did not exit with 0\n", argv[0]);
    return run;
}

inline QByteArray ColdLoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("?");
}

inline double ColdMedianOf(const std::vector<ColdRun>& runs, double ColdRun::*field)
{
    std::vector<double> v;
    for (const ColdRun& r : runs)
        v.push_back(r.*field);
    return ColdMedian(v);
}

inline long ColdPeakKiB(const std::vector<ColdRun>& runs)
{
    long peak = 0;
    for (const ColdRun& r : runs)
        peak = std::max(peak, r.PeakKiB);
    return peak;
}

inline void ColdPrint(const char* name, const std::vector<ColdRun>& runs)
{
    std::printf("%-28s wall %8.1f ms   cpu %8.1f ms   peak %7.1f MiB\n", name, ColdMedianOf(runs, &ColdRun::Wall) * 1e3,
                ColdMedianOf(runs, &ColdRun::Cpu) * 1e3, double(ColdPeakKiB(runs)) / 1024);
}
