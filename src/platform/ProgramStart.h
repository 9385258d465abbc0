#pragma once
// Starting another program (the simulator, its editor and terraformer) with an argument list,
// detached: the program is not waited for and outlives Ridevault. Never through a shell, so no
// character in a path can change what runs.
//
// On Linux a Windows executable (a file beginning with "MZ") starts through `wine`, and the
// arguments that name files are handed over as the Windows paths the program sees inside the Wine
// prefix. A native executable starts directly, whatever its name ends in.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One argument of a command: plain text, or a file path that may need converting for the program.
struct ProgramArgument {
    QString Text;
    bool IsPath = false;

    static ProgramArgument Plain(const QString& text) { return {text, false}; }
    static ProgramArgument Path(const QString& path) { return {path, true}; }
};

// A program (native path) and its arguments, before any conversion for how it is started.
struct ProgramCommand {
    QString Program;
    QList<ProgramArgument> Arguments;
};

// What is actually run: the executable (found on PATH when it has no folder), its arguments, and
// the folder it starts in (the program's own folder, where a game looks for its data).
struct ProgramStartPlan {
    QString Executable;
    QStringList Arguments;
    QString WorkingFolder;
};

// True when the file exists and begins with the bytes "MZ" of a DOS/Windows executable.
bool IsWindowsExecutable(const QString& path);

// The Wine prefix a Windows program runs in: $WINEPREFIX, else ~/.wine.
QString DefaultWinePrefix();

// The Windows path under which a program in the Wine prefix sees this native path: the drive of the
// prefix's dosdevices/ whose target holds the path (the deepest one when several do), else Wine's
// default Z: drive for "/". Relative paths are made absolute first. "/home/a/x.tktrack" becomes
// "Z:\home\a\x.tktrack"; a file under the prefix's drive_c becomes "C:\...".
QString ToWindowsPath(const QString& nativePath, const QString& winePrefix);

// How the command is started on this system. winePrefix is the prefix a Windows executable runs in
// on Linux (unused on Windows, where every program starts directly).
ProgramStartPlan PlanProgramStart(const ProgramCommand& command, const QString& winePrefix);

// Starts the plan without waiting. False when the program could not be started.
bool StartProgram(const ProgramStartPlan& plan);

// PlanProgramStart with DefaultWinePrefix(), then StartProgram.
bool StartProgram(const ProgramCommand& command);

// How a command reaches program start: StartProgram in the program, a recorder in tests.
using ProgramStarter = std::function<bool(const ProgramCommand& command)>;
