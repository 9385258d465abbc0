// frmMain: the events of the media list and the search bar, and the selection that survives every
// refill of the rows.

#include "app/InfoPanel.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "controls/ucAdvList.h"
#include "session/AppState.h"

#include <QLineEdit>

qint32 frmMain::FindRowByKey(qint32 key) const
{
    return m_rows->FindRowByKey(key);
}

void frmMain::SearchChanged()
{
    const QString text = m_txtSearch->text();
    if (text.isEmpty())
        m_rows->FillMediaList();
    else
        m_rows->FilterMediaList(text);
}

void frmMain::ClearSearch()
{
    m_txtSearch->setText(QString());
    m_alMain->setFocus(Qt::OtherFocusReason);
    m_alMain->SortByColumn(int(MediaColumn::TrackName));
}

void frmMain::ListMouseDown(int row)
{
    m_pressedRow = row;
    if (row >= 0)
        AskToStorePanelEdits();
    m_state.Selection.SelectedRowIndex = row;
    if (row < 0)
        return;
    m_state.Selection.SelectedMediaIndex = m_rows->RecordOfRow(row);
    ShowFileInfo();
}

void frmMain::ListDoubleClick()
{
    // The list's DoubleClick carries the row of an earlier click; the press that began this double
    // click says what is under the pointer. On the header, a column edge or the empty area below
    // the rows it rides nothing.
    if (m_pressedRow >= 0)
        RideFile();
}

void frmMain::ListSorted()
{
    // The record in the information panel stays selected by its index; its row moved.
    m_state.Selection.SelectedRowIndex = m_rows->FindRowByKey(m_state.Selection.SelectedMediaIndex);
}

// Every refill (the search, a validation, start-up) builds the rows anew in record order: the
// selected record's row is looked up by its key, highlighted again when shown, and a selection whose
// record is gone is cleared with the information panel.
void frmMain::RowsRefilled()
{
    MediaSelection& selection = m_state.Selection;
    if (selection.SelectedMediaIndex < 0 || selection.SelectedMediaIndex >= m_state.Media.MediaCount()) {
        ClearSelection();
        return;
    }
    selection.SelectedRowIndex = SelectedRow();
    if (selection.SelectedRowIndex >= 0) {
        m_alMain->SetSelected(selection.SelectedRowIndex, true);
        m_alMain->Refresh();
    }
}

qint32 frmMain::SelectedRow()
{
    return m_rows->FindRowByKey(m_state.Selection.SelectedMediaIndex);
}

void frmMain::ClearSelection()
{
    m_state.Selection = MediaSelection{};
    m_fmeInfoArea->Clear();
    MenuEnabled(false);
}
