// "ridevault-cli scan" as a user meets it: a fresh process each run (fork + exec) walking a tree of
// 100,000 files in 1,000 folders, against a forked child that walks the same tree with
// std::filesystem and prints the same paths (the visible ".tktrack" and ".tkpack" files). Both
// print into a file; process start is taken off the scan (the same program's "--version").
//
// Prints medians of wall time and of the child's CPU time (user + system, from wait4), the ratios
// (scan - start) / walk and scan / walk, whether both printed the same paths (as sets: the scan is
// breadth-first, the walk depth-first), with the load average beside them.
//
//   bench_coldscan [--cli PATH] [--files N] [--runs N]

#include "ColdProcess.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr int kFilesPerFolder = 100;

// `files` files, 100 per folder, the folders two levels deep below root; four in ten are tracks,
// two in ten packages, the rest other files.
bool MakeTree(const QString& root, int files)
{
    const char* kinds[] = {".tktrack", ".tktrack", ".tkpack", ".txt", ".tktrack",
                           ".bmp", ".tktrack", ".tkpack", ".txt", ".dat"};
    for (int i = 0; i < files; ++i) {
        const int folder = i / kFilesPerFolder;
        const QString dir = QStringLiteral("%1/g%2/f%3").arg(root).arg(folder / 32).arg(folder % 32);
        if (i % kFilesPerFolder == 0 && !QDir().mkpath(dir))
            return false;
        const QByteArray file =
            QStringLiteral("%1/ride number %2%3").arg(dir).arg(i).arg(QLatin1String(kinds[i % 10])).toLocal8Bit();
        const int fd = open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        close(fd);
    }
    return true;
}

// The peer: every visible regular file with either extension, hidden folders not entered, one
// path a line on buffered standard output.
int FilesystemWalk(const std::string& root)
{
    namespace fs = std::filesystem;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().filename().string();
        if (name[0] == '.') {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file() && (name.ends_with(".tktrack") || name.ends_with(".tkpack"))) {
            const std::string& path = it->path().native();
            std::fwrite(path.data(), 1, path.size(), stdout);
            std::fputc('\n', stdout);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

QStringList SortedLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    QString cli = QStringLiteral(RIDEVAULT_CLI);
    int files = 100000;
    int rounds = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--cli"))
            cli = QString::fromLocal8Bit(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--files"))
            files = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--runs"))
            rounds = std::atoi(argv[i + 1]);
    }
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("media"));
    if (!MakeTree(root, files)) {
        std::fprintf(stderr, "cannot make the tree in %s\n", qPrintable(root));
        return 1;
    }
    const QString scanOut = dir.filePath(QStringLiteral("scan.txt"));
    const QString walkOut = dir.filePath(QStringLiteral("walk.txt"));
    std::printf("cli %s\n%d files in %d folders; load average before: %s\n", qPrintable(cli), files,
                (files + kFilesPerFolder - 1) / kFilesPerFolder, ColdLoadAverage().constData());

    // Interleaved, so a change in the machine's load falls on all three alike.
    const std::string rootPath = root.toStdString();
    std::vector<ColdRun> start, scan, walk;
    for (int i = 0; i < rounds; ++i) {
        start.push_back(ColdSpawn(cli, {QStringLiteral("--version")}));
        scan.push_back(ColdSpawn(cli, {QStringLiteral("scan"), root}, scanOut.toLocal8Bit()));
        walk.push_back(ColdFork(walkOut.toLocal8Bit(), [&] { return FilesystemWalk(rootPath); }));
    }
    ColdPrint("process start (--version)", start);
    ColdPrint("scan", scan);
    ColdPrint("std::filesystem walk", walk);

    const QStringList scanned = SortedLines(scanOut);
    const bool same = scanned == SortedLines(walkOut);
    std::printf("same paths: %s (%lld)\n", same ? "yes" : "NO", static_cast<long long>(scanned.size()));
    for (double ColdRun::*field : {&ColdRun::Wall, &ColdRun::Cpu}) {
        const double w = ColdMedianOf(walk, field);
        std::printf("%s: (scan - start) / walk = %.2fx   scan / walk = %.2fx\n",
                    field == &ColdRun::Wall ? "wall" : "cpu ",
                    (ColdMedianOf(scan, field) - ColdMedianOf(start, field)) / w, ColdMedianOf(scan, field) / w);
    }
    std::printf("load average after: %s\n", ColdLoadAverage().constData());
    return same ? 0 : 1;
}
