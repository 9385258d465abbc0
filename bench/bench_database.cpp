// Media database speed: load and save of 10,000 and 100,000 realistic records against a plain
// read and write of a file of the same size, and AddMediaRecord into an empty table (the time per
// add must not grow with the table: the duplicate check is an index, not a scan).
//
// Counters: "vs_plain" = our time / plain file I/O time of the same bytes; "ns_per_add".

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

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
    SaveMediaDatabase(table, dir.path());
    const QString path = MediaDatabasePath(dir.path());
    double ours = 0, plain = 0;
    for (auto _ : state) {
        const auto a = std::chrono::steady_clock::now();
        MediaTable loaded;
        LoadMediaDatabase(loaded, dir.path());
        ours += Seconds(a, std::chrono::steady_clock::now());
        plain += PlainRead(path);
    }
    state.counters["vs_plain"] = ours / plain;
    state.counters["MB"] = QFile(path).size() / 1e6;
}

void BM_SaveDatabase(benchmark::State& state)
{
    QTemporaryDir dir;
    const MediaTable table = RealisticTable(static_cast<int>(state.range(0)));
    const QByteArray bytes = EncodeMediaDatabase(table);
    const QString plainPath = dir.filePath(QStringLiteral("plain.bin"));
    double ours = 0, plain = 0;
    for (auto _ : state) {
        const auto a = std::chrono::steady_clock::now();
        SaveMediaDatabase(table, dir.path());
        ours += Seconds(a, std::chrono::steady_clock::now());
        plain += PlainWrite(plainPath, bytes);
    }
    state.counters["vs_plain"] = ours / plain;
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

BENCHMARK(BM_LoadDatabase)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDatabase)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMediaRecord)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
