// ridevault-cli cleanup: remove what package installations listed in "Ridevault.rvltps", as the
// program does once the simulator has closed.

#include "CliCommon.h"

#include "ride/CleanupInstalledFiles.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

const char kCleanupHelp[] =
    "usage:\n"
    "  ridevault-cli cleanup --simulator DIR --program-folder DIR\n"
    "      delete the files listed in DIR/Ridevault.rvltps, the folders this emptied and the list;\n"
    "      prints {\"deleted\": [...], \"removedFolders\": [...], \"skipped\": [...]}\n";

QString FolderOption(const QStringList& args, const QString& name)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        throw CliError(QStringLiteral("%1 DIR is required").arg(name));
    if (args.lastIndexOf(name) != i)
        throw CliError(QStringLiteral("%1 given more than once").arg(name));
    if (!QFileInfo(args[i + 1]).isDir())
        throw CliError(QStringLiteral("%1: no such folder").arg(args[i + 1]));
    return args[i + 1];
}

} // namespace

int RunCleanupCommand(const QStringList& args)
{
    if (args.isEmpty() || CliWantsHelp(args)) {
        CliPrint(QLatin1String(kCleanupHelp));
        return args.isEmpty() ? kCliUsageError : 0;
    }
    if (args.size() != 4)
        throw CliError(QStringLiteral("usage: ridevault-cli cleanup --simulator DIR --program-folder DIR"));
    const QString simulator = FolderOption(args, QStringLiteral("--simulator"));
    const QString programFolder = FolderOption(args, QStringLiteral("--program-folder"));
    const CleanupResult r = CleanupInstalledFiles(simulator, programFolder);
    CliPrintJson(QJsonDocument(QJsonObject{
        {QStringLiteral("deleted"), QJsonArray::fromStringList(r.deleted)},
        {QStringLiteral("removedFolders"), QJsonArray::fromStringList(r.removedFolders)},
        {QStringLiteral("skipped"), QJsonArray::fromStringList(r.skipped)},
    }));
    return 0;
}
