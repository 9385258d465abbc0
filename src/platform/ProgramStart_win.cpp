// Windows: every program starts directly, paths in the system's own separators; a started
// program is watched through a handle to its process.

#include "platform/ProgramStart.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

#include <windows.h>

ProgramStartPlan PlanProgramStart(const ProgramCommand& command, const QString&)
{
    ProgramStartPlan plan;
    plan.Executable = QDir::toNativeSeparators(QFileInfo(command.Program).absoluteFilePath());
    plan.WorkingFolder = QFileInfo(command.Program).absolutePath();
    for (const ProgramArgument& a : command.Arguments)
        plan.Arguments << (a.IsPath ? QDir::toNativeSeparators(a.Text) : a.Text);
    return plan;
}

StartedProgram WatchStartedProcess(qint64 processId)
{
    // The open handle keeps the process object, and so its id, from going to another process.
    const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, DWORD(processId));
    if (handle == nullptr)
        return StartedProgram([] { return true; });
    const std::shared_ptr<void> process(handle, CloseHandle);
    return StartedProgram([process] { return WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT; });
}
