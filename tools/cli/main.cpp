// ridevault-cli: Ridevault's file formats and operations from the command line, for scripting,
// power users and the tests. Each command group lives in its own cli_<group>.cpp.

#include "CliCommon.h"

#include "session/ProgramCommandLine.h"

#include <QCoreApplication>
#include <QTextStream>

#include <iterator>

int RunDbCommand(const QStringList& args);
int RunVersionsCommand(const QStringList& args);
int RunPackCommand(const QStringList& args);
int RunCleanupCommand(const QStringList& args);
int RunSettingsCommand(const QStringList& args);
int RunThemeCommand(const QStringList& args);
int RunDiscoverCommand(const QStringList& args);
int RunScanCommand(const QStringList& args);
int RunRideCommand(const QStringList& args);

namespace {

const CliCommandGroup kGroups[] = {
    {"db", "media database: dump, write, add, find, stats", RunDbCommand},
    {"versions", "the versions of the simulator's three programs", RunVersionsCommand},
    {"pack", "package files: list, verify, create, install", RunPackCommand},
    {"cleanup", "remove the files a package installation listed", RunCleanupCommand},
    {"settings", "settings file: dump, write", RunSettingsCommand},
    {"theme", "theme files: dump, write, default", RunThemeCommand},
    {"discover", "find the simulator folder through the registry", RunDiscoverCommand},
    {"scan", "list the track and package files below folders", RunScanCommand},
    {"ride", "ride one record of a database: install, count, save, start", RunRideCommand},
};

void PrintUsage()
{
    QString text = QStringLiteral("usage: ridevault-cli GROUP COMMAND [ARGS...]\n\ngroups:\n");
    for (const CliCommandGroup& g : kGroups)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(g.name), -10).arg(QLatin1String(g.summary));
    text += QStringLiteral("\n'ridevault-cli GROUP --help' lists a group's commands; "
                           "'ridevault-cli --version' prints the version.");
    QTextStream(stdout) << text << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ridevault-cli"));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        PrintUsage();
        return args.isEmpty() ? kCliUsageError : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        QTextStream(stdout) << "ridevault-cli " << RidevaultVersion() << '\n';
        return 0;
    }
    const QString group = args.takeFirst();
    for (const CliCommandGroup& g : kGroups) {
        if (group != QLatin1String(g.name))
            continue;
        try {
            return g.run(args);
        } catch (const CliError& e) {
            QTextStream(stderr) << "ridevault-cli: " << e.what() << '\n';
            return kCliUsageError;
        }
    }
    QTextStream(stderr) << "ridevault-cli: unknown command group '" << group << "' (try --help)\n";
    return kCliUsageError;
}
