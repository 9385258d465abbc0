#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

QString MissingDisplayReason(const QProcessEnvironment& environment)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return QString();
    if (!environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty())
        return QString();
    const QString display = environment.value(QStringLiteral("DISPLAY"));
    if (display.isEmpty())
        return QStringLiteral("no display: neither DISPLAY nor WAYLAND_DISPLAY is set (ridevault-cli works without one)");
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QStringLiteral("cannot connect to the X display \"%1\"").arg(display);
    return QString();
}
