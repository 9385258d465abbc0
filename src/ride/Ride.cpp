#include "ride/Ride.h"

#include "library/AddMediaRecord.h"
#include "library/MediaDatabase.h"
#include "platform/CaseInsensitivePath.h"
#include "ride/CleanupInstalledFiles.h"
#include "ride/PackageUnpack.h"
#include "ride/SimulatorPrograms.h"

#include <QFileInfo>

namespace {

RideResult Refused(RideOutcome outcome, int packageCode = 0)
{
    RideResult result;
    result.Outcome = outcome;
    result.PackageCode = packageCode;
    return result;
}

} // namespace

RideResult RideMediaRecord(MediaTable& table, qint32 index, const RidePlaces& places, RideContext& context,
                           const std::function<void(qint32 index)>& counted)
{
    const QString& simulatorPath = places.SimulatorPath;
    if (index < 0 || index >= table.MediaCount())
        return Refused(RideOutcome::NothingSelected);
    const QString simulator = SimulatorProgramPath(simulatorPath, SimulatorProgram::Simulator);
    if (!QFileInfo(simulator).isFile())
        return Refused(RideOutcome::SimulatorNotFound);

    // Everything up to the installation works on the stored record without changing it, so a
    // refusal leaves it exactly as it was.
    const MediaRecord& stored = table.MediaList[size_t(index)];
    if (!QFileInfo(stored.FilePath).isFile())
        return Refused(stored.FileType == FileTypeTrack ? RideOutcome::TrackFileNotFound
                                                        : RideOutcome::PackFileNotFound);

    QString rideFile = stored.FilePath;
    QString packTrack = stored.PackTrack;
    QStringList installed;
    if (stored.FileType == FileTypePackage) {
        if (!(context.ZlibAvailable ? context.ZlibAvailable() : ZlibAvailable()))
            return Refused(RideOutcome::ZlibMissing);
        PackageInstallation& installation = context.Installation;
        installation.SimulatorPath = simulatorPath;
        installation.ProgramFolder = places.ProgramFolder;
        // A package without a track would otherwise start the simulator on whatever track the
        // previous package left behind.
        installation.RequireTrack = true;
        if (const int code = InstallPackage(installation, stored.FilePath); code != kPackageInstalled)
            return Refused(RideOutcome::UnpackFailed, code);
        packTrack = installation.InstalledTrack;
        installed = installation.Created;
        rideFile = ResolveCaseInsensitive(simulatorPath, installation.InstalledTrack);
    }

    MediaRecord& record = table.MediaList[size_t(index)];
    record.PackTrack = packTrack;
    record.RideCount += 1;
    record.RideDate = FormatMediaDate(context.Now ? context.Now() : QDateTime::currentDateTime());
    if (counted)
        counted(index);

    RideResult result;
    result.RideFile = rideFile;
    result.DatabaseSaved = SaveMediaDatabaseFile(table, places.DatabaseFile);
    const ProgramCommand command = SimulatorProgramCommand(simulatorPath, SimulatorProgram::Simulator, rideFile);
    result.Simulator = context.StartProgram(command);
    result.Outcome = result.Simulator ? RideOutcome::Started : RideOutcome::StartFailed;
    // No simulator will ever show this package's files, and no monitor would see one close: they go
    // now, while files of an earlier ride that may still be running stay listed.
    if (!result.Simulator && !installed.isEmpty())
        CleanupInstalledFiles(simulatorPath, places.ProgramFolder, installed);
    return result;
}

std::optional<RideMessage> RideFailureMessage(RideOutcome outcome)
{
    const auto message = [](const char* headline, const char* advice, const char* title, bool isError) {
        return RideMessage{QLatin1String(headline) + QLatin1String("\r\n") + QLatin1String(advice),
                           QLatin1String(title), isError};
    };
    switch (outcome) {
    case RideOutcome::SimulatorNotFound:
        return message("Trakora Simulator Not Found!", "Set the path to Trakora in the Advanced Settings.",
                       "Not Found...", false);
    case RideOutcome::TrackFileNotFound:
        return message("Track File Not Found!", "The track file has been Moved or Renamed.", "Not Found...", false);
    case RideOutcome::PackFileNotFound:
        return message("Pack File Not Found!", "The pack file has been Moved or Renamed.", "Not Found...", false);
    case RideOutcome::ZlibMissing:
        return message("zLib.DLL Not Foudn or Improperly Installed!", "Place the zLib.DLL file in your System Path.",
                       "Missing DLL...", true);
    case RideOutcome::UnpackFailed:
        return message("Could Not Unpack File!", "The package could not be installed.", "Unpacking Error...", true);
    case RideOutcome::Started:
    case RideOutcome::StartFailed:
    case RideOutcome::NothingSelected:
        return std::nullopt;
    }
    return std::nullopt;
}
