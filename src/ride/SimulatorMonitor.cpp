#include "ride/SimulatorMonitor.h"

#include "ride/SimulatorPrograms.h"

#include <algorithm>
#include <utility>

SimulatorMonitor::SimulatorMonitor(Action cleanUp, Action showFileInfo, WindowFinder findWindow)
    : m_cleanUp(std::move(cleanUp)), m_showFileInfo(std::move(showFileInfo)), m_findWindow(std::move(findWindow))
{
}

void SimulatorMonitor::Watch(StartedProgram simulator)
{
    if (simulator)
        m_watched.push_back(std::move(simulator));
}

void SimulatorMonitor::Tick()
{
    if (m_findWindow(QLatin1String(kSimulatorWindowTitle)) > 0) {
        m_simulatorWasRunning = true;
        return;
    }
    const auto ended = std::remove_if(m_watched.begin(), m_watched.end(),
                                      [](const StartedProgram& p) { return p.HasEnded(); });
    const bool someEnded = ended != m_watched.end();
    m_watched.erase(ended, m_watched.end());
    // Cleared before the actions run, so a clean-up that opens a modal dialog (and lets the next
    // tick in) cannot start a second clean-up.
    const bool rideEnded = m_simulatorWasRunning || (someEnded && m_watched.empty());
    m_simulatorWasRunning = false;
    if (!rideEnded)
        return;
    m_watched.clear();
    m_cleanUp();
    m_showFileInfo();
}
