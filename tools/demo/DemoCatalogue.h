#pragma once
// What the demo media folder holds: tracks and packages whose file names run through every rule of
// title derivation (underscores, blanks at both ends, "TITLE [*] (AUTHOR)", "AUTHOR - TITLE",
// auto-format and their odd corners), each with screenshots whose names begin with the track's
// name, as the information panel looks them up.

#include <QString>
#include <QStringList>

#include <vector>

enum class ShotFormat { Bmp, Jpeg };

struct DemoShot {
    QString Name;  // path below the media folder, or a file name in the simulator's "Screenshots"
    ShotFormat Format = ShotFormat::Jpeg;
    bool InSimulator = false;
};

struct DemoPackageFile {
    QString Folder;  // simulator-relative, "\"-separated, ending in "\"
    QString Name;
};

struct DemoMedia {
    QString RelativePath;  // below the media folder, "/"-separated
    std::vector<DemoShot> Shots;
    // A few records come with a history, so the list's columns show what they hold.
    qint32 RideCount = 0;
    qint32 DaysSinceRide = 0;
    QString Rating;
    QString Notes;
    // Packages: the track entry's file name and the other files they bring.
    QString PackageTrack;
    std::vector<DemoPackageFile> PackageFiles;

    bool IsPackage() const { return !PackageTrack.isEmpty(); }
};

// Every demo track and package, tracks first.
std::vector<DemoMedia> DemoCatalogue();
