#pragma once
// Starts the real ridevault program on a program folder, on the X display the test runs on, as the
// end-to-end tests do before they look for its window.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// The program gets the test's display rather than the offscreen platform of the widget tests, and
// its output goes to the test's log. False (see process.errorString()) when it did not start.
inline bool StartRidevault(QProcess& process, const QString& executable, const QString& programFolder,
                           QProcessEnvironment environment = QProcessEnvironment::systemEnvironment())
{
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(executable, {QStringLiteral("--program-folder"), programFolder});
    return process.waitForStarted(30000);
}
