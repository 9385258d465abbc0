#pragma once
// The timers that drive all background work of the main window: tmrFileScan steps the file scan
// (200 ms passive, 1 ms aggressive, off when no scan runs), tmrCheckApps watches for the simulator
// (1000 ms, from the end of start-up to exit) and tmrFingerprints takes the content fingerprints
// of records that have none, a few files per tick, from the moment such records may have appeared
// (a load, a validation, a restore) until it has passed every record once. All tick on the
// window's thread.

#include "library/FileScan.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

struct AppState;
class MediaListPresenter;
class ucStatusBar;

inline constexpr int kCheckAppsInterval = 1000;
inline constexpr int kFingerprintInterval = 25;  // ms between two fingerprint ticks
inline constexpr std::chrono::milliseconds kFingerprintTickBudget{8};  // work per tick at most (one file more)

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

    // Passes over every record from the first, fingerprinting those without one whose file exists.
    void StartFingerprintFill();
    // One tick of that pass; the last one turns the timer off.
    void FingerprintStep();

    const QTimer& FileScanTimer() const { return m_tmrFileScan; }
    const QTimer& CheckAppsTimer() const { return m_tmrCheckApps; }
    const QTimer& FingerprintTimer() const { return m_tmrFingerprints; }
    const FileScan& Scan() const { return m_scan; }

private:
    AppState& m_state;
    MediaListPresenter& m_rows;
    ucStatusBar& m_statusBar;
    QWidget& m_window;
    QTimer m_tmrFileScan;
    QTimer m_tmrCheckApps;
    QTimer m_tmrFingerprints;
    qint32 m_fingerprintCursor = 0;  // next record the fill looks at
    FileScan m_scan;
    QString m_statusText;  // what the running scan put in the status bar
};
