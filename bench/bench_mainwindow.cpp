// The main window at 10,000 and 100,000 records, each against a peer in the same run:
//   start-up from a database file to the first painted window (load + fill + sort + theme + paint)
//       vs  reading the same database file alone; counter "peak_MB" is the process's peak memory
//   one search keystroke (FilterMediaList and the list's repaint)
//       vs  a plain case-insensitive substring scan of the same row texts (goal: ratio <= 3)
// for a search that keeps few rows ("zeph") and one that keeps most ("a").
// Times are the thread's CPU time. Counters: "ratio" = ours / peer; "first_ms" = the first keystroke
// after start-up, which also builds every record's row text (the later ones reuse them).

#include "WidgetBenchmarkMain.h"

#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "controls/ucAdvList.h"
#include "library/MediaDatabase.h"
#include "library/RowText.h"
#include "session/AppState.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <vector>

namespace {

// The thread's CPU time: the machine is shared, and wall time would count other people's work.
struct Clock {
    using time_point = double;
    static double now()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    }
};

double Seconds(double from) { return Clock::now() - from; }

// A program folder holding a database of n records with mixed titles, authors and counts.
std::unique_ptr<QTemporaryDir> ProgramFolderWith(int n)
{
    auto folder = std::make_unique<QTemporaryDir>();
    QRandomGenerator rng(4711);
    const QStringList words{"Steel", "Blue", "Anaconda", "Loop", "Drop", "Wooden", "Apex", "Zephyr", "Night", "Comet"};
    MediaTable table;
    std::vector<MediaRecord> records(n);
    for (int i = 0; i < n; ++i) {
        MediaRecord& r = records[i];
        r.FileType = i % 7 == 0 ? FileTypePackage : FileTypeTrack;
        r.TypeName = TypeNameOf(r.FileType);
        r.FilePath = QStringLiteral("/media/tracks/ride%1%2").arg(i).arg(r.FileType ? ".tkpack" : ".tktrack");
        r.Title = words[rng.bounded(int(words.size()))] + QLatin1Char(' ') + words[rng.bounded(int(words.size()))]
            + QStringLiteral(" %1").arg(rng.bounded(1000));
        r.Author = QStringLiteral("Builder %1").arg(rng.bounded(300));
        r.Rating = QString(rng.bounded(6), QLatin1Char('*'));
        r.RideCount = rng.bounded(2000);
        r.RideDate = QStringLiteral("06/%1/2004 12:00:00").arg(rng.bounded(28) + 1, 2, 10, QLatin1Char('0'));
        r.AddDate = QStringLiteral("05/01/2004 09:30:00");
    }
    table.Replace(std::move(records));
    benchmark::DoNotOptimize(SaveMediaDatabase(table, folder->path() + QLatin1Char('/')));
    return folder;
}

ScreenMetrics Screen() { return ScreenMetrics{1280, 1024, 15.0, 15.0}; }

std::unique_ptr<frmMain> OpenWindow(AppState& state)
{
    auto window = std::make_unique<frmMain>(state, Screen(), [] { return QString(); });
    window->Timers().StopFileScan();
    window->setAttribute(Qt::WA_DontShowOnScreen);
    return window;
}

double PeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void BM_StartUpToFirstPaint(benchmark::State& state)
{
    const auto folder = ProgramFolderWith(int(state.range(0)));
    const QString program = folder->path() + QLatin1Char('/');
    double ours = 0, peer = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        {
            AppState app;
            app.ProgramFolder = program;
            auto window = OpenWindow(app);
            QImage painted(window->size(), QImage::Format_RGB32);
            window->render(&painted);
            const double t = Seconds(start);
            ours += t;
            state.SetIterationTime(t);
        }
        start = Clock::now();
        MediaTable table;
        benchmark::DoNotOptimize(LoadMediaDatabase(table, program));
        peer += Seconds(start);
    }
    state.counters["ratio"] = ours / peer;
    state.counters["peak_MB"] = PeakMegabytes();
}

void BM_SearchKeystroke(benchmark::State& state)
{
    const QString search = state.range(1) == 0 ? QStringLiteral("zeph") : QStringLiteral("a");
    const auto folder = ProgramFolderWith(int(state.range(0)));
    AppState app;
    app.ProgramFolder = folder->path() + QLatin1Char('/');
    auto window = OpenWindow(app);
    window->show();
    auto* list = window->findChild<ucAdvList*>(QStringLiteral("alMain"));
    std::vector<QString> texts;
    for (qint32 i = 0; i < app.Media.MediaCount(); ++i)
        texts.push_back(BuildRowText(app.Media.MediaList[i], i));

    QImage painted(list->size(), QImage::Format_RGB32);
    const double first = Clock::now();
    window->Rows().FilterMediaList(search);
    list->render(&painted);
    state.counters["first_ms"] = Seconds(first) * 1e3;
    double ours = 0, peer = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        window->Rows().FilterMediaList(search);
        list->render(&painted);
        const double t = Seconds(start);
        ours += t;
        state.SetIterationTime(t);

        start = Clock::now();
        int matches = 0;
        for (const QString& text : texts)
            matches += text.contains(search, Qt::CaseInsensitive) ? 1 : 0;
        benchmark::DoNotOptimize(matches);
        peer += Seconds(start);
        state.counters["rows"] = matches;
    }
    state.counters["ratio"] = ours / peer;
}

} // namespace

BENCHMARK(BM_StartUpToFirstPaint)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SearchKeystroke)
    ->Args({10000, 0})->Args({10000, 1})->Args({100000, 0})->Args({100000, 1})
    ->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }
