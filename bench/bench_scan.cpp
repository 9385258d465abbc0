// The file scan's walk against a plain std::filesystem recursion of the same tree.
//
// Both walks collect the full paths of the visible ".tktrack" and ".tkpack" files and skip hidden
// folders; ours is driven by SearchStep to completion with the scan's two files per step, as the
// aggressive scan's timer would drive it, minus the timer. Reported: ours_ms, walk_ms, ratio.
//
//   build-*/bench/bench_scan

#include "library/FileScan.h"
#include "library/PassiveFileSearch.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFilesPerFolder = 100;

// A tree of `files` files, 100 per folder, folders two levels deep below the root; four in ten
// are tracks, two in ten packages, the rest other files. Built once per size and kept.
QString TreeOf(int files)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> trees;
    auto& dir = trees[files];
    if (dir)
        return dir->path();
    dir = std::make_unique<QTemporaryDir>();
    const char* kinds[] = {".tktrack", ".tktrack", ".tkpack", ".txt", ".tktrack",
                           ".bmp", ".tktrack", ".tkpack", ".txt", ".dat"};
    for (int i = 0; i < files; ++i) {
        const int folder = i / kFilesPerFolder;
        if (i % kFilesPerFolder == 0)
            QDir().mkpath(QStringLiteral("%1/g%2/f%3").arg(dir->path()).arg(folder / 32).arg(folder % 32));
        QFile f(QStringLiteral("%1/g%2/f%3/ride number %4%5")
                    .arg(dir->path()).arg(folder / 32).arg(folder % 32).arg(i).arg(QLatin1String(kinds[i % 10])));
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(f.fileName()));
    }
    return dir->path();
}

std::vector<std::string> FilesystemWalk(const std::string& root)
{
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (name[0] == '.') {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file() && (name.ends_with(".tktrack") || name.ends_with(".tkpack")))
            found.push_back(it->path().string());
    }
    return found;
}

void BM_SearchStepAgainstFilesystemWalk(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const QString root = TreeOf(static_cast<int>(state.range(0)));
    double ours = 0, walk = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        PassiveFileSearch search;
        PrepareMediaSearch(search, {root}, kScanFilesPerStep);
        while (search.SearchStep()) {
        }
        const auto t1 = Clock::now();
        const std::vector<std::string> peer = FilesystemWalk(root.toStdString());
        const auto t2 = Clock::now();
        if (search.FoundCount() != qint32(peer.size()) || peer.size() != size_t(state.range(0)) * 6 / 10) {
            state.SkipWithError("the walks disagree on what they found");
            return;
        }
        const double oursSeconds = std::chrono::duration<double>(t1 - t0).count();
        ours += oursSeconds;
        walk += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(oursSeconds);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_ms"] = ours / n * 1000;
    state.counters["walk_ms"] = walk / n * 1000;
    state.counters["ratio"] = ours / walk;
}

} // namespace

BENCHMARK(BM_SearchStepAgainstFilesystemWalk)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
