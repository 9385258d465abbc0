// The advanced list at 10,000 and 100,000 rows of eight cells, each against a peer in the same run:
//   AddRow (deferred redraw) + Refresh   vs  splitting the same captions into a vector of lists
//   SortByColumn                         vs  std::stable_sort of the same lower-cased keys
//   one full repaint                     vs  one full repaint of a 100-row list (must stay ~1)
// Counters: "ratio" = ours / peer.

#include "WidgetBenchmarkMain.h"

#include "controls/AdvListData.h"
#include "controls/ucAdvList.h"

#include <QApplication>
#include <QImage>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

QStringList Captions(int rows)
{
    QRandomGenerator rng(4711);
    const QStringList words{"Steel", "blue", "Anaconda", "10 Loops", "9 Inversions", "wooden", "Apex", "zephyr"};
    QStringList out;
    out.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        out << QStringLiteral("%1 %2\r\nAuthor %3\r\n%4\r\n%5\r\n06/%6/2004 12:00:00\r\nTrack\r\n05/01/2004 "
                              "09:30:00\r\n%7")
                   .arg(words[rng.bounded(int(words.size()))])
                   .arg(rng.bounded(1000))
                   .arg(rng.bounded(500))
                   .arg(rng.bounded(6))
                   .arg(rng.bounded(40))
                   .arg(rng.bounded(28) + 1, 2, 10, QLatin1Char('0'))
                   .arg(r);
    }
    return out;
}

void AddColumns(ucAdvList& list)
{
    for (const char* title : {"Track Name", "Author", "Rating", "Ridden", "Ride Date", "Type", "Add Date", "Key"})
        list.AddColumn(QString::fromLatin1(title), 0, 80);
}

void BM_AddRowThenRefresh(benchmark::State& state)
{
    const QStringList captions = Captions(int(state.range(0)));
    double ours = 0, peer = 0;
    for (auto _ : state) {
        ucAdvList list;
        AddColumns(list);
        auto start = Clock::now();
        for (const QString& c : captions)
            list.AddRow(c, true);
        list.Refresh();
        const double t = Seconds(start);
        ours += t;
        state.SetIterationTime(t);

        start = Clock::now();
        std::vector<QStringList> rows;
        for (const QString& c : captions)
            rows.push_back(c.split(QStringLiteral("\r\n")));
        benchmark::DoNotOptimize(rows.data());
        peer += Seconds(start);
    }
    state.counters["ratio"] = ours / peer;
}

void BM_SortByColumn(benchmark::State& state)
{
    const QStringList captions = Captions(int(state.range(0)));
    AdvListData unsorted;
    for (int c = 0; c < 8; ++c)
        unsorted.AddColumn(QStringLiteral("c"), 0, 80);
    for (const QString& c : captions)
        unsorted.AddRow(c);
    std::vector<QString> keys;
    for (int r = 0; r < unsorted.RowCount(); ++r)
        keys.push_back(unsorted.Cell(r, 0).toLower());

    double ours = 0, peer = 0;
    for (auto _ : state) {
        AdvListData data = unsorted;
        auto start = Clock::now();
        data.SortByColumn(0, false);
        const double t = Seconds(start);
        ours += t;
        state.SetIterationTime(t);

        std::vector<QString> copy = keys;
        start = Clock::now();
        std::stable_sort(copy.begin(), copy.end());
        peer += Seconds(start);
        benchmark::DoNotOptimize(copy.data());
    }
    state.counters["ratio"] = ours / peer;
}

double RepaintSeconds(ucAdvList& list, QImage& target)
{
    const auto start = Clock::now();
    list.render(&target);
    return Seconds(start);
}

void BM_FullRepaint(benchmark::State& state)
{
    const QStringList captions = Captions(int(state.range(0)));
    ucAdvList big, small;
    for (ucAdvList* list : {&big, &small}) {
        list->setAttribute(Qt::WA_DontShowOnScreen);
        list->resize(640, 480);
        list->show();
        AddColumns(*list);
    }
    for (const QString& c : captions)
        big.AddRow(c, true);
    for (int r = 0; r < 100; ++r)
        small.AddRow(captions[r], true);
    big.Refresh();
    small.Refresh();
    big.ScrollList(big.RowCount() / 2);
    small.ScrollList(50);
    for (int r = 0; r < big.RowCount(); r += 3)
        big.SetSelected(r, true);
    for (int r = 0; r < small.RowCount(); r += 3)
        small.SetSelected(r, true);

    QImage target(640, 480, QImage::Format_RGB32);
    double ours = 0, peer = 0;
    for (auto _ : state) {
        const double t = RepaintSeconds(big, target);
        ours += t;
        state.SetIterationTime(t);
        peer += RepaintSeconds(small, target);
    }
    state.counters["ratio"] = ours / peer;
}

} // namespace

BENCHMARK(BM_AddRowThenRefresh)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByColumn)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRepaint)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
