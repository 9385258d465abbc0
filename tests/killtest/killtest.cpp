// Crash safety at scale, outside the test run (scripts/killtest.sh runs it):
//
//   killtest ROUNDS [database|settings|theme|install]...
//
// Each kind starts a child process (this program again, with --child) that saves or installs, kills
// it with SIGKILL at a random moment, and checks what is left:
//   database, settings, theme  the child saves two different files in turn until killed; the file
//                              must always be one of the two, byte for byte; for the database so
//                              must its side file, and the newest backup (every save rotates the
//                              backups) must be one of the two databases too;
//   install                    the child installs a package once; after the kill a clean-up runs,
//                              and the simulator folder must be exactly as before the installation
//                              (files, contents, folders, hidden ones included) and the list gone.
// The child counts, in a small shared file, the saves it began and ended (or the installation's
// start and end), so the driver knows whether the kill landed in the middle of a write.
// One line per kind: rounds, kills that landed mid-write, failures. Exit status 1 on any failure.

#include "TestFolder.h"

#include "library/DatabaseBackups.h"
#include "library/MediaDatabase.h"
#include "library/MediaSideFile.h"
#include "TwoDatabases.h"
#include "ride/CleanupInstalledFiles.h"
#include "ride/InstalledFilesList.h"
#include "ride/PackageInstall.h"
#include "ride/PackageWriter.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <csignal>
#include <functional>
#include <sys/mman.h>
#include <sys/types.h>

namespace {

// Two counters the child keeps in a file both processes map: writes begun and writes ended.
struct Progress {
    quint64 begun = 0;
    quint64 ended = 0;
};

Progress* MapProgress(const QString& path, QFile& file)
{
    file.setFileName(path);
    if (!file.open(QIODevice::ReadWrite) || !file.resize(sizeof(Progress)))
        qFatal("cannot map %s", qPrintable(path));
    void* at = ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED, file.handle(), 0);
    if (at == MAP_FAILED)
        qFatal("cannot map %s", qPrintable(path));
    return static_cast<Progress*>(at);
}

// --- the two versions each save alternates between ---

AppSettings Settings(int variant)
{
    AppSettings s;
    s.ThemeName = variant ? QStringLiteral("Night") : QStringLiteral("Day");
    for (int i = 0; i < 40 + 40 * variant; ++i)
        s.MediaPaths << QStringLiteral("/media/rides/folder %1 of variant %2/").arg(i).arg(variant);
    s.SimulatorPath = QStringLiteral("/games/Trakora/");
    return s;
}

Theme ThemeVariant(int variant)
{
    Theme t = DefaultTheme();
    t.ListFont.Name = variant ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans");
    t.ListBackground = variant ? 0x00202020 : 0x00FFFFFF;
    t.PreviewWidth = 160 + 80 * variant;
    return t;
}

// The two databases, each with fingerprints and retired records of its own for the side file.
MediaTable DatabaseVariant(int variant)
{
    MediaTable t = variant ? KillTestTable(1500, "beta") : KillTestTable(3000, "alpha");
    for (int i = 0; i < 400 * (variant + 1); ++i) {
        ContentFingerprint print;
        print.Size = 1000 + i;
        print.Hash.fill(quint8(i + variant));
        if (i < t.MediaCount())
            t.SetFingerprint(i, print);
        t.Retired.Retire(t.MediaList[size_t(i)], print);
    }
    return t;
}

// What is wrong with the file a kill left ("" when it is one of the two versions whole).
QString WhichIsTorn(const QString& path, const QByteArray (&versions)[2])
{
    const QByteArray now = TestFolder::readFile(path);
    if (now == versions[0] || now == versions[1])
        return {};
    return QStringLiteral("%1 is neither version (%2 bytes)").arg(QFileInfo(path).fileName()).arg(now.size());
}

struct SaveKind {
    const char* name;
    QString fileName;
    std::function<bool(int, const QString&)> save;  // the program's own save of that variant
    std::function<QString(const QString&)> torn;    // what a kill left torn at that path, "" for nothing
};

