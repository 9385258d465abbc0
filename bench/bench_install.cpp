// Package installation against a plain zlib inflate of the same streams.
//
// The package (200 MB of files in 2,000 entries of text-like data) is generated once into a
// temporary folder. Each iteration inflates every stream into memory with zlib alone, then installs
// the package into an empty simulator folder; the reported time is the installation's, and the
// counters give both times and their ratio (install / inflate), so the cost of checking, staging,
// listing and moving files into place shows as one number. The simulator folder lies in the
// system's temporary folder (argument 0: ext4 on the reference machine) or in /dev/shm (argument 1:
// tmpfs), so the file system's own share shows too.
//
// A file system's cost of taking 200 MB in 2,000 new files is no part of the installation's own
// work, so the floor is measured beside it: the same sizes written as plain new files into the same
// file system ("write_ms"), and "install_per_floor" = install / (inflate + write). Every timed
// part starts after a sync, so no writeback left by an earlier iteration lands on a later one.

#include "ride/PackageFormat.h"
#include "ride/PackageInstall.h"
#include "ride/PackageWriter.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <zlib.h>

#include <chrono>
#include <random>

#include <unistd.h>

namespace {

constexpr int kEntries = 2000;
constexpr qsizetype kEntrySize = 100'000;  // 2,000 x 100 kB = 200 MB

// Words with some numbers in between: compresses about as well as track and object files do.
QByteArray EntryData(std::mt19937& random)
{
    static const char* const words[] = {"station", "loop", "track", "segment", "support", "train", "car",
                                        "brake", "lift", "chain", "helix", "inversion", "texture", "object",
                                        "vertex", "normal", "0.25", "1.5", "-3.75", "{", "}", ";", "\n"};
    std::uniform_int_distribution<size_t> pick(0, std::size(words) - 1);
    std::uniform_int_distribution<int> digit(0, 9999);
    QByteArray data;
    data.reserve(kEntrySize + 32);
    while (data.size() < kEntrySize) {
        data += words[pick(random)];
        data += ' ';
        if (pick(random) < 4)
            data += QByteArray::number(digit(random)) + ' ';
    }
    data.truncate(kEntrySize);
    return data;
}

struct Fixture {
    QTemporaryDir dir;
    QString packagePath;
    QByteArray packageBytes;
    PackageContents contents;

    Fixture()
    {
        packagePath = dir.filePath(QStringLiteral("big.tkpack"));
        QSaveFile file(packagePath);
        file.open(QIODevice::WriteOnly);
        PackageWriter writer(file);
        std::mt19937 random(42);
        for (int i = 0; i < kEntries; ++i) {
            const QString folder = QStringLiteral("objects\\set%1\\").arg(i / 100);
            writer.AddEntry(folder, QStringLiteral("part%1.obj").arg(i), EntryData(random), 6);
        }
        writer.Finish({QStringLiteral("benchmark")});
        file.commit();
        QFile in(packagePath);
        in.open(QIODevice::ReadOnly);
        packageBytes = in.readAll();
        ParsePackage(packageBytes, contents);
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The peer: every stream through zlib's uncompress into a buffer of its size, nothing else.
double InflateAll(const Fixture& f)
{
    const auto start = std::chrono::steady_clock::now();
    QByteArray out;
    for (const PackageEntry& e : f.contents.Entries) {
        out.resize(e.UncompressedSize);
        uLongf length = uLongf(e.UncompressedSize);
        const auto* source = reinterpret_cast<const Bytef*>(f.packageBytes.constData() + f.contents.DataBase + e.Offset);
        if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length, source, uLong(e.CompressedSize)) != Z_OK)
            std::abort();
        benchmark::DoNotOptimize(out.data());
    }
    return Seconds(std::chrono::steady_clock::now() - start);
}

// The floor's other half: a new file of each entry's size in `folder` (one folder per hundred, as in
// the package), written whole and closed, nothing else.
double WriteAll(const Fixture& f, const QString& folder)
{
    const QByteArray bytes(kEntrySize, 'x');
    const auto start = std::chrono::steady_clock::now();
    int i = 0;
    for (const PackageEntry& e : f.contents.Entries) {
        if (i % 100 == 0)
            QDir().mkpath(QStringLiteral("%1/set%2").arg(folder).arg(i / 100));
        QFile file(QStringLiteral("%1/set%2/part%3.obj").arg(folder).arg(i / 100).arg(i));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)
            || file.write(bytes.constData(), e.UncompressedSize) != e.UncompressedSize)
            std::abort();
        ++i;
    }
    return Seconds(std::chrono::steady_clock::now() - start);
}

void BM_InstallPackage(benchmark::State& state)
{
    Fixture& f = TheFixture();
    double installTotal = 0;
    double inflateTotal = 0;
    double writeTotal = 0;
    for (auto _ : state) {
        inflateTotal += InflateAll(f);

        const QString base = state.range(0) ? QStringLiteral("/dev/shm") : f.dir.path();
        {
            QTemporaryDir plain(base + QStringLiteral("/ridevault-bench-XXXXXX"));
            sync();
            writeTotal += WriteAll(f, plain.path());
        }
        QTemporaryDir work(base + QStringLiteral("/ridevault-bench-XXXXXX"));
        QDir(work.path()).mkpath(QStringLiteral("sim/objects"));
        QDir(work.path()).mkpath(QStringLiteral("prog"));
        PackageInstallation installation;
        installation.SimulatorPath = work.filePath(QStringLiteral("sim"));
        installation.ProgramFolder = work.filePath(QStringLiteral("prog"));
        sync();
        const auto start = std::chrono::steady_clock::now();
        const PackageResult result = InstallPackage(installation, f.packagePath);
        const double seconds = Seconds(std::chrono::steady_clock::now() - start);
        if (result != kPackageInstalled || installation.Created.size() != kEntries) {
            state.SkipWithError("installation failed");
            return;
        }
        state.SetIterationTime(seconds);
        installTotal += seconds;
    }
    const double n = double(state.iterations());
    state.counters["install_ms"] = 1000 * installTotal / n;
    state.counters["inflate_ms"] = 1000 * inflateTotal / n;
    state.counters["write_ms"] = 1000 * writeTotal / n;
    state.counters["install_per_inflate"] = installTotal / inflateTotal;
    state.counters["install_per_floor"] = installTotal / (inflateTotal + writeTotal);
    state.counters["package_MB"] = double(f.packageBytes.size()) / 1e6;
    state.SetLabel(state.range(0) ? "tmpfs (/dev/shm)" : qPrintable(QDir::tempPath()));
    state.counters["unpacked_MB"] = double(kEntries) * double(kEntrySize) / 1e6;
}

} // namespace

BENCHMARK(BM_InstallPackage)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
