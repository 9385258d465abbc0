#pragma once
// Runs ridevault-cli as a user would, for the tests of its command groups. A test registered with
// rv_add_test(... CLI) gets RIDEVAULT_CLI, the path of the built tool.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

struct CliRun {
    int exitCode = -1;  // -1 when the tool crashed or did not finish
    QByteArray out;
    QByteArray err;
};

inline CliRun RunCli(const QStringList& args,
                     const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RIDEVAULT_CLI), args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}
