// ridevault-cli ride: "Ride!" on one record of a database, as the main window does it.

#include "CliCommon.h"
#include "CliDatabase.h"

#include "library/MediaDatabase.h"
#include "platform/ProgramFolder.h"
#include "ride/Ride.h"

#include <QDir>
#include <QTextStream>

namespace {

const char kRideHelp[] =
    "usage:\n"
    "  ridevault-cli ride DB_FILE INDEX --simulator DIR --program-folder DIR [--force]\n"
    "      ride record INDEX (from 0): install it when it is a package (the installed-files list\n"
    "      goes into the program folder), count the ride, save DB_FILE, start the simulator and\n"
    "      print the updated record as JSON. Exit status 0 only when the simulator was started;\n"
    "      a refused ride prints the program's message and changes nothing. It refuses while a\n"
    "      running Ridevault holds DB_FILE's folder (its lock file ridevault.lock), unless --force.\n";

} // namespace

int RunRideCommand(const QStringList& arguments)
{
    if (arguments.isEmpty() || CliWantsHelp(arguments)) {
        CliPrint(QLatin1String(kRideHelp));
        return arguments.isEmpty() ? kCliUsageError : 0;
    }
    QStringList args = arguments;
    RidePlaces places;
    // Joined to file names as the program does, so each needs its final separator.
    places.SimulatorPath = WithFinalSeparator(QDir(CliTakeFolder(args, QStringLiteral("--simulator"))).absolutePath());
    places.ProgramFolder = WithFinalSeparator(QDir(CliTakeFolder(args, QStringLiteral("--program-folder"))).absolutePath());
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    CliRefuseUnknownOptions(args);
    CliRequireArgs(args, 2, 2, QStringLiteral("ridevault-cli ride DB_FILE INDEX --simulator DIR --program-folder DIR"));
    places.DatabaseFile = args[0];
    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(places.DatabaseFile, force);
    MediaTable table;
    CliLoadDatabase(table, places.DatabaseFile, false);
    bool isNumber = false;
    const qint32 index = args[1].toInt(&isNumber);
    if (!isNumber || index < 0 || index >= table.MediaCount())
        throw CliError(QStringLiteral("INDEX must be a record number from 0 to %1").arg(table.MediaCount() - 1));

    RideContext context;
    const RideResult result = RideMediaRecord(table, index, places, context);
    if (const std::optional<RideMessage> message = RideFailureMessage(result.Outcome)) {
        QString text = QString(message->Text).replace(QLatin1String("\r\n"), QLatin1String(" "));
        if (result.Outcome == RideOutcome::UnpackFailed)
            text += QStringLiteral(" (%1, result %2)").arg(PackageResultText(result.PackageCode)).arg(result.PackageCode);
        throw CliError(text);
    }
    CliPrintJson(QJsonDocument(CliRecordToJson(table.MediaList[size_t(index)])));
    if (!result.DatabaseSaved)
        QTextStream(stderr) << "ridevault-cli: cannot write " << places.DatabaseFile << '\n';
    if (result.Outcome != RideOutcome::Started)
        QTextStream(stderr) << "ridevault-cli: the simulator could not be started: " << result.RideFile << '\n';
    return result.Outcome == RideOutcome::Started && result.DatabaseSaved ? 0 : kCliUsageError;
}
