// Media database speed: load and save of 10,000 and 100,000 realistic records against a plain
// read and write of a file of the same size, and AddMediaRecord into an empty table (the time per
// add must not grow with the table: the duplicate check is an index, not a scan).
//
// Counters: "vs_plain" = our time / plain file I/O time of the same bytes; "ns_per_add". The save
// also reports "vs_plain_synced" (against the same bytes through QSaveFile, which waits for the
// disk as our save does) and "encode_vs_plain" (encoding alone against the plain write).
// BM_DecodeFloor is the floor under the load: the same texts decoded from the same bytes in memory
// into strings and nothing else (no file, no records, no index), against the same plain read.
// BM_FindKnownPaths: the check "db add" makes of a path the file already holds (the file's bytes
// walked, no table built), against the same plain read.
// BM_CliDump: the peak memory of "ridevault-cli db dump" above a dump of an empty database, against
// what the loaded table itself takes in this process ("peak_vs_table").

#include "ColdProcess.h"
#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"
#include "platform/NarrowText.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

MediaTable RealisticTable(int count)
{
    MediaTable t;
    NameScheme scheme;
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("/home/rider/Trakora/Tracks/Downloads %1/author_%2 - steel_dragon_%3.tktrack")
                                 .arg(i / 500).arg(i % 97).arg(i);
        AddMediaRecord(t, path, scheme, when);
        MediaRecord& r = t.MediaList.back();
        r.Rating = QStringLiteral("****");
        r.Notes = (i % 4 == 0) ? QStringLiteral("Great airtime on the second hill, rough transitions.") : QString();
        r.RideCount = i % 13;
    }
    return t;
}

double Seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

double PlainRead(const QString& path)
{
    const auto a = std::chrono::steady_clock::now();
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QByteArray bytes = f.readAll();
    benchmark::DoNotOptimize(bytes.data());
    return Seconds(a, std::chrono::steady_clock::now());
}

double PlainWrite(const QString& path, const QByteArray& bytes)
{
    const auto a = std::chrono::steady_clock::now();
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    f.close();
    return Seconds(a, std::chrono::steady_clock::now());
}

