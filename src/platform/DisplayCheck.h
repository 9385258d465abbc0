#pragma once
// Whether the program can open windows at all, asked before the QApplication exists: without a
// display Qt would print several lines and abort, where a user over SSH wants one sentence and an
// exit status.

#include <QProcessEnvironment>
#include <QString>

// "" when a display can be reached; else one line saying why not. On Linux a platform chosen
// through QT_QPA_PLATFORM is trusted, a Wayland session (WAYLAND_DISPLAY) too, and DISPLAY must
// name an X server that accepts the connection. Windows always has a display.
QString MissingDisplayReason(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
