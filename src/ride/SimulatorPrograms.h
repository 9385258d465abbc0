#pragma once
// What Ridevault relies on from the Trakora simulator: the names of its three programs in the
// simulator folder, the command line each one is started with, and the text its window title holds
// while a ride runs.

#include "platform/ProgramStart.h"

#include <QString>

enum class SimulatorProgram { Simulator, Editor, Terraformer };

inline constexpr SimulatorProgram kSimulatorPrograms[] = {
    SimulatorProgram::Simulator, SimulatorProgram::Editor, SimulatorProgram::Terraformer};

// While the simulator runs, some top-level window's title holds this text (any letter case).
inline constexpr char kSimulatorWindowTitle[] = "TrakoraSimulator";

// "TrakoraSimulator.exe", "TrakoraEditor.exe", "TrakoraTerraformer.exe".
QString SimulatorProgramFileName(SimulatorProgram program);

// The program's path: simulatorPath joined to the file name with a separator between them (the
// setting keeps whatever the user typed, "…/Trakora" or "…/Trakora/"; both name the same program, and
// the existence check and the start agree on it).
QString SimulatorProgramPath(const QString& simulatorPath, SimulatorProgram program);

// The command a program is started with on a track or package file:
//   simulator:               <program> -s "<track>"
//   editor and terraformer:  <program> "<track>"
// The track is a path argument, so a Windows program under Wine gets its Windows path.
ProgramCommand SimulatorProgramCommand(const QString& simulatorPath, SimulatorProgram program,
                                       const QString& trackPath);

// "Edit" and "Terraform": starts the program on the file when the program is in the simulator
// folder. False, with nothing started, when it is missing (the window then stays silent) or when
// `start` fails.
bool StartSimulatorTool(const QString& simulatorPath, SimulatorProgram program, const QString& filePath,
                        const ProgramStarter& start);
