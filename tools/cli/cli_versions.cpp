// ridevault-cli versions: the versions of the simulator's three programs, as the "Trakora
// Information..." window shows them.

#include "CliCommon.h"

#include "platform/ProgramFolder.h"
#include "ride/AppFileInfo.h"

#include <QDir>
#include <QJsonObject>

namespace {

const char kVersionsHelp[] =
    "usage:\n"
    "  ridevault-cli versions --simulator DIR   print the FileVersion of TrakoraSimulator.exe,\n"
    "                                          TrakoraEditor.exe and TrakoraTerraformer.exe in DIR\n"
    "                                          as a JSON object: \"----\" for a program that is\n"
    "                                          missing or has no version resource, and each \",\"\n"
    "                                          shown as \" .\" as the information window does\n";

} // namespace

int RunVersionsCommand(const QStringList& args)
{
    if (CliWantsHelp(args)) {
        CliPrint(QLatin1String(kVersionsHelp));
        return 0;
    }
    if (args.size() != 2 || args[0] != QLatin1String("--simulator"))
        throw CliError(QStringLiteral("usage: ridevault-cli versions --simulator DIR"));
    QStringList rest = args;
    const QString simulatorPath = WithFinalSeparator(QDir(CliTakeFolder(rest, QStringLiteral("--simulator"))).absolutePath());
    QJsonObject versions;
    for (SimulatorProgram program : kSimulatorPrograms)
        versions.insert(SimulatorProgramFileName(program), SimulatorVersionText(simulatorPath, program));
    CliPrintJson(QJsonDocument(versions));
    return 0;
}
