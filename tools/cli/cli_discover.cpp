// ridevault-cli discover: where the program would find the simulator, or why it finds none.

#include "CliCommon.h"

#include "settings/SimulatorDiscovery.h"

namespace {

const char kDiscoverHelp[] =
    "usage:\n"
    "  ridevault-cli discover   print the simulator folder found through the registry\n"
    "                           (on Linux the Wine prefix of $WINEPREFIX, else ~/.wine);\n"
    "                           exit status 1 and the reason when there is none\n";

} // namespace

int RunDiscoverCommand(const QStringList& args)
{
    if (CliWantsHelp(args)) {
        CliPrint(QLatin1String(kDiscoverHelp));
        return 0;
    }
    CliRequireArgs(args, 0, 0, QStringLiteral("ridevault-cli discover"));
    const SimulatorDiscovery found = DiscoverSimulator(Registry::CurrentUser());
    if (found.Folder.isEmpty()) {
        CliPrint(QStringLiteral("no simulator found: %1").arg(found.WhyNot));
        return 1;
    }
    CliPrint(found.Folder);
    return 0;
}
