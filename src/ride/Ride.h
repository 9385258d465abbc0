#pragma once
// The ride: what "Ride!" does with one record, without the window, so the main window and
// `ridevault-cli ride` take the same road.
//
//   1  no such record                     -> NothingSelected
//   2  simulator program missing          -> SimulatorNotFound
//   3  the record's file missing          -> TrackFileNotFound (track) / PackFileNotFound (other)
//   4  package: zlib cannot be called     -> ZlibMissing
//      package: installation fails, or    -> UnpackFailed
//      the package holds no track file
//      package installed: PackTrack := InstalledTrack, the ride file is that track
//   5  RideCount + 1, RideDate := now
//   6  counted(index): the caller rewrites the record's row
//   7  the whole database is saved
//   8  the simulator is started on the ride file, not waited for -> Started / StartFailed
//      (when it does not start, the files this package installed are removed at once)
//
// Every failure up to step 4 leaves the record, the database file and the simulator's folders as
// they were, and starts nothing. From step 5 on the ride counts, whether or not the simulator starts.

#include "library/MediaRecord.h"
#include "platform/ProgramStart.h"
#include "ride/PackageInstall.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

enum class RideOutcome {
    Started,
    StartFailed,  // counted and saved, but the simulator could not be started
    NothingSelected,
    SimulatorNotFound,
    TrackFileNotFound,
    PackFileNotFound,
    ZlibMissing,
    UnpackFailed,
};

// What rides keep between them and how they reach outside. The main window owns one for the
// program's whole run; tests replace the outside with recorders.
struct RideContext {
    // InstalledTrack and the last package's entries live on from ride to ride.
    PackageInstallation Installation;
    ProgramStarter StartProgram = [](const ProgramCommand& command) { return ::StartProgram(command); };
    std::function<bool()> ZlibAvailable;  // the zlib probe when empty
    std::function<QDateTime()> Now;       // the current date and time when empty
};

struct RideResult {
    RideOutcome Outcome = RideOutcome::NothingSelected;
    int PackageCode = 0;       // InstallPackage's result when Outcome is UnpackFailed
    QString RideFile;          // the file the simulator was started on (from step 8)
    bool DatabaseSaved = false;
    StartedProgram Simulator;  // the started simulator, for the monitor to watch
};

// Where a ride reads and writes.
struct RidePlaces {
    QString SimulatorPath;  // joined to the program's name as it stands
    QString ProgramFolder;  // holds the installed-files list
    QString DatabaseFile;   // saved whole after the count
};

// Rides table.MediaList[index]. `counted` (may be empty) runs after the count, before the save.
RideResult RideMediaRecord(MediaTable& table, qint32 index, const RidePlaces& places, RideContext& context,
                           const std::function<void(qint32 index)>& counted = {});

// The message box of a failed ride: two lines joined by CR LF, the title, and whether it is an error
// (else a warning). Nothing for Started, StartFailed and NothingSelected, which show no message.
struct RideMessage {
    QString Text;
    QString Title;
    bool IsError = false;
};
std::optional<RideMessage> RideFailureMessage(RideOutcome outcome);
