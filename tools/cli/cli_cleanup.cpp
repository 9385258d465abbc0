// ridevault-cli cleanup: remove what package installations listed in "Ridevault.rvltps", as the
// program does once the simulator has closed.

#include "CliCommon.h"

#include "ride/CleanupInstalledFiles.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const char kCleanupHelp[] =
    "usage:\n"
    "  ridevault-cli cleanup --simulator DIR --program-folder DIR\n"
    "      delete the files listed in DIR/Ridevault.rvltps, the folders this emptied and the list;\n"
    "      prints {\"deleted\": [...], \"removedFolders\": [...], \"skipped\": [...]}\n";

} // namespace

int RunCleanupCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    if (args.isEmpty() || CliWantsHelp(args)) {
        CliPrint(QLatin1String(kCleanupHelp));
        return args.isEmpty() ? kCliUsageError : 0;
    }
    if (args.size() != 4)
        throw CliError(QStringLiteral("usage: ridevault-cli cleanup --simulator DIR --program-folder DIR"));
    const QString simulator = CliTakeFolder(args, QStringLiteral("--simulator"));
    const QString programFolder = CliTakeFolder(args, QStringLiteral("--program-folder"));
    CliRequireArgs(args, 0, 0, QStringLiteral("ridevault-cli cleanup --simulator DIR --program-folder DIR"));
    const CleanupResult r = CleanupInstalledFiles(simulator, programFolder);
    CliPrintJson(QJsonDocument(QJsonObject{
        {QStringLiteral("deleted"), QJsonArray::fromStringList(r.deleted)},
        {QStringLiteral("removedFolders"), QJsonArray::fromStringList(r.removedFolders)},
        {QStringLiteral("skipped"), QJsonArray::fromStringList(r.skipped)},
    }));
    return 0;
}
