// 1,000 ride files dropped at once into a watched media folder (LiveMediaFolders, records made
// through AddOrRelinkMediaRecord as the window makes them):
//   wall time from the drop until every file is a record, and the longest stretch the event loop
//   was held (counter "longest_step_ms": the largest gap between ticks of a 1 ms timer, goal <= 50)
//       vs  an aggressive file scan of the same 1,000 files (counter "ratio" = ours / scan).
// The drop itself (writing the files) is not timed.

#include "WidgetBenchmarkMain.h"

#include "app/LiveMediaFolders.h"
#include "library/AddMediaRecord.h"
#include "library/FileScan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr int kDropCount = 1000;

void Drop(const QString& folder, int round)
{
    for (int i = 0; i < kDropCount; ++i) {
        QFile file(QStringLiteral("%1/Ride %2 of %3.tktrack").arg(folder).arg(i).arg(round));
        if (file.open(QIODevice::WriteOnly))
            file.write(QStringLiteral("ride %1 %2").arg(i).arg(round).toUtf8());
    }
}

double ScanSeconds(const QString& folder)
{
    MediaTable table;
    FileScan scan;
    QElapsedTimer clock;
    clock.start();
    scan.StartFileScan(true, {folder});
    while (scan.FileScanStep(table, NameScheme{}, [](qint32) {}))
        ;
    return clock.nsecsElapsed() * 1e-9;
}

void BM_ThousandFilesDropped(benchmark::State& state)
{
    double ours = 0;
    double peer = 0;
    qint64 longestNs = 0;
    int round = 0;
    for (auto _ : state) {
        QTemporaryDir media;
        MediaTable table;
        LiveMediaFolders live({[&](const QString& path) { AddOrRelinkMediaRecord(table, path, NameScheme{}); },
                               [](const QString&) {}, [] {}, [] {}});
        live.Start({media.path()});
        while (!live.IsSettled())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        Drop(media.path(), ++round);

        QElapsedTimer clock;
        clock.start();
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            longestNs = std::max(longestNs, sinceTick.nsecsElapsed());
            sinceTick.restart();
        });
        heartbeat.start(1);
        while (table.MediaCount() < kDropCount && clock.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        const double seconds = clock.nsecsElapsed() * 1e-9;
        heartbeat.stop();
        if (table.MediaCount() < kDropCount)
            state.SkipWithError("not every dropped file became a record");
        ours += seconds;
        peer += ScanSeconds(media.path());
        state.SetIterationTime(seconds);
    }
    state.counters["longest_step_ms"] = double(longestNs) * 1e-6;
    state.counters["ratio"] = peer > 0 ? ours / peer : 0;
}
BENCHMARK(BM_ThousandFilesDropped)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
