#include "app/MediaListPresenter.h"

#include "controls/ucAdvList.h"
#include "controls/ucStatusBar.h"
#include "library/RowText.h"

MediaListPresenter::MediaListPresenter(ucAdvList& list, ucStatusBar& statusBar, const MediaTable& table)
    : m_list(list)
    , m_statusBar(statusBar)
    , m_table(table)
{
}

void MediaListPresenter::RebuildRowTexts()
{
    const qint32 count = m_table.MediaCount();
    m_rowTexts.resize(count);
    for (qint32 i = 0; i < count; ++i)
        m_rowTexts[i] = BuildRowText(m_table.MediaList[i], i);
}

void MediaListPresenter::FillMediaList()
{
    RebuildRowTexts();
    m_list.ClearRows();
    for (const QString& text : m_rowTexts)
        m_list.AddRow(text, true);
    m_list.Refresh();
    UpdateListCount();
}

void MediaListPresenter::FilterMediaList(const QString& searchText)
{
    // Records only ever change through this class or are refilled through it, so texts of the
    // right count are current; a table that grew or shrank behind our back is formatted anew.
    if (m_rowTexts.size() != size_t(m_table.MediaCount()))
        RebuildRowTexts();
    m_list.ClearRows();
    for (const QString& text : m_rowTexts) {
        if (RowTextMatches(text, searchText))
            m_list.AddRow(text, true);
    }
    m_list.Refresh();
    UpdateListCount();
}

void MediaListPresenter::UpdateListCount()
{
    m_statusBar.UpdateField(1, FormatCount(m_list.RowCount()) + QStringLiteral(" of ") + FormatCount(m_table.MediaCount()));
}

qint32 MediaListPresenter::FindRowByKey(qint32 key) const
{
    const qint32 rows = m_list.RowCount();
    for (qint32 row = 0; row < rows; ++row) {
        if (RecordOfRow(row) == key)
            return row;
    }
    return -1;
}

qint32 MediaListPresenter::RecordOfRow(qint32 row) const
{
    if (row < 0 || row >= m_list.RowCount())
        return -1;
    bool ok = false;
    const qint32 key = m_list.ListItem(kKeyColumn, row).toInt(&ok);
    return ok ? key : -1;
}

void MediaListPresenter::AddRecordRow(qint32 recordIndex)
{
    const QString text = BuildRowText(m_table.MediaList[recordIndex], recordIndex);
    if (m_rowTexts.size() == size_t(recordIndex))
        m_rowTexts.push_back(text);
    else
        m_rowTexts.clear();  // out of step: the next filter formats every record again
    m_list.AddRow(text, true);
}

void MediaListPresenter::RefreshRows()
{
    m_list.Refresh();
    UpdateListCount();
}

void MediaListPresenter::RewriteRecordRow(qint32 recordIndex, qint32 row)
{
    if (recordIndex < 0 || recordIndex >= m_table.MediaCount())
        return;
    const QString text = BuildRowText(m_table.MediaList[recordIndex], recordIndex);
    if (size_t(recordIndex) < m_rowTexts.size())
        m_rowTexts[recordIndex] = text;
    if (row < 0)
        return;
    const QStringList cells = text.split(QStringLiteral("\r\n"));
    for (int column = 0; column < kKeyColumn && column < cells.size(); ++column)
        m_list.ModifyRow(row, column, cells[column], column + 1 < kKeyColumn);
}