std::vector<SaveKind> SaveKinds()
{
    static const MediaTable tables[2] = {DatabaseVariant(0), DatabaseVariant(1)};
    static const QByteArray databases[2] = {EncodeMediaDatabase(tables[0]), EncodeMediaDatabase(tables[1])};
    static const QByteArray sides[2] = {EncodeMediaSideFile(tables[0], StampOf(databases[0])),
                                        EncodeMediaSideFile(tables[1], StampOf(databases[1]))};
    static const QByteArray settings[2] = {EncodeSettings(Settings(0)), EncodeSettings(Settings(1))};
    static const QByteArray themes[2] = {EncodeTheme(ThemeVariant(0)), EncodeTheme(ThemeVariant(1))};
    return {
        {"database", QStringLiteral("Ridevault.rvltdb"),
         [](int v, const QString& path) { return SaveMediaDatabaseFile(tables[v], path); },
         [](const QString& path) {
             QStringList torn{WhichIsTorn(path, databases), WhichIsTorn(MediaSideFilePath(path), sides)};
             const std::vector<DatabaseBackup> backups = ListDatabaseBackups(path);
             if (backups.empty())
                 torn << QStringLiteral("no backup");
             else
                 torn << WhichIsTorn(backups.front().File, databases);
             torn.removeAll(QString());
             return torn.join(QStringLiteral("; "));
         }},
        {"settings", QStringLiteral("Ridevault.rvltdat"),
         [](int v, const QString& path) { return WriteSettingsFile(Settings(v), path); },
         [](const QString& path) { return WhichIsTorn(path, settings); }},
        {"theme", QStringLiteral("Dark.rvltt"), [](int v, const QString& path) { return WriteThemeFile(ThemeVariant(v), path); },
         [](const QString& path) { return WhichIsTorn(path, themes); }},
    };
}

// --- the package and the simulator folder it installs into ---

// A simulator folder with its own files, some of which the package carries too in another letter
// case, and a user folder the package adds to.
void LayOutSimulator(const QString& sim)
{
    QDir().mkpath(sim);
    for (const char* folder : {"CarTextures", "Data", "Elements", "Environments", "Help", "Objects", "Plugins",
                               "Screenshots", "TeraTextures", "Tracks", "Woody"})
        QDir(sim).mkpath(QLatin1String(folder));
    const auto put = [&](const char* relative, const QByteArray& bytes) {
        QDir(sim).mkpath(QFileInfo(QDir(sim).filePath(QLatin1String(relative))).path());
        QFile f(QDir(sim).filePath(QLatin1String(relative)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot lay out %s", relative);
    };
    put("TrakoraSimulator.exe", "MZ");
    put("Objects/Loop.OBJ", "the user's own loop");
    put("Objects/UserSet/mine.obj", "the user's own set");
    put("Tracks/Demo.tktrack", "demo");
}

QByteArray BuildPackage()
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    PackageWriter writer(out);
    const auto add = [&](const QString& folder, const QString& name, int size, int seed) {
        QByteArray data;
        while (data.size() < size)
            data += QByteArray::number(seed * 7919 + data.size()) + " vertex normal texture\n";
        data.truncate(size);
        writer.AddEntry(folder, name, data, 6);
    };
    add(QStringLiteral("objects\\"), QStringLiteral("loop.obj"), 500, 1);                 // exists as Loop.OBJ
    add(QStringLiteral("tracks\\"), QStringLiteral("demo.TKTRACK"), 300, 2);             // exists as Demo.tktrack
    add(QStringLiteral("objects\\userset\\"), QStringLiteral("extra.obj"), 4000, 3);      // into the user's folder
    for (int i = 0; i < 300; ++i)
        add(QStringLiteral("objects\\killset\\part%1\\").arg(i / 30), QStringLiteral("piece%1.obj").arg(i),
            2000 + 97 * i, 10 + i);
    add(QStringLiteral("tracks\\"), QStringLiteral("Kill Loop.tktrack"), 30000, 4);
    if (!writer.Finish({QStringLiteral("killtest")}))
        qFatal("cannot build the package");
    return out.data();
}

// Everything below a folder, hidden entries included, links never followed: "path" -> bytes for a
// file, "path/" -> "" for a folder, "path@" -> target for a link.
QMap<QString, QByteArray> Snapshot(const QString& root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink())
            out.insert(relative + QLatin1Char('@'), info.symLinkTarget().toUtf8());
        else if (info.isDir())
            out.insert(relative + QLatin1Char('/'), QByteArray());
        else
            out.insert(relative, TestFolder::readFile(path));
    }
    return out;
}

