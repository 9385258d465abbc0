#pragma once
// Finding the simulator: its installer leaves the folder in the current user's registry, under
// "Software\Trakora Coasters" as "InstPath"; the folder counts only when "TrakoraSimulator.exe" is
// in it (looked up ignoring letter case, as Windows would find it).

#include "platform/Registry.h"

#include <QString>

inline constexpr char kSimulatorRegistryKey[] = "Software\\Trakora Coasters";
inline constexpr char kSimulatorRegistryValue[] = "InstPath";

struct SimulatorDiscovery {
    QString Folder;  // the simulator folder, ending in a separator; "" when none was found
    QString WhyNot;  // when Folder is "": one line saying why
};

SimulatorDiscovery DiscoverSimulator(const Registry& registry);

// True when folder holds a file named name, ignoring letter case.
bool FolderHasFileIgnoringCase(const QString& folder, const QString& name);
