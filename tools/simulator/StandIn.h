#pragma once
// The stand-in Trakora programs: small windows that accept the simulator's, editor's and
// terraformer's command lines, so a user without the real simulator (and every end-to-end test) can
// see a ride work: the window title the monitor watches for, the track it was given, the installed
// files it would read, and (simulator only) a screenshot written where Ridevault looks for it.

#include <QImage>
#include <QString>
#include <QStringList>

enum class StandInKind { Simulator, Editor, Terraformer };

// "TrakoraSimulator", "TrakoraEditor", "TrakoraTerraformer".
QString StandInName(StandInKind kind);

// What a command line asks for. The simulator takes "-s <track>", the editor and terraformer
// "<track>"; a program started without a track opens empty.
struct StandInRequest {
    QString TrackPath;
    QString Error; // set when the command line is not understood
};
StandInRequest ParseStandInArguments(StandInKind kind, const QStringList& arguments);

// "TrakoraSimulator - Big Loop.tktrack": the program's name and the track's file name.
QString StandInWindowTitle(StandInKind kind, const QString& trackPath);

// The files of the simulator folder tree that the program would load, relative, "/"-separated and
// sorted: everything below its folders except the screenshots it writes itself.
QStringList FilesTheProgramReads(const QString& simulatorFolder);

// Saves the picture as a BMP named after the track ("Big Loop.bmp", then "Big Loop 2.bmp", ...) in
// the simulator's Screenshots folder (found ignoring letter case, created when missing). Returns the
// file written, or an empty text when it could not be written.
QString SaveScreenshot(const QImage& picture, const QString& simulatorFolder, const QString& trackPath);