// --- children ---

int SaveChild(const QString& kind, const QString& path, Progress* progress)
{
    for (const SaveKind& k : SaveKinds()) {
        if (kind != QLatin1String(k.name))
            continue;
        for (quint64 n = 0;; ++n) {
            progress->begun = n + 1;
            if (!k.save(int(n % 2), path))
                return 1;
            progress->ended = n + 1;
            if (n == 0) {
                std::puts("ready");
                std::fflush(stdout);
            }
        }
    }
    return 2;
}

int InstallChild(const QString& sim, const QString& prog, const QString& pack, Progress* progress)
{
    PackageInstallation installation;
    installation.SimulatorPath = sim;
    installation.ProgramFolder = prog;
    std::puts("ready");
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    progress->begun = 1;
    const PackageResult result = InstallPackage(installation, pack);
    progress->ended = 1;
    std::printf("%lld\n", static_cast<long long>(timer.nsecsElapsed() / 1000));
    return result == kPackageInstalled ? 0 : 1;
}

// --- the driver ---

struct Tally {
    int rounds = 0;
    int midWrite = 0;
    int failures = 0;
};

// Starts the child, waits for its "ready", lets it run `delayUs` and kills it. Returns false when
// it never got ready.
bool RunAndKill(const QStringList& args, qint64 delayUs, QProcess& child)
{
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForStarted(10000) || !child.waitForReadyRead(30000))
        return false;
    QThread::usleep(static_cast<unsigned long>(delayUs));
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    child.waitForFinished(30000);
    return true;
}

Tally KillSaves(const SaveKind& kind, int rounds, const QString& work, QRandomGenerator& random)
{
    Tally tally;
    const QString path = QDir(work).filePath(kind.fileName);
    QFile mapped;
    Progress* progress = MapProgress(QDir(work).filePath(QStringLiteral("progress-") + QLatin1String(kind.name)), mapped);
    // One save takes about as long as writing its bytes; kills spread over a few saves' time.
    QElapsedTimer timer;
    timer.start();
    if (!kind.save(0, path) || !kind.save(1, path))
        qFatal("cannot save %s", kind.name);
    const qint64 spanUs = std::max<qint64>(200, 4 * timer.nsecsElapsed() / 1000);
    for (int round = 0; round < rounds; ++round) {
        *progress = Progress();
        QProcess child;
        ++tally.rounds;
        if (!RunAndKill({QStringLiteral("--child"), QLatin1String(kind.name), path, mapped.fileName()},
                        random.bounded(spanUs), child)) {
            ++tally.failures;
            continue;
        }
        if (progress->begun != progress->ended)
            ++tally.midWrite;
        const QString torn = kind.torn(path);
        if (!torn.isEmpty()) {
            ++tally.failures;
            std::fprintf(stderr, "%s round %d: %s\n", kind.name, round, qPrintable(torn));
        }
    }
    return tally;
}

