#pragma once
// Removing what a package installation put into the simulator's folders, once the ride is over.
//
// Removes the staging folder a stopped installation left in the simulator folder (ride/StagingFolder.h),
// reads the installed-files list "Ridevault.rvltps" in the program folder, deletes each listed
// file, removes the folders this left empty (never the simulator folder itself nor its own eleven
// top-level folders, "objects\", "tracks\" and the rest, even when empty), and deletes the list.
// The list can have been edited by anyone, so a listed path is deleted only when it is a safe
// relative path, resolves (letter case ignored, links followed) inside the simulator folder and is
// a plain file there; anything else is skipped and left untouched. Errors are ignored: a file the
// user already deleted, or one that cannot be removed, is simply reported as skipped.

#include <QString>
#include <QStringList>

struct CleanupResult {
    QStringList deleted;         // listed paths whose files were deleted
    QStringList removedFolders;  // simulator-relative folders removed, ending in "\"
    QStringList skipped;         // listed paths left alone
};

// True for the eleven top-level folders that belong to the simulator ("objects\", any letter case).
bool IsProtectedFolder(const QString& relativeFolder);

// Returns an empty result when there is no list file (a staging leftover still goes).
CleanupResult CleanupInstalledFiles(const QString& simulatorPath, const QString& programFolder);

// The same for the listed paths among `only` (letter case ignored), at once: for one installation
// whose ride never started. What it deleted leaves the list; the rest of the list stays as it was.
CleanupResult CleanupInstalledFiles(const QString& simulatorPath, const QString& programFolder,
                                    const QStringList& only);
