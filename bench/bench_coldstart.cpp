// The program's start as a user meets it: a fresh "ridevault" process each run, on an empty library
// and on one of many records (without and with a fingerprint per record in its side file), timed
// from fork until its window is mapped and until the window shows its first paint.
// Needs an X display (DISPLAY), for example an Xvfb:
//
//   Xvfb :171 -screen 0 1280x1024x24 -nolisten tcp &  DISPLAY=:171 bench_coldstart
//   bench_coldstart [--program PATH] [--records N] [--runs N]
//
// The window is watched from outside, so the program runs as it always does: the map is the
// MapNotify of its top-level window on the root, and the paint is the moment a block in the middle
// of the window stops showing what the root showed there (the program's windows have no background
// of their own, so the server leaves the root's pixels until the program draws). The process is
// then killed and its CPU time up to that moment read from wait4. Medians, the two libraries
// interleaved, with the load average beside them.

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

struct Run {
    double Map = 0;    // seconds from fork to the window's MapNotify
    double Paint = 0;  // seconds from fork to the first painted pixels
    double Cpu = 0;    // the process's user + system seconds when it was killed after the paint
};

double Since(SteadyClock::time_point start)
{
    return std::chrono::duration<double>(SteadyClock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

constexpr int kBlock = 16;

// The pixels of a block of the root window, row after row, or empty when they cannot be read.
QByteArray Pixels(xcb_connection_t* x, xcb_window_t root, int left, int top, int width, int height)
{
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, root, qint16(left), qint16(top), quint16(width), quint16(height), ~0u),
        nullptr);
    if (!reply)
        return {};
    const QByteArray bytes(reinterpret_cast<const char*>(xcb_get_image_data(reply)), xcb_get_image_data_length(reply));
    std::free(reply);
    return bytes;
}

// The block at left, top cut from a whole-screen image of width x height pixels.
QByteArray BlockOf(const QByteArray& screen, int width, int height, int left, int top)
{
    const qsizetype pixel = screen.size() / (qsizetype(width) * height);
    QByteArray block;
    for (int row = 0; row < kBlock; ++row)
        block += screen.mid((qsizetype(top + row) * width + left) * pixel, kBlock * pixel);
    return block;
}

class Display {
public:
    Display()
        : m_x(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_x))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data;
        m_root = screen->root;
        m_width = screen->width_in_pixels;
        m_height = screen->height_in_pixels;
        const quint32 mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_x, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_x);
    }
    ~Display() { xcb_disconnect(m_x); }
    bool Ok() const { return !xcb_connection_has_error(m_x); }

    // Starts the program on folder and times it up to its window's map and first paint.
    Run Start(const QString& program, const QString& folder)
    {
        Drain();
        // The screen as it is before the program starts; read outside the timed span.
        const QByteArray screen = Pixels(m_x, m_root, 0, 0, m_width, m_height);
        std::vector<QByteArray> owned{program.toLocal8Bit(), QByteArrayLiteral("--program-folder"), folder.toLocal8Bit()};
        std::vector<char*> argv;
        for (QByteArray& a : owned)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        Run run;
        const auto start = SteadyClock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        xcb_window_t window = XCB_NONE;
        while (window == XCB_NONE) {
            xcb_generic_event_t* event = xcb_wait_for_event(m_x);
            if (!event)
                break;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->event == m_root && !map->override_redirect)
                    window = map->window;
            }
            std::free(event);
        }
        run.Map = Since(start);
        if (window != XCB_NONE) {
            xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(m_x, xcb_get_geometry(m_x, window), nullptr);
            const int left = geometry ? std::clamp(geometry->x + geometry->width / 2, 0, m_width - kBlock) : 0;
            const int top = geometry ? std::clamp(geometry->y + geometry->height / 2, 0, m_height - kBlock) : 0;
            std::free(geometry);
            const QByteArray before = BlockOf(screen, m_width, m_height, left, top);
            // The root's pixels stay until the program draws over them; looking costs the server
            // one small copy every half millisecond.
            while (Pixels(m_x, m_root, left, top, kBlock, kBlock) == before && Since(start) < 60)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            run.Paint = Since(start);
        }
        kill(pid, SIGKILL);
        rusage usage{};
        int status = 0;
        wait4(pid, &status, 0, &usage);
        run.Cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        return run;
    }

private:
    // Throws away what earlier runs left queued (their windows' unmaps).
    void Drain()
    {
        std::free(xcb_get_input_focus_reply(m_x, xcb_get_input_focus(m_x), nullptr));  // a round trip
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_x))
            std::free(event);
    }

    xcb_connection_t* m_x;
    xcb_window_t m_root = XCB_NONE;
    int m_width = 0;
    int m_height = 0;
};

