// frmMain: the media folders watched while the program runs (LiveMediaFolders). New ride files
// become records (or bring their moved records along) at once; rows whose files went are marked
// and stay until "Validate Media List".

#include "app/LiveMediaFolders.h"
#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "controls/ucStatusBar.h"
#include "library/AddMediaRecord.h"
#include "session/AppState.h"

#include <QFileInfo>

namespace {
const char kLiveLimitStatus[] = "Too many folders to watch: new files show after a file scan.";
} // namespace

void frmMain::StartLiveFolders()
{
    m_live->Start(m_state.Settings.MediaPaths);
}

void frmMain::LiveFileAdded(const QString& path)
{
    const AddResult result = AddOrRelinkMediaRecord(m_state.Media, path, NameSchemeOf(m_state.Settings));
    switch (result.Outcome) {
    case AddOutcome::Added:
    case AddOutcome::Revived:
        m_rows->AddRecordRow(result.Index);
        break;
    case AddOutcome::Relinked:
        m_rows->MarkRecordGone(result.Index, false);
        m_rows->RewriteRecordRow(result.Index, m_rows->FindRowByKey(result.Index));
        break;
    case AddOutcome::Refused:
        // A known file that came back (deleted and made again, or renamed back).
        if (const qint32 index = m_state.Media.FindPath(path); index >= 0)
            m_rows->MarkRecordGone(index, false);
        break;
    }
}

void frmMain::LiveFileGone(const QString& path)
{
    const qint32 index = m_state.Media.FindPath(path);
    if (index >= 0 && !QFileInfo::exists(path))
        m_rows->MarkRecordGone(index, true);
}

// The system refused another watch: the folders are no longer watched, and a scan from the start
// picks up what came meanwhile (a running scan may have passed the new folder already; an
// aggressive one stays aggressive). The status bar says so once per run.
void frmMain::LiveWatchLimitReached()
{
    const FileScan& scan = m_timers->Scan();
    StartFileScan(scan.IsRunning() && scan.IsAggressive());
    if (!m_liveLimitShown) {
        m_liveLimitShown = true;
        m_sbMain->UpdateField(0, QLatin1String(kLiveLimitStatus));
    }
}
