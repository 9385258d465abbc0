#include "app/MainTimers.h"

#include "app/MediaListPresenter.h"
#include "controls/ucStatusBar.h"
#include "library/AddMediaRecord.h"
#include "session/AppState.h"

#include <QWidget>

MainTimers::MainTimers(AppState& state, MediaListPresenter& rows, ucStatusBar& statusBar, QWidget& window,
                       std::function<void()> checkApps)
    : m_state(state)
    , m_rows(rows)
    , m_statusBar(statusBar)
    , m_window(window)
{
    m_tmrFileScan.setObjectName(QStringLiteral("tmrFileScan"));
    m_tmrCheckApps.setObjectName(QStringLiteral("tmrCheckApps"));
    m_tmrCheckApps.setInterval(kCheckAppsInterval);
    m_tmrFingerprints.setObjectName(QStringLiteral("tmrFingerprints"));
    m_tmrFingerprints.setInterval(kFingerprintInterval);
    connect(&m_tmrFileScan, &QTimer::timeout, this, &MainTimers::FileScanStep);
    connect(&m_tmrCheckApps, &QTimer::timeout, this, std::move(checkApps));
    connect(&m_tmrFingerprints, &QTimer::timeout, this, &MainTimers::FingerprintStep);
}

void MainTimers::StartFileScan(bool aggressive)
{
    m_scan.StartFileScan(aggressive, m_state.Settings.MediaPaths);
    m_tmrFileScan.setInterval(m_scan.TimerInterval());
    m_statusText = m_scan.StatusText();
    m_statusBar.UpdateField(0, m_statusText);
    if (aggressive)
        m_window.setCursor(Qt::WaitCursor);
    else
        m_window.unsetCursor();
    m_tmrFileScan.start();
}

void MainTimers::StopFileScan()
{
    m_tmrFileScan.stop();
}

void MainTimers::FileScanStep()
{
    const bool more = m_scan.FileScanStep(m_state.Media, NameSchemeOf(m_state.Settings),
                                          [this](qint32 recordIndex) { m_rows.AddRecordRow(recordIndex); });
    if (!more) {
        m_tmrFileScan.stop();
        // The scan takes back only its own text: a ride's "Riding ..." or "Ride over: ..." shown
        // since stays until something newer replaces it.
        if (m_statusBar.FieldText(0) == m_statusText)
            m_statusBar.UpdateField(0, QString());
        m_window.unsetCursor();
    }
    m_rows.RefreshRows();
}

void MainTimers::StartCheckApps()
{
    m_tmrCheckApps.start();
}

void MainTimers::StopCheckApps()
{
    m_tmrCheckApps.stop();
}

void MainTimers::StartFingerprintFill()
{
    m_fingerprintCursor = 0;
    m_tmrFingerprints.start();
}

void MainTimers::FingerprintStep()
{
    if (!FillFingerprints(m_state.Media, m_fingerprintCursor, kFingerprintTickBudget))
        m_tmrFingerprints.stop();
}
