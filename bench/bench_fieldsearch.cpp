// Search speed over 100,000 realistic records, each query one pass over every record as the main
// list's filter makes it on a keystroke (row texts built beforehand, as the list keeps them).
//
// Times are the thread's CPU time.
// BM_PlainQuery: a plain text through FieldSearch against today's direct RowTextMatches of the same
// text ("vs_today", should stay about 1). BM_FieldQuery/N: field query N against the plain scan of
// the word "dragon" over the same rows ("vs_plain", must stay at most 3).

#include "library/FieldSearch.h"
#include "library/RowText.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

constexpr int kRecords = 100000;

struct Library {
    std::vector<MediaRecord> Records;
    std::vector<QString> Rows;
};

const Library& TheLibrary()
{
    static const Library library = [] {
        Library l;
        const char* authors[] = {"John Smith", "Anna Lee", "Peter Brown", "Mia Wong", ""};
        for (int i = 0; i < kRecords; ++i) {
            MediaRecord r;
            r.FileType = i % 5 == 0 ? FileTypePackage : FileTypeTrack;
            r.TypeName = TypeNameOf(r.FileType);
            r.FilePath = QStringLiteral("/home/rider/Trakora/Tracks/Downloads %1/author_%2 - steel_dragon_%3%4")
                             .arg(i / 500).arg(i % 97).arg(i).arg(QLatin1String(r.FileType ? ".tkpack" : ".tktrack"));
            r.Title = QStringLiteral("Steel Dragon %1").arg(i % 1000);
            r.Author = QLatin1String(authors[i % 5]);
            r.Rating = QString(i % 6, QLatin1Char('*'));
            r.Notes = (i % 4 == 0) ? QStringLiteral("Great airtime on the second hill, rough transitions.") : QString();
            r.AddDate = QStringLiteral("%1/%2/%3 12:34:56").arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                            .arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(2024 + i % 3);
            r.RideCount = i % 3 == 0 ? 0 : i % 13;
            if (r.RideCount > 0)
                r.RideDate = QStringLiteral("%1/%2/%3 08:00:00").arg((i / 7) % 12 + 1, 2, 10, QLatin1Char('0'))
                                 .arg(i % 27 + 1, 2, 10, QLatin1Char('0')).arg(2025 + i % 2);
            l.Rows.push_back(BuildRowText(r, i));
            l.Records.push_back(std::move(r));
        }
        return l;
    }();
    return library;
}

// The thread's own CPU time: on a machine shared with other builds the wall clock mostly measures
// the neighbours.
double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// One pass of today's filter: the plain text against every row text.
double TodayScan(const QString& text, int* found)
{
    const Library& l = TheLibrary();
    const double a = CpuSeconds();
    int n = 0;
    for (const QString& row : l.Rows)
        n += RowTextMatches(row, text) ? 1 : 0;
    *found = n;
    return CpuSeconds() - a;
}

// One pass of the filter as the window now runs it: the text read once, then every record.
double SearchScan(const QString& text, int* found)
{
    const Library& l = TheLibrary();
    const double a = CpuSeconds();
    const FieldSearch search(text);
    int n = 0;
    for (size_t i = 0; i < l.Records.size(); ++i)
        n += search.Matches(l.Records[i], l.Rows[i]) ? 1 : 0;
    *found = n;
    return CpuSeconds() - a;
}

void BM_PlainQuery(benchmark::State& state)
{
    TheLibrary();  // built before the clock runs
    const QString text = QStringLiteral("dragon 12");
    double ours = 0, today = 0;
    int found = 0, foundToday = 0;
    for (auto _ : state) {
        ours += SearchScan(text, &found);
        today += TodayScan(text, &foundToday);
    }
    if (found != foundToday)
        state.SkipWithError("the plain query found other records than today's search");
    state.counters["vs_today"] = ours / today;
    state.counters["found"] = found;
}

const char* const kFieldQueries[] = {
    "title:dragon",
    "type:track rating:>=3",
    "rode:2025-03..2025-06 -type:pack",
    "author:smith ridden:3..9 added:2025",
    "steel -notes:airtime rode:never",
    "path:\"downloads 12/\" dragon",
};

void BM_FieldQuery(benchmark::State& state)
{
    const QString text = QString::fromUtf8(kFieldQueries[state.range(0)]);
    const QString plain = QStringLiteral("dragon");
    TheLibrary();
    double ours = 0, scan = 0;
    int found = 0, foundPlain = 0;
    for (auto _ : state) {
        ours += SearchScan(text, &found);
        scan += TodayScan(plain, &foundPlain);
    }
    state.SetLabel(kFieldQueries[state.range(0)]);
    state.counters["vs_plain"] = ours / scan;
    state.counters["found"] = found;
}

} // namespace

BENCHMARK(BM_PlainQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FieldQuery)->DenseRange(0, int(std::size(kFieldQueries)) - 1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
