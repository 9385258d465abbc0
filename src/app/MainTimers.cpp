#include "app/MainTimers.h"

#include "app/MediaListPresenter.h"
#include "controls/ucStatusBar.h"
#include "session/AppState.h"

#include <QWidget>

MainTimers::MainTimers(AppState& state, MediaListPresenter& rows, ucStatusBar& statusBar, QWidget& window,
                       std::function<void()> checkApps)
    : m_state(state)
    , m_rows(rows)
    , m_statusBar(statusBar)
    , m_window(window)
{
    tmrFileScan.setObjectName(QStringLiteral("tmrFileScan"));
    tmrCheckApps.setObjectName(QStringLiteral("tmrCheckApps"));
    tmrCheckApps.setInterval(kCheckAppsInterval);
    connect(&tmrFileScan, &QTimer::timeout, this, &MainTimers::FileScanStep);
    connect(&tmrCheckApps, &QTimer::timeout, this, std::move(checkApps));
}

void MainTimers::StartFileScan(bool aggressive)
{
    m_scan.StartFileScan(aggressive, m_state.Settings.MediaPaths);
    tmrFileScan.setInterval(m_scan.TimerInterval());
    m_statusBar.UpdateField(0, m_scan.StatusText());
    if (aggressive)
        m_window.setCursor(Qt::WaitCursor);
    else
        m_window.unsetCursor();
    tmrFileScan.start();
}

void MainTimers::StopFileScan()
{
    tmrFileScan.stop();
}

void MainTimers::FileScanStep()
{
    const bool more = m_scan.FileScanStep(m_state.Media, NameSchemeOf(m_state.Settings),
                                          [this](qint32 recordIndex) { m_rows.AddRecordRow(recordIndex); });
    if (!more) {
        tmrFileScan.stop();
        m_statusBar.UpdateField(0, QString());
        m_window.unsetCursor();
    }
    m_rows.RefreshRows();
}

void MainTimers::StartCheckApps()
{
    tmrCheckApps.start();
}

void MainTimers::StopCheckApps()
{
    tmrCheckApps.stop();
}
