// Windows: every program starts directly, paths in the system's own separators.

#include "platform/ProgramStart.h"

#include <QDir>
#include <QFileInfo>

ProgramStartPlan PlanProgramStart(const ProgramCommand& command, const QString&)
{
    ProgramStartPlan plan;
    plan.Executable = QDir::toNativeSeparators(QFileInfo(command.Program).absoluteFilePath());
    plan.WorkingFolder = QFileInfo(command.Program).absolutePath();
    for (const ProgramArgument& a : command.Arguments)
        plan.Arguments << (a.IsPath ? QDir::toNativeSeparators(a.Text) : a.Text);
    return plan;
}
