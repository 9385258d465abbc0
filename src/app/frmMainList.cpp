// frmMain: the events of the media list and the search bar.

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
    m_state.Selection.SelectedRowIndex = -1;
    const QString text = txtSearch->text();
    if (text.isEmpty())
        m_rows->FillMediaList();
    else
        m_rows->FilterMediaList(text);
}

void frmMain::ClearSearch()
{
    txtSearch->setText(QString());
    alMain->setFocus(Qt::OtherFocusReason);
    alMain->SortByColumn(0);
}

void frmMain::ListMouseDown(int row)
{
    m_state.Selection.SelectedRowIndex = row;
    if (row < 0)
        return;
    m_state.Selection.SelectedMediaIndex = m_rows->RecordOfRow(row);
    ShowFileInfo();
}

void frmMain::ListSorted()
{
    // The record in the information panel stays selected by its index.
    m_state.Selection.SelectedRowIndex = -1;
}
