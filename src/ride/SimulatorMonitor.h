#pragma once
// The simulator monitor: the main window calls Tick() once a second (tmrCheckApps). When the
// simulator's window, seen at an earlier tick, has gone, the ride is over: the files a package
// installed are cleaned up and the information panel is refreshed so a screenshot taken during the
// ride shows at once.
//
//   was running | window now | becomes     | action
//   no          | absent     | not running | none
//   no          | present    | running     | none
//   yes         | present    | running     | none
//   yes         | absent     | not running | cleanUp, then showFileInfo
//
// The clean-up runs once per disappearance, whether or not Ridevault started the simulator.

#include "platform/WindowList.h"

#include <QString>

#include <functional>

class SimulatorMonitor {
public:
    using Action = std::function<void()>;
    using WindowFinder = std::function<WindowHandle(const QString& titleText)>;

    // cleanUp removes what the last package installed (CleanupInstalledFiles with the program
    // folder and simulator folder of the moment); showFileInfo refreshes the information panel.
    // findWindow is FindWindowByTitle except in tests.
    SimulatorMonitor(Action cleanUp, Action showFileInfo, WindowFinder findWindow);

    // One tick of the monitor timer.
    void Tick();

    // The simulator's window was there at the previous tick. False before the first tick.
    bool SimulatorWasRunning() const { return m_simulatorWasRunning; }

private:
    Action m_cleanUp;
    Action m_showFileInfo;
    WindowFinder m_findWindow;
    bool m_simulatorWasRunning = false;
};

// The clean-up the main window hands to the monitor: CleanupInstalledFiles on the program folder and
// on the simulator folder that simulatorPath() gives when the ride ends (the user may have changed
// it in the settings during the ride).
SimulatorMonitor::Action InstalledFilesCleanup(const QString& programFolder, std::function<QString()> simulatorPath);
