// The X11 window list, against real windows on an X server (Xvfb in the test run).

#include "platform/WindowList.h"

#include "FindWindow.h"
#include "X11Windows.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

// Bare X windows made the way other toolkits and window managers make them, on a connection of
// their own so that Qt's windows play no part.
class RawX11 {
public:
    RawX11() : m_c(xcb_connect(nullptr, nullptr)) {}
    bool ok() const { return !xcb_connection_has_error(m_c.get()); }

    xcb_window_t createWindow(xcb_window_t parent = 0)
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c.get())).data;
        const xcb_window_t w = xcb_generate_id(m_c.get());
        xcb_create_window(m_c.get(), XCB_COPY_FROM_PARENT, w, parent ? parent : screen->root, 0, 0, 50, 50, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        return w;
    }
    void setText(xcb_window_t w, xcb_atom_t property, xcb_atom_t type, const QByteArray& bytes)
    {
        xcb_change_property(m_c.get(), XCB_PROP_MODE_REPLACE, w, property, type, 8, uint32_t(bytes.size()),
                            bytes.constData());
    }
    xcb_atom_t atom(const char* name) { return X11Atom(m_c.get(), name); }
    void destroy(xcb_window_t w) { xcb_destroy_window(m_c.get(), w); }
    void sync() { std::free(xcb_get_input_focus_reply(m_c.get(), xcb_get_input_focus(m_c.get()), nullptr)); }

private:
    std::unique_ptr<xcb_connection_t, Disconnect> m_c;
};

} // namespace

class TestWindowListX11 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (the test command starts Xvfb)");
    }

    // A Qt window: listed by its UTF-8 _NET_WM_NAME (non-Latin text intact), still listed while
    // hidden, gone once destroyed.
    void qtWindowComesAndGoes()
    {
        const QString title = QStringLiteral("Ridevault probe \u2603 %1").arg(QCoreApplication::applicationPid());
        auto window = std::make_unique<QWidget>();
        window->setWindowTitle(title);
        window->show();
        QTRY_VERIFY(FindExact(title) != 0);
        QCOMPARE(FindExact(title), WindowHandle(window->winId()));

        window->hide();
        QTRY_VERIFY(FindExact(title) != 0);

        window.reset();
        QTRY_COMPARE(FindExact(title), WindowHandle(0));
    }

    void titleSources_data()
    {
        QTest::addColumn<bool>("framed");
        QTest::addColumn<bool>("netWmName");
        QTest::addColumn<QByteArray>("wmName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("WM_NAME only, Latin-1") << false << false << QByteArray("Caf\xe9 probe") << QStringLiteral("Caf\u00e9 probe");
        QTest::newRow("_NET_WM_NAME wins over WM_NAME") << false << true << QByteArray("old name") << QStringLiteral("Se\u00f1al probe");
        QTest::newRow("client inside a frame") << true << true << QByteArray() << QStringLiteral("Se\u00f1al probe");
        QTest::newRow("framed, WM_NAME only") << true << false << QByteArray("framed probe") << QStringLiteral("framed probe");
        const QByteArray longTitle = "RvLongProbe" + QByteArray(2000, 'x');
        QTest::newRow("a long title is cut") << false << false << longTitle
                                             << QString::fromLatin1(longTitle.left(kMaxWindowTitleLength));
    }

    // Windows made outside Qt: the title comes from _NET_WM_NAME when present, else WM_NAME, cut to
    // the longest title kept, and a client window that a window manager has put inside its frame is
    // found through the frame.
    void titleSources()
    {
        QFETCH(bool, framed);
        QFETCH(bool, netWmName);
        QFETCH(QByteArray, wmName);
        QFETCH(QString, expected);

        RawX11 x;
        QVERIFY(x.ok());
        const xcb_window_t frame = framed ? x.createWindow() : 0;
        const xcb_window_t client = x.createWindow(frame);
        if (netWmName)
            x.setText(client, x.atom("_NET_WM_NAME"), x.atom("UTF8_STRING"), QStringLiteral("Se\u00f1al probe").toUtf8());
        if (!wmName.isEmpty())
            x.setText(client, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, wmName);
        x.sync();

        QCOMPARE(FindExact(expected), WindowHandle(client));
        x.destroy(frame ? frame : client);
        x.sync();
        QCOMPARE(FindExact(expected), WindowHandle(0));
    }
};

QTEST_MAIN(TestWindowListX11)
#include "tst_windowlist_x11.moc"
