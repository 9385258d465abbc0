#pragma once
// The two timers that drive all background work of the main window: tmrFileScan steps the file
// scan (200 ms passive, 1 ms aggressive, off when no scan runs) and tmrCheckApps watches for the
// simulator (1000 ms, from the end of start-up to exit). Both tick on the window's thread.

#include "library/FileScan.h"

#include <QObject>
#include <QTimer>

#include <functional>

struct AppState;
class MediaListPresenter;
class ucStatusBar;

inline constexpr int kCheckAppsInterval = 1000;

class MainTimers : public QObject {
    Q_OBJECT
public:
    // window gets the hourglass during an aggressive scan; checkApps runs on each monitor tick.
    MainTimers(AppState& state, MediaListPresenter& rows, ucStatusBar& statusBar, QWidget& window,
               std::function<void()> checkApps);

    // Starts (or restarts from the beginning) a scan of the media folders; shows its status text.
    void StartFileScan(bool aggressive);
    // Turns the scan timer off (shutdown); the scan is not resumed.
    void StopFileScan();
    // One tick: a search step and the rows of the records it added. The last step clears the
    // status text when it is still the scan's own, resets the pointer and turns the timer off.
    void FileScanStep();

    void StartCheckApps();
    void StopCheckApps();

    const QTimer& FileScanTimer() const { return m_tmrFileScan; }
    const QTimer& CheckAppsTimer() const { return m_tmrCheckApps; }
    const FileScan& Scan() const { return m_scan; }

private:
    AppState& m_state;
    MediaListPresenter& m_rows;
    ucStatusBar& m_statusBar;
    QWidget& m_window;
    QTimer m_tmrFileScan;
    QTimer m_tmrCheckApps;
    FileScan m_scan;
    QString m_statusText;  // what the running scan put in the status bar
};
