// frmMain: files opened from outside the window (the command line, or a second start of the
// program handing its files over) are shown here once the core has added them.

#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "controls/ucAdvList.h"
#include "controls/ucStatusBar.h"
#include "session/AppState.h"
#include "session/OpenRideFiles.h"

#include <QLineEdit>

void frmMain::ShowOpenedFiles(const OpenedFiles& opened)
{
    for (const qint32 record : opened.Added)
        m_rows->AddRecordRow(record);
    if (!opened.Added.empty())
        m_rows->RefreshRows();
    if (!opened.StatusText.isEmpty())
        m_sbMain->UpdateField(0, opened.StatusText);

    if (opened.FirstRecord >= 0) {
        qint32 row = m_rows->FindRowByKey(opened.FirstRecord);
        if (row < 0 && !m_txtSearch->text().isEmpty()) {
            // The search hides the file the user asked for.
            ClearSearch();
            row = m_rows->FindRowByKey(opened.FirstRecord);
        }
        if (row >= 0) {
            // As a click on the row: selected, in view, and in the information panel.
            m_alMain->ChooseRow(row);
        } else {
            AskToStorePanelEdits();
            m_state.Selection.SelectedMediaIndex = opened.FirstRecord;
            m_state.Selection.SelectedRowIndex = -1;
            ShowFileInfo();
        }
    }

    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
