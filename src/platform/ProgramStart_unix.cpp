// Unix: a Windows program runs under Wine and sees files by their Windows paths; a started
// program is watched through the process table on Linux, by signalling it elsewhere.

#include "platform/ProgramStart.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <optional>

#include <cerrno>
#include <signal.h>

ProgramStartPlan PlanProgramStart(const ProgramCommand& command, const QString& winePrefix)
{
    ProgramStartPlan plan;
    plan.WorkingFolder = QFileInfo(command.Program).absolutePath();
    const bool underWine = IsWindowsExecutable(command.Program);
    if (underWine) {
        // Wine accepts the program by its native path; the program itself only understands the
        // Windows form of the paths it is given.
        plan.Executable = QStringLiteral("wine");
        plan.Arguments << QFileInfo(command.Program).absoluteFilePath();
    } else {
        plan.Executable = QFileInfo(command.Program).absoluteFilePath();
    }
    for (const ProgramArgument& a : command.Arguments)
        plan.Arguments << (underWine && a.IsPath ? ToWindowsPath(a.Text, winePrefix) : a.Text);
    return plan;
}

namespace {

// The state letter and start time (clock ticks since boot) of a Linux process from
// /proc/<id>/stat; empty when the process is not there. The name in parentheses may hold blanks
// and parentheses, so the fields are counted from the last ")".
struct ProcessStat {
    char State = 0;
    QByteArray StartTime;
};

std::optional<ProcessStat> ReadProcessStat(qint64 processId)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(processId));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.readAll();
    const qsizetype nameEnd = text.lastIndexOf(')');
    if (nameEnd < 0)
        return std::nullopt;
    // After the name: state (field 3), then fields 4 to 21, then starttime (field 22).
    const QList<QByteArray> fields = text.mid(nameEnd + 2).split(' ');
    if (fields.size() < 20 || fields.at(0).isEmpty())
        return std::nullopt;
    return ProcessStat{fields.at(0).at(0), fields.at(19)};
}

bool HasProcessTable() { return QFileInfo(QStringLiteral("/proc/self/stat")).isFile(); }

} // namespace

StartedProgram WatchStartedProcess(qint64 processId)
{
    if (!HasProcessTable()) {
        // Another Unix: the process is there while it can be signalled. The program was started
        // detached, so init reaps it and no zombie stays behind.
        return StartedProgram([processId] { return ::kill(pid_t(processId), 0) != 0 && errno == ESRCH; });
    }
    const std::optional<ProcessStat> first = ReadProcessStat(processId);
    if (!first)
        return StartedProgram([] { return true; });
    const QByteArray startTime = first->StartTime;
    return StartedProgram([processId, startTime] {
        const std::optional<ProcessStat> now = ReadProcessStat(processId);
        return !now || now->StartTime != startTime || now->State == 'Z' || now->State == 'X';
    });
}
