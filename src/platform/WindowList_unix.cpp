// X11 windows through libxcb; the process list through /proc when there is no X display.

#include "platform/WindowList.h"

#include "platform/NarrowText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

struct ConnectionCloser {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

xcb_atom_t InternAtom(xcb_connection_t* c, const char* name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(qstrlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> ChildrenOf(xcb_connection_t* c, xcb_window_t window)
{
    const XcbReply<xcb_query_tree_reply_t> reply(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    if (!reply)
        return {};
    const xcb_window_t* first = xcb_query_tree_children(reply.get());
    return std::vector<xcb_window_t>(first, first + xcb_query_tree_children_length(reply.get()));
}

// The bytes of an 8-bit text property; empty when the window lacks it.
QByteArray PropertyBytes(xcb_get_property_reply_t* reply)
{
    if (!reply || reply->type == XCB_ATOM_NONE || reply->format != 8)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                      xcb_get_property_value_length(reply));
}

// Every candidate top-level window, each once, in a stable order: the window manager's client
// list first (it names the real application windows even when they are framed), then the root's
// children and their children (frames keep their client one level down; without a window manager
// the application windows are the root's children themselves).
std::vector<xcb_window_t> CandidateWindows(xcb_connection_t* c, xcb_window_t root)
{
    std::vector<xcb_window_t> out;
    QSet<xcb_window_t> seen;
    auto add = [&](xcb_window_t w) {
        if (!seen.contains(w)) {
            seen.insert(w);
            out.push_back(w);
        }
    };

    const xcb_atom_t clientList = InternAtom(c, "_NET_CLIENT_LIST");
    if (clientList != XCB_ATOM_NONE) {
        const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, clientList, XCB_ATOM_WINDOW, 0, 1 << 16), nullptr));
        if (reply && reply->format == 32 && reply->type == XCB_ATOM_WINDOW) {
            const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
            const int count = xcb_get_property_value_length(reply.get()) / 4;
            for (int i = 0; i < count; ++i)
                add(ids[i]);
        }
    }
    const std::vector<xcb_window_t> topLevel = ChildrenOf(c, root);
    for (xcb_window_t w : topLevel)
        add(w);
    for (xcb_window_t w : topLevel)
        for (xcb_window_t child : ChildrenOf(c, w))
            add(child);
    return out;
}

// False when there is no X display to list, so the caller falls back to the processes.
bool EnumX11Windows(const std::function<bool(WindowHandle, const QString&)>& visit)
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return false;
    std::unique_ptr<xcb_connection_t, ConnectionCloser> connection(xcb_connect(display.constData(), nullptr));
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c))
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return false;

    const xcb_atom_t netWmName = InternAtom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8String = InternAtom(c, "UTF8_STRING");
    const std::vector<xcb_window_t> windows = CandidateWindows(c, screen->root);

    // Ask for every title at once and collect the answers afterwards: one round trip, not one per
    // window. Titles are asked for in 4-byte units; 128 covers the 511 characters kept.
    constexpr uint32_t kTitleUnits = 4 * 128;
    std::vector<xcb_get_property_cookie_t> netNames, wmNames;
    netNames.reserve(windows.size());
    wmNames.reserve(windows.size());
    for (xcb_window_t w : windows) {
        netNames.push_back(xcb_get_property(c, 0, w, netWmName, utf8String, 0, kTitleUnits));
        wmNames.push_back(xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, kTitleUnits));
    }
    bool stopped = false;
    for (size_t i = 0; i < windows.size(); ++i) {
        const XcbReply<xcb_get_property_reply_t> net(xcb_get_property_reply(c, netNames[i], nullptr));
        const XcbReply<xcb_get_property_reply_t> wm(xcb_get_property_reply(c, wmNames[i], nullptr));
        if (stopped)
            continue; // the remaining replies are still read so none is left queued
        QString title;
        const QByteArray netBytes = netWmName != XCB_ATOM_NONE ? PropertyBytes(net.get()) : QByteArray();
        if (!netBytes.isEmpty())
            title = QString::fromUtf8(netBytes);
        else
            // WM_NAME is Latin-1 (STRING) by the ICCCM; clients that put UTF-8 or the locale's
            // text there are read as the narrow text of this system, which covers both.
            title = FromNarrowText(PropertyBytes(wm.get()));
        if (!visit(WindowHandle(windows[i]), title.left(kMaxWindowTitleLength)))
            stopped = true;
    }
    return true;
}

QByteArray ReadSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

} // namespace

void EnumRunningProcesses(const std::function<bool(WindowHandle, const QString&)>& visit)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid || pid <= 0)
            continue;
        const QString folder = QStringLiteral("/proc/") + entry;
        // argv[0] is the first NUL-terminated string of cmdline; kernel threads have none.
        QByteArray program = ReadSmallFile(folder + QStringLiteral("/cmdline"));
        program.truncate(program.indexOf('\0') < 0 ? program.size() : program.indexOf('\0'));
        const qsizetype cut = std::max(program.lastIndexOf('/'), program.lastIndexOf('\\'));
        program = program.mid(cut + 1);
        if (program.isEmpty())
            program = ReadSmallFile(folder + QStringLiteral("/comm")).trimmed();
        if (program.isEmpty())
            continue; // the process ended while being read
        if (!visit(pid, FromNarrowText(program).left(kMaxWindowTitleLength)))
            return;
    }
}

void EnumTopLevelWindows(const std::function<bool(WindowHandle, const QString&)>& visit)
{
    if (!EnumX11Windows(visit))
        EnumRunningProcesses(visit);
}