// A library of count records, written by a child so this process stays small; with `prints`
// every record has a fingerprint, so the side file holds one entry per record.
bool MakeLibrary(const QString& folder, int count, bool prints)
{
    const pid_t pid = fork();
    if (pid == 0) {
        MediaTable t;
        const NameScheme scheme;
        const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
        for (int i = 0; i < count; ++i) {
            AddMediaRecord(t, QStringLiteral("/home/rider/Trakora/Tracks/Downloads %1/author_%2 - steel_dragon_%3.tktrack")
                                  .arg(i / 500).arg(i % 97).arg(i), scheme, when);
            MediaRecord& r = t.MediaList.back();
            r.Rating = QStringLiteral("****");
            r.RideCount = i % 13;
            if (prints) {
                ContentFingerprint print;
                print.Size = 50000 + i;
                print.Hash[0] = quint8(i);
                print.Hash[1] = quint8(i >> 8);
                print.Hash[2] = quint8(i >> 16);
                t.SetFingerprint(i, print);
            }
        }
        _exit(SaveMediaDatabase(t, folder) ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QByteArray LoadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("?");
}

void Print(const char* name, const std::vector<Run>& runs)
{
    std::vector<double> map, paint, cpu;
    for (const Run& r : runs) {
        map.push_back(r.Map);
        paint.push_back(r.Paint);
        cpu.push_back(r.Cpu);
    }
    std::printf("%-24s map %7.1f ms   first paint %7.1f ms   cpu %7.1f ms\n", name, Median(map) * 1e3,
                Median(paint) * 1e3, Median(cpu) * 1e3);
}

} // namespace

int main(int argc, char** argv)
{
    QString program = QStringLiteral(RIDEVAULT_GUI);
    int records = 100000;
    int rounds = 7;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--program"))
            program = QString::fromLocal8Bit(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--records"))
            records = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--runs"))
            rounds = std::atoi(argv[i + 1]);
    }
    Display display;
    if (!display.Ok()) {
        std::fprintf(stderr, "no X display: set DISPLAY (an Xvfb will do)\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty")) + QLatin1Char('/');
    const QString full = dir.filePath(QStringLiteral("full")) + QLatin1Char('/');
    const QString printed = dir.filePath(QStringLiteral("printed")) + QLatin1Char('/');
    QDir().mkpath(empty);
    QDir().mkpath(full);
    QDir().mkpath(printed);
    if (!MakeLibrary(full, records, false) || !MakeLibrary(printed, records, true)) {
        std::fprintf(stderr, "cannot write a library in %s\n", qPrintable(full));
        return 1;
    }
    std::printf("program %s\n%d records, %.1f MiB; load average before: %s\n", qPrintable(program), records,
                double(QFile(MediaDatabasePath(full)).size()) / (1 << 20), LoadAverage().constData());

    // One start of each first, so both libraries' files and the program are in the page cache.
    display.Start(program, empty);
    display.Start(program, full);
    display.Start(program, printed);
    std::vector<Run> emptyRuns, fullRuns, printedRuns;
    for (int i = 0; i < rounds; ++i) {
        emptyRuns.push_back(display.Start(program, empty));
        fullRuns.push_back(display.Start(program, full));
        printedRuns.push_back(display.Start(program, printed));
    }
    Print("empty library", emptyRuns);
    Print(qPrintable(QStringLiteral("%1 records").arg(records)), fullRuns);
    Print("  + fingerprints", printedRuns);
    auto medianOf = [](const std::vector<Run>& runs, double Run::*field) {
        std::vector<double> v;
        for (const Run& r : runs)
            v.push_back(r.*field);
        return Median(v);
    };
    std::printf("first paint, records - empty: %.1f ms wall, %.1f ms cpu\n",
                (medianOf(fullRuns, &Run::Paint) - medianOf(emptyRuns, &Run::Paint)) * 1e3,
                (medianOf(fullRuns, &Run::Cpu) - medianOf(emptyRuns, &Run::Cpu)) * 1e3);
    std::printf("first paint, with fingerprints / without: %.3fx wall, %.3fx cpu\n",
                medianOf(printedRuns, &Run::Paint) / medianOf(fullRuns, &Run::Paint),
                medianOf(printedRuns, &Run::Cpu) / medianOf(fullRuns, &Run::Cpu));
    std::printf("load average after: %s\n", LoadAverage().constData());
    return 0;
}
