// What records that follow their files cost:
//
//   BM_AggressiveScanFingerprints  the window's aggressive scan (FileScan, two files per tick) of
//       10,000 files of 50 KB into an empty table, against the same walk adding records without a
//       fingerprint (the scan before fingerprints). Reported: raw_ratio (work only) and tick_ratio:
//       the aggressive scan's timer fires every 1 ms, so a tick costs max(1 ms, its work); this is
//       the ratio of those sums, the time the user waits. Each tick's work is taken as the thread's
//       processor time, so other programs on a busy machine do not count as our work.
//   BM_LoadWithSideFile  start-up load of 100,000 records with a side file holding a fingerprint for
//       every record, against the same database without a side file. Reported: ratio of the loading
//       thread's processor time, wall_ratio, and in milliseconds of processor time the load without
//       side file (load_ms), reading the side file alone (side_ms) and the database's stamp (stamp_ms).
//   BM_DbScanRelinksMoved  "ridevault-cli db scan" of 10,000 files whose folder was renamed since
//       the database knew them; every one must relink. Reported: seconds (wall), cpu_seconds (the
//       child's processor time on all its threads), and the ratio against "ridevault-cli scan" (the
//       walk alone) of the same folder.
//
//   build/bench/bench_relink

#include "library/AddMediaRecord.h"
#include "library/FileScan.h"
#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int kFiles = 10000;
constexpr int kFileBytes = 50 * 1024;
constexpr qint64 kTickNs = 1000000;

// 10,000 files of 50 KB, each different, 100 per folder, made once. Returns the folder holding the
// tree ("tree/" inside it can be renamed).
QString FileTree()
{
    static QTemporaryDir dir;
    static bool made = false;
    if (made)
        return dir.path();
    for (int i = 0; i < kFiles; ++i) {
        const QString folder = QStringLiteral("%1/tree/f%2").arg(dir.path()).arg(i / 100);
        if (i % 100 == 0)
            QDir().mkpath(folder);
        QByteArray bytes(kFileBytes, char('a' + i % 26));
        bytes.replace(0, 12, QByteArray::number(i).rightJustified(12, '0'));
        QFile f(QStringLiteral("%1/builder %2 - ride %3.tktrack").arg(folder).arg(i % 50).arg(i));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(f.fileName()));
    }
    made = true;
    return dir.path();
}

// The record creation before fingerprints: the duplicate test, the name, the append.
bool AddWithoutFingerprint(MediaTable& table, const QString& path, const NameScheme& scheme)
{
    if (path.size() < 8 || table.ContainsPath(path))
        return false;
    MediaRecord r;
    r.FilePath = path;
    r.AddDate = FormatMediaDate(QDateTime::currentDateTime());
    r.FileType = FileTypeOfPath(path);
    r.TypeName = TypeNameOf(r.FileType);
    DerivedName derived = DeriveTitleAndAuthor(path, scheme);
    r.Title = std::move(derived.Title);
    r.Author = std::move(derived.Author);
    table.Append(std::move(r));
    return true;
}

qint64 ThreadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct ScanCost {
    qint64 workNs = 0;
    qint64 tickNs = 0;  // sum of max(1 ms, work) per tick
};

template <typename Step>
ScanCost TimeTicks(Step&& step)
{
    ScanCost cost;
    for (bool more = true; more;) {
        const qint64 start = ThreadCpuNs();
        more = step();
        const qint64 ns = ThreadCpuNs() - start;
        cost.workNs += ns;
        cost.tickNs += std::max(ns, kTickNs);
    }
    return cost;
}

void BM_AggressiveScanFingerprints(benchmark::State& state)
{
    const QStringList media{FileTree() + QStringLiteral("/tree/")};
    const NameScheme scheme;
    ScanCost ours, before;
    for (auto _ : state) {
        MediaTable table;
        FileScan scan;
        scan.StartFileScan(true, media);
        const ScanCost o = TimeTicks([&] { return scan.FileScanStep(table, scheme, nullptr); });
        if (table.MediaCount() != kFiles || !table.FingerprintOf(kFiles - 1).IsValid())
            state.SkipWithError("the scan did not fingerprint every file");

        MediaTable plain;
        PassiveFileSearch search;
        PrepareMediaSearch(search, media, kScanFilesPerStep);
        qsizetype added = 0;
        const ScanCost b = TimeTicks([&] {
            const bool more = search.SearchStep();
            for (; added < search.FoundFiles().size(); ++added)
                AddWithoutFingerprint(plain, search.FoundFiles()[added], scheme);
            return more;
        });
        ours.workNs += o.workNs;
        ours.tickNs += o.tickNs;
        before.workNs += b.workNs;
        before.tickNs += b.tickNs;
    }
    state.counters["ours_s"] = double(ours.tickNs) / 1e9 / double(state.iterations());
    state.counters["raw_ratio"] = double(ours.workNs) / double(before.workNs);
    state.counters["tick_ratio"] = double(ours.tickNs) / double(before.tickNs);
}