void BM_LoadDatabase(benchmark::State& state)
{
    QTemporaryDir dir;
    const MediaTable table = RealisticTable(static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(SaveMediaDatabase(table, dir.path()));
    const QString path = MediaDatabasePath(dir.path());
    double ours = 0, plain = 0;
    for (auto _ : state) {
        const auto a = std::chrono::steady_clock::now();
        MediaTable loaded;
        benchmark::DoNotOptimize(LoadMediaDatabase(loaded, dir.path()));
        ours += Seconds(a, std::chrono::steady_clock::now());
        plain += PlainRead(path);
    }
    state.counters["vs_plain"] = ours / plain;
    state.counters["MB"] = QFile(path).size() / 1e6;
}

void BM_FindKnownPaths(benchmark::State& state)
{
    QTemporaryDir dir;
    const MediaTable table = RealisticTable(static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(SaveMediaDatabase(table, dir.path()));
    const QString path = MediaDatabasePath(dir.path());
    const QStringList known{table.MediaList.back().FilePath};
    double ours = 0, plain = 0;
    for (auto _ : state) {
        const auto a = std::chrono::steady_clock::now();
        std::vector<StoredPath> found;
        if (!FindMediaDatabasePaths(path, known, found) || found[0].Record < 0) {
            state.SkipWithError("the known path was not found");
            return;
        }
        ours += Seconds(a, std::chrono::steady_clock::now());
        plain += PlainRead(path);
    }
    state.counters["vs_plain"] = ours / plain;
}

void BM_SaveDatabase(benchmark::State& state)
{
    QTemporaryDir dir;
    const MediaTable table = RealisticTable(static_cast<int>(state.range(0)));
    const QByteArray bytes = EncodeMediaDatabase(table);
    const QString plainPath = dir.filePath(QStringLiteral("plain.bin"));
    double ours = 0, plain = 0, saved = 0, encode = 0;
    for (auto _ : state) {
        auto a = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(SaveMediaDatabase(table, dir.path()));
        ours += Seconds(a, std::chrono::steady_clock::now());
        plain += PlainWrite(plainPath, bytes);
        // The same bytes through QSaveFile, which waits for the disk as every save of ours does.
        a = std::chrono::steady_clock::now();
        QSaveFile file(plainPath);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.commit();
        saved += Seconds(a, std::chrono::steady_clock::now());
        a = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(EncodeMediaDatabase(table).size());
        encode += Seconds(a, std::chrono::steady_clock::now());
    }
    state.counters["vs_plain"] = ours / plain;
    state.counters["vs_plain_synced"] = ours / saved;
    state.counters["encode_vs_plain"] = encode / plain;
}

quint32 BigEndianLong(const char* at)
{
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
}

void BM_DecodeFloor(benchmark::State& state)
{
    QTemporaryDir dir;
    const MediaTable table = RealisticTable(static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(SaveMediaDatabase(table, dir.path()));
    const QString path = MediaDatabasePath(dir.path());
    const QByteArray bytes = EncodeMediaDatabase(table);
    double floor = 0, plain = 0;
    for (auto _ : state) {
        const auto a = std::chrono::steady_clock::now();
        std::vector<QString> texts;
        texts.reserve(size_t(table.MediaCount()) * 8);
        const char* at = bytes.constData() + 12;
        for (qint32 r = 0; r < table.MediaCount(); ++r) {
            for (int field = 0; field < 10; ++field) {
                if (field == 1 || field == 3) {  // FileType and RideCount
                    at += 4;
                    continue;
                }
                const qint32 count = qint32(BigEndianLong(at));
                texts.push_back(FromNarrowText(at + 4, count));
                at += 4 + count;
            }
        }
        benchmark::DoNotOptimize(texts.data());
        floor += Seconds(a, std::chrono::steady_clock::now());
        plain += PlainRead(path);
    }
    state.counters["vs_plain"] = floor / plain;
}

long ResidentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs `work` in a child process and returns what it returns, so that this process never holds
// the table: a child started later would otherwise count this process's memory in its own peak.
long InChild(const std::function<long()>& work)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        const long value = work();
        if (write(fds[1], &value, sizeof value) != sizeof value)
            _exit(1);
        _exit(0);
    }
    long value = -1;
    if (read(fds[0], &value, sizeof value) != sizeof value)
        value = -1;
    close(fds[0]);
    close(fds[1]);
    waitpid(pid, nullptr, 0);
    return value;
}

void BM_CliDump(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("full.rvltdb"));
    const QString empty = dir.filePath(QStringLiteral("empty.rvltdb"));
    const int count = static_cast<int>(state.range(0));
    InChild([&] { return long(SaveMediaDatabaseFile(RealisticTable(count), full)); });
    benchmark::DoNotOptimize(SaveMediaDatabaseFile(MediaTable(), empty));
    const long tableKiB = InChild([&] {
        const long before = ResidentKiB();
        std::vector<MediaRecord> records;
        ReadMediaDatabaseFile(full, records);
        return ResidentKiB() - before;
    });
    const QString cli = QStringLiteral(RIDEVAULT_CLI);
    long peakKiB = 0;
    for (auto _ : state) {
        const auto a = std::chrono::steady_clock::now();
        peakKiB = std::max(peakKiB, ColdSpawn(cli, {QStringLiteral("db"), QStringLiteral("dump"), full}).PeakKiB);
        state.SetIterationTime(Seconds(a, std::chrono::steady_clock::now()));
    }
    const long baseKiB = ColdSpawn(cli, {QStringLiteral("db"), QStringLiteral("dump"), empty}).PeakKiB;
    state.counters["peak_MiB"] = double(peakKiB) / 1024;
    state.counters["above_empty_MiB"] = double(peakKiB - baseKiB) / 1024;
    state.counters["table_MiB"] = double(tableKiB) / 1024;
    state.counters["peak_vs_table"] = double(peakKiB - baseKiB) / double(tableKiB);
}

void BM_AddMediaRecord(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << QStringLiteral("/home/rider/Tracks/set %1/John Smith - Ride %2 [v2] (JS).tkpack").arg(i % 50).arg(i);
    const NameScheme scheme;
    const QDateTime when = QDateTime::currentDateTime();
    for (auto _ : state) {
        MediaTable t;
        for (const QString& p : paths)
            AddMediaRecord(t, p, scheme, when);
        benchmark::DoNotOptimize(t.MediaCount());
    }
    state.counters["ns_per_add"] = benchmark::Counter(double(count) * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

// First, while this process is still small (see InChild).
BENCHMARK(BM_CliDump)->Arg(100000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDatabase)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindKnownPaths)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeFloor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDatabase)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMediaRecord)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