Tally KillInstalls(int rounds, const QString& work, QRandomGenerator& random)
{
    Tally tally;
    const QString sim = QDir(work).filePath(QStringLiteral("sim"));
    const QString prog = QDir(work).filePath(QStringLiteral("prog"));
    const QString pack = QDir(work).filePath(QStringLiteral("kill.tkpack"));
    QDir().mkpath(prog);
    LayOutSimulator(sim);
    {
        QFile f(pack);
        const QByteArray bytes = BuildPackage();
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write the package");
    }
    const QMap<QString, QByteArray> before = Snapshot(sim);
    QFile mapped;
    Progress* progress = MapProgress(QDir(work).filePath(QStringLiteral("progress-install")), mapped);
    const QStringList args{QStringLiteral("--child"), QStringLiteral("install"), sim, prog, pack, mapped.fileName()};

    // How long one installation takes, from the child's "ready" to its end.
    qint64 spanUs = 0;
    for (int i = 0; i < 3; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), args);
        child.waitForFinished(60000);
        const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        if (child.exitCode() != 0 || lines.size() < 2)
            qFatal("the installation does not run: %s", child.readAllStandardError().constData());
        spanUs = std::max(spanUs, lines[1].toLongLong());
        CleanupInstalledFiles(sim, prog);
    }
    spanUs = spanUs * 5 / 4 + 1000;  // the child's own start-up after "ready" too

    for (int round = 0; round < rounds; ++round) {
        *progress = Progress();
        QProcess child;
        ++tally.rounds;
        const bool killed = RunAndKill(args, random.bounded(spanUs), child);
        if (progress->begun == 1 && progress->ended == 0)
            ++tally.midWrite;
        CleanupInstalledFiles(sim, prog);
        const QMap<QString, QByteArray> after = Snapshot(sim);
        if (!killed || after != before || QFileInfo::exists(InstalledFilesListPath(prog))) {
            ++tally.failures;
            QStringList differing;
            for (auto it = after.cbegin(); it != after.cend(); ++it)
                if (before.value(it.key(), "\x01missing") != it.value())
                    differing << it.key();
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                if (!after.contains(it.key()))
                    differing << QStringLiteral("missing ") + it.key();
            std::fprintf(stderr, "install round %d: the simulator folder differs: %s\n", round,
                         qPrintable(differing.mid(0, 5).join(QStringLiteral(", "))));
            QDir(sim).removeRecursively();
            QFile::remove(InstalledFilesListPath(prog));
            LayOutSimulator(sim);
        }
    }
    return tally;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--child")) {
        QFile mapped;
        if (args.value(1) == QLatin1String("install") && args.size() == 6)
            return InstallChild(args[2], args[3], args[4], MapProgress(args[5], mapped));
        if (args.size() == 4)
            return SaveChild(args[1], args[2], MapProgress(args[3], mapped));
        return 2;
    }
    bool ok = false;
    const int rounds = args.value(0).toInt(&ok);
    if (!ok || rounds < 1) {
        std::fprintf(stderr, "usage: killtest ROUNDS [database|settings|theme|install]...\n");
        return 2;
    }
    QStringList kinds = args.mid(1);
    if (kinds.isEmpty())
        kinds = {QStringLiteral("database"), QStringLiteral("settings"), QStringLiteral("theme"), QStringLiteral("install")};

    QRandomGenerator random(QRandomGenerator::global()->generate());
    TestFolder work;
    int failures = 0;
    for (const QString& kind : kinds) {
        Tally tally;
        if (kind == QLatin1String("install")) {
            tally = KillInstalls(rounds, work.filePath(QStringLiteral("install")), random);
        } else {
            bool known = false;
            for (const SaveKind& k : SaveKinds()) {
                if (kind != QLatin1String(k.name))
                    continue;
                known = true;
                QDir().mkpath(work.filePath(kind));
                tally = KillSaves(k, rounds, work.filePath(kind), random);
            }
            if (!known) {
                std::fprintf(stderr, "killtest: unknown kind %s\n", qPrintable(kind));
                return 2;
            }
        }
        std::printf("%-9s rounds %d  kills mid-write %d  failures %d\n", qPrintable(kind), tally.rounds,
                    tally.midWrite, tally.failures);
        std::fflush(stdout);
        failures += tally.failures;
    }
    return failures == 0 ? 0 : 1;
}
