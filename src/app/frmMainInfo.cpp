// frmMain: the information panel's side of the window - showing the selected record, storing the
// edited fields, and the large preview.

#include "app/InfoPanel.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "app/frmPreview.h"
#include "controls/ucAdvList.h"
#include "dialogs/frmMessageBox.h"
#include "library/MediaDatabase.h"
#include "library/MediaRecordEdit.h"
#include "library/ScreenshotLookup.h"
#include "session/AppState.h"

void frmMain::ShowFileInfo()
{
    const qint32 selected = m_state.Selection.SelectedMediaIndex;
    if (selected < 0 || selected >= m_state.Media.MediaCount())
        return;
    const MediaRecord& record = m_state.Media.MediaList[size_t(selected)];
    m_fmeInfoArea->ShowRecord(record, FindScreenshotCandidates(record, m_state.Settings.SimulatorPath));
    MenuEnabled(true);
}

void frmMain::AskToStorePanelEdits()
{
    const qint32 selected = m_state.Selection.SelectedMediaIndex;
    if (!m_fmeInfoArea->UpdateEnabled() || selected < 0 || selected >= m_state.Media.MediaCount())
        return;
    const MessageAnswer answer = frmMessageBox::ShowMessage(
        QStringLiteral("Update %1?").arg(m_state.Media.MediaList[size_t(selected)].Title),
        QStringLiteral("Update Information..."), this, MessageIcon::Question, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        UpdateInfo();
    else
        ShowFileInfo();  // the stored fields again
}

void frmMain::RefreshAfterRide()
{
    const qint32 selected = m_state.Selection.SelectedMediaIndex;
    if (!m_fmeInfoArea->UpdateEnabled() || selected < 0 || selected >= m_state.Media.MediaCount()) {
        ShowFileInfo();
        return;
    }
    m_fmeInfoArea->ShowScreenshot(
        FindScreenshotCandidates(m_state.Media.MediaList[size_t(selected)], m_state.Settings.SimulatorPath));
}

void frmMain::UpdateInfo()
{
    MediaSelection& selection = m_state.Selection;
    if (selection.SelectedMediaIndex >= 0 && selection.SelectedMediaIndex < m_state.Media.MediaCount()) {
        if (m_fmeInfoArea->TitleText().isEmpty()) {
            const MessageAnswer answer = frmMessageBox::ShowMessage(
                QStringLiteral("Are you sure you want to remove the Title?\r\nCompletely removing the Title will "
                               "make the file hard to locate in the list!"),
                QStringLiteral("Confirm Removing Title..."), this, MessageIcon::Question, MessageButtons::YesNoCancel);
            if (answer != MessageAnswer::Yes)
                return;
        }
        const QString databaseFile = MediaDatabasePath(m_state.ProgramFolder);
        if (EditMediaRecord(m_state.Media, selection.SelectedMediaIndex, m_fmeInfoArea->Edits(), databaseFile)
            == RecordEditOutcome::SaveFailed)
            ReportSaveFailure({databaseFile});
        selection.SelectedRowIndex = SelectedRow();
        m_rows->RewriteRecordRow(selection.SelectedMediaIndex, selection.SelectedRowIndex);
    }
    m_fmeInfoArea->SetUpdateEnabled(false);
    m_alMain->setFocus(Qt::OtherFocusReason);
}

void frmMain::ShowPreview()
{
    if (!m_fmeInfoArea->HasPreview())
        return;
    frmPreview preview(m_fmeInfoArea->Screenshot(), m_state.Settings.LargeViewWidth, m_state.Settings.LargeViewHeight,
                       this);
    preview.exec();
}

bool frmMain::HasPreview() const
{
    return m_fmeInfoArea->HasPreview();
}