void BM_LoadWithSideFile(benchmark::State& state)
{
    const int count = int(state.range(0));
    QTemporaryDir withSide, without;
    MediaTable table;
    for (int i = 0; i < count; ++i) {
        MediaRecord r;
        r.FilePath = QStringLiteral("/home/rider/Tracks/builder %1/ride number %2.tktrack").arg(i % 300).arg(i);
        r.AddDate = QStringLiteral("05/01/2004 09:30:00");
        r.Title = QStringLiteral("Ride Number %1").arg(i);
        r.Author = QStringLiteral("builder %1").arg(i % 300);
        r.TypeName = TypeNameOf(r.FileType);
        ContentFingerprint print;
        print.Size = 50000 + i;
        print.Hash.fill(quint8(i));
        table.Append(r, print);
    }
    if (!SaveMediaDatabase(table, withSide.path()) || !SaveMediaDatabase(table, without.path())
        || !QFile::remove(MediaSideFilePath(MediaDatabasePath(without.path()))))
        state.SkipWithError("cannot lay out the databases");
    double ours = 0, before = 0, oursCpu = 0, beforeCpu = 0;
    for (auto _ : state) {
        {
            auto a = std::chrono::steady_clock::now();
            const qint64 cpu = ThreadCpuNs();
            MediaTable loaded;
            benchmark::DoNotOptimize(LoadMediaDatabase(loaded, withSide.path()));
            oursCpu += double(ThreadCpuNs() - cpu);
            ours += std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count();
            if (!loaded.FingerprintOf(count - 1).IsValid())
                state.SkipWithError("the side file did not load");
        }
        {
            auto a = std::chrono::steady_clock::now();
            const qint64 cpu = ThreadCpuNs();
            MediaTable plain;
            benchmark::DoNotOptimize(LoadMediaDatabase(plain, without.path()));
            beforeCpu += double(ThreadCpuNs() - cpu);
            before += std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count();
        }
    }
    // The two parts the side file adds, each alone: reading it into a loaded table, and the stamp of
    // the database bytes (worked out on a second core during the load, so not in `ratio`).
    MediaTable loaded;
    QFile database(MediaDatabasePath(withSide.path()));
    if (!LoadMediaDatabase(loaded, without.path()) || !database.open(QIODevice::ReadOnly))
        state.SkipWithError("cannot read the database");
    const QByteArray bytes = database.readAll();
    const DatabaseStamp stamp = StampOf(bytes);
    double sideNs = 0, stampNs = 0;
    for (int k = 0; k < 5; ++k) {
        qint64 cpu = ThreadCpuNs();
        LoadMediaSideFile(loaded, MediaSideFilePath(database.fileName()), stamp);
        sideNs += double(ThreadCpuNs() - cpu);
        cpu = ThreadCpuNs();
        benchmark::DoNotOptimize(StampOf(bytes));
        stampNs += double(ThreadCpuNs() - cpu);
    }
    state.counters["load_ms"] = beforeCpu / 1e6 / double(state.iterations());
    state.counters["side_ms"] = sideNs / 5e6;
    state.counters["stamp_ms"] = stampNs / 5e6;
    state.counters["ratio"] = oursCpu / beforeCpu;
    state.counters["wall_ratio"] = ours / before;
}

double RunCli(const QStringList& args, QByteArray* out = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    QProcess p;
    p.start(QStringLiteral(RIDEVAULT_CLI), args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        qFatal("ridevault-cli %s failed", qPrintable(args.join(QLatin1Char(' '))));
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (out)
        *out = p.readAllStandardOutput();
    return seconds;
}

void BM_DbScanRelinksMoved(benchmark::State& state)
{
    const QString root = FileTree();
    const QString db = root + QStringLiteral("/bench.rvltdb");
    QFile::remove(db);
    QString current = root + QStringLiteral("/tree");
    RunCli({QStringLiteral("db"), QStringLiteral("scan"), db, current});
    double ours = 0, walk = 0, cpu = 0;
    int round = 0;
    for (auto _ : state) {
        const QString moved = root + QStringLiteral("/moved%1").arg(round++);
        if (!QDir().rename(current, moved))
            state.SkipWithError("cannot move the folder");
        current = moved;
        QByteArray out;
        const double cpuBefore = ChildrenCpuSeconds();
        ours += RunCli({QStringLiteral("db"), QStringLiteral("scan"), db, current}, &out);
        cpu += ChildrenCpuSeconds() - cpuBefore;
        if (out.count("\"outcome\":\"relinked\"") != kFiles)
            state.SkipWithError("not every file relinked");
        walk += RunCli({QStringLiteral("scan"), current});
    }
    QDir().rename(current, root + QStringLiteral("/tree"));
    QFile::remove(db);
    state.counters["seconds"] = ours / double(state.iterations());
    state.counters["cpu_seconds"] = cpu / double(state.iterations());
    state.counters["vs_walk"] = ours / walk;
}

} // namespace

BENCHMARK(BM_AggressiveScanFingerprints)->Iterations(2)->Unit(benchmark::kSecond);
BENCHMARK(BM_LoadWithSideFile)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DbScanRelinksMoved)->Iterations(3)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
