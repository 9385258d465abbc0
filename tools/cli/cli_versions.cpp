// ridevault-cli versions: the versions of the simulator's three programs, as the "Trakora
// Information..." window shows them.

#include "CliCommon.h"

#include "ride/AppFileInfo.h"

#include <QDir>
#include <QFileInfo>
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
    if (!QFileInfo(args[1]).isDir())
        throw CliError(QStringLiteral("%1: no such folder").arg(args[1]));

    const QString simulatorPath = QDir(args[1]).absolutePath() + QLatin1Char('/');
    QJsonObject versions;
    for (SimulatorProgram program : kSimulatorPrograms)
        versions.insert(SimulatorProgramFileName(program), SimulatorVersionText(simulatorPath, program));
    CliPrintJson(QJsonDocument(versions));
    return 0;
}
