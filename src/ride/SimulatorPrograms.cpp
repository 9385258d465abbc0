#include "ride/SimulatorPrograms.h"

#include "platform/ProgramFolder.h"
#include "settings/AppPaths.h"

#include <QFileInfo>

QString SimulatorProgramFileName(SimulatorProgram program)
{
    switch (program) {
    case SimulatorProgram::Simulator:
        return QLatin1String(kSimulatorExeName);
    case SimulatorProgram::Editor:
        return QStringLiteral("TrakoraEditor.exe");
    case SimulatorProgram::Terraformer:
        return QStringLiteral("TrakoraTerraformer.exe");
    }
    return {};
}

QString SimulatorProgramPath(const QString& simulatorPath, SimulatorProgram program)
{
    // The folder as the user typed it, with or without its final separator.
    return WithFinalSeparator(simulatorPath) + SimulatorProgramFileName(program);
}

ProgramCommand SimulatorProgramCommand(const QString& simulatorPath, SimulatorProgram program,
                                       const QString& trackPath)
{
    ProgramCommand command{SimulatorProgramPath(simulatorPath, program), {}};
    if (program == SimulatorProgram::Simulator)
        command.Arguments << ProgramArgument::Plain(QStringLiteral("-s"));
    command.Arguments << ProgramArgument::Path(trackPath);
    return command;
}

bool StartSimulatorTool(const QString& simulatorPath, SimulatorProgram program, const QString& filePath,
                        const ProgramStarter& start)
{
    if (!QFileInfo(SimulatorProgramPath(simulatorPath, program)).isFile())
        return false;
    return bool(start(SimulatorProgramCommand(simulatorPath, program, filePath)));
}
