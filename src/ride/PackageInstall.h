#pragma once
// Installing a package into the simulator's folders before a ride.
//
// All or nothing: the package is parsed, every entry's path checked, every stream inflated (into a
// staging folder inside the simulator folder, one entry in memory at a time) before the first file
// lands. The plan (every file the installation will create) then joins the installed-files list in
// one save that waits for the disk, and the staged files move into place one by one. A file that already exists (in any letter case) is never replaced and
// never listed. When anything fails, the files and folders this installation made are removed again
// and the list is put back, so the simulator's folders are as they were.

#include "ride/PackageFormat.h"

#include <QString>
#include <QStringList>

#include <functional>

enum class InstallPoint {
    Staged,        // every stream is inflated into the staging folder; nothing listed or moved yet
    PlanSaved,     // the plan is in the list; no file moved yet
    FilesInPlace,  // every planned file is in place
};

// What installations read and leave behind. The ride owns one for the program's whole run.
struct PackageInstallation {
    QString SimulatorPath;
    QString ProgramFolder;

    // The Folder and Name of the package's last ".tktrack" entry; set by a successful installation
    // and otherwise left as it was (a package without a track keeps the previous one).
    QString InstalledTrack;
    // Header texts, EntryCount and entry table of the last package that parsed.
    PackageContents Contents;
    // The simulator-relative paths the last installation created, in order.
    QStringList Created;

    // A ride needs a track: when set, a package without a ".tktrack" entry is refused with
    // kPackageNoTrack before anything is written, instead of leaving the previous InstalledTrack.
    bool RequireTrack = false;

    // Called just before each planned file is moved into place (its path is listed by then), for a
    // progress display; tests use it to stop the world between two files.
    std::function<void(const QString& relativePath)> BeforeFileLands;
    // Called at each point below; tests stop the world there.
    std::function<void(InstallPoint point)> Reached;
};

// kPackageInstalled, or the reason nothing was installed.
PackageResult InstallPackage(PackageInstallation& installation, const QString& packagePath);
