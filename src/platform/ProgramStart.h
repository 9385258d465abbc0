#pragma once
// Starting another program (the simulator, its editor and terraformer) with an argument list,
// detached: the program is not waited for and outlives Ridevault, but Ridevault can still ask
// whether it has ended. Never through a shell, so no character in a path can change what runs.
//
// On Linux a Windows executable (a file beginning with "MZ") starts through `wine`, and the
// arguments that name files are handed over as the Windows paths the program sees inside the Wine
// prefix. A native executable starts directly, whatever its name ends in.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

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

// A program that was started, or not (false). It can be asked whether it has ended since; a
// program that was never started counts as ended.
class StartedProgram {
public:
    using EndProbe = std::function<bool()>;

    StartedProgram() = default;
    // hasEnded answers for the running program; tests pass their own.
    explicit StartedProgram(EndProbe hasEnded) : m_hasEnded(std::move(hasEnded)) {}

    explicit operator bool() const { return bool(m_hasEnded); }
    bool HasEnded() const { return !m_hasEnded || m_hasEnded(); }

private:
    EndProbe m_hasEnded;
};

// Watches the process of this id, which this program has just started. On Windows it holds the
// process open, so the id cannot go to another process; on Linux it remembers the process's start
// time, so a later process under the same id is not taken for it, and a process that has ended but
// is not yet reaped (a zombie) counts as ended.
StartedProgram WatchStartedProcess(qint64 processId);

// Starts the plan without waiting. False when the program could not be started. Under Wine the
// process is wine's, which becomes the Windows program itself and lives as long as it does.
StartedProgram StartProgram(const ProgramStartPlan& plan);

// PlanProgramStart with DefaultWinePrefix(), then StartProgram.
StartedProgram StartProgram(const ProgramCommand& command);

// How a command reaches program start: StartProgram in the program, a recorder in tests.
using ProgramStarter = std::function<StartedProgram(const ProgramCommand& command)>;
