#include "ride/SimulatorMonitor.h"

#include "ride/CleanupInstalledFiles.h"
#include "ride/SimulatorPrograms.h"

#include <utility>

SimulatorMonitor::SimulatorMonitor(Action cleanUp, Action showFileInfo, WindowFinder findWindow)
    : m_cleanUp(std::move(cleanUp)), m_showFileInfo(std::move(showFileInfo)), m_findWindow(std::move(findWindow))
{
}

void SimulatorMonitor::Tick()
{
    if (m_findWindow(QLatin1String(kSimulatorWindowTitle)) > 0) {
        m_simulatorWasRunning = true;
        return;
    }
    // Cleared before the actions run, so a clean-up that opens a modal dialog (and lets the next
    // tick in) cannot start a second clean-up.
    const bool rideEnded = m_simulatorWasRunning;
    m_simulatorWasRunning = false;
    if (rideEnded) {
        m_cleanUp();
        m_showFileInfo();
    }
}

SimulatorMonitor::Action InstalledFilesCleanup(const QString& programFolder, std::function<QString()> simulatorPath)
{
    return [programFolder, simulatorPath = std::move(simulatorPath)] {
        CleanupInstalledFiles(simulatorPath(), programFolder);
    };
}
