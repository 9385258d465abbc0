#pragma once
// The simulator monitor: the main window calls Tick() once a second (tmrCheckApps). The ride is over
// when the simulator's window, seen at an earlier tick, has gone, or when every simulator process
// Ridevault started for a ride (Watch) has ended and no simulator window is shown, so a simulator
// that closes before a tick sees its window (a crash at start, a ride under a second) still ends
// its ride. Then the files a package installed are cleaned up and the information panel is
// refreshed so a screenshot taken during the ride shows at once.
//
//   window now | was running | watched processes                   | action
//   present    | -           | -                                   | becomes running
//   absent     | yes         | -                                   | cleanUp, showFileInfo
//   absent     | no          | one ended since the last tick, and  | cleanUp, showFileInfo
//              |             | none still running                  |
//   absent     | no          | otherwise                           | none
//
// While a watched process runs the window decides, as before; a ride that ends forgets the
// processes watched so far, so one ride never ends twice. The clean-up runs once per ride, whether
// or not Ridevault started the simulator.

#include "platform/ProgramStart.h"
#include "platform/WindowList.h"

#include <QString>

#include <functional>
#include <vector>

class SimulatorMonitor {
public:
    using Action = std::function<void()>;
    using WindowFinder = std::function<WindowHandle(const QString& titleText)>;

    // cleanUp removes what the rides installed (CleanupInstalledFiles with the program folder and
    // simulator folder of the moment); showFileInfo refreshes the information panel.
    // findWindow is FindWindowByTitle except in tests.
    SimulatorMonitor(Action cleanUp, Action showFileInfo, WindowFinder findWindow);

    // A simulator Ridevault has just started for a ride; a program that did not start is ignored.
    void Watch(StartedProgram simulator);

    // One tick of the monitor timer.
    void Tick();

    // The simulator's window was there at the previous tick. False before the first tick.
    bool SimulatorWasRunning() const { return m_simulatorWasRunning; }

private:
    Action m_cleanUp;
    Action m_showFileInfo;
    WindowFinder m_findWindow;
    bool m_simulatorWasRunning = false;
    std::vector<StartedProgram> m_watched;
};
