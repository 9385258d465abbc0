// Linux: a Windows program runs under Wine and sees files by their Windows paths.

#include "platform/ProgramStart.h"

#include <QFileInfo>

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
