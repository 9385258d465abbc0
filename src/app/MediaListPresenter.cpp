#include "app/MediaListPresenter.h"

#include "controls/ucAdvList.h"
#include "controls/ucStatusBar.h"
#include "library/RowText.h"

MediaListPresenter::MediaListPresenter(ucAdvList& list, ucStatusBar& statusBar, const MediaTable& table,
                                       std::function<void()> refilled)
    : m_list(list)
    , m_statusBar(statusBar)
    , m_table(table)
    , m_refilled(std::move(refilled))
{
}

MediaListPresenter::RowEntry MediaListPresenter::MakeRow(qint32 recordIndex) const
{
    RowEntry entry;
    entry.Text = BuildRowText(m_table.MediaList[recordIndex], recordIndex);
    entry.Cells = m_list.Data().SplitCaptions(entry.Text);
    if (m_gone.contains(recordIndex) && !entry.Cells.isEmpty())
        entry.Cells[0].prepend(QLatin1String(kGoneMarker));
    return entry;
}

void MediaListPresenter::RebuildRows()
{
    const qint32 count = m_table.MediaCount();
    m_rowsByRecord.resize(count);
    for (qint32 i = 0; i < count; ++i)
        m_rowsByRecord[i] = MakeRow(i);
}

void MediaListPresenter::FillMediaList()
{
    m_search = FieldSearch(QString());
    RebuildRows();
    m_list.ClearRows();
    for (const RowEntry& entry : m_rowsByRecord)
        m_list.AddSplitRow(entry.Cells, true);
    m_list.Refresh();
    UpdateListCount();
    if (m_refilled)
        m_refilled();
}

void MediaListPresenter::FilterMediaList(const QString& searchText)
{
    // Records only ever change through this class or are refilled through it, so rows of the
    // right count are current; a table that grew or shrank behind our back is formatted anew.
    if (m_rowsByRecord.size() != size_t(m_table.MediaCount()))
        RebuildRows();
    m_search = FieldSearch(searchText);
    m_list.ClearRows();
    for (size_t i = 0; i < m_rowsByRecord.size(); ++i) {
        if (m_search.Matches(m_table.MediaList[i], m_rowsByRecord[i].Text))
            m_list.AddSplitRow(m_rowsByRecord[i].Cells, true);
    }
    m_list.Refresh();
    UpdateListCount();
    if (m_refilled)
        m_refilled();
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
    const qint32 key = m_list.ListItem(int(MediaColumn::Key), row).toInt(&ok);
    return ok ? key : -1;
}

void MediaListPresenter::AddRecordRow(qint32 recordIndex)
{
    RowEntry entry = MakeRow(recordIndex);
    if (m_search.Matches(m_table.MediaList[recordIndex], entry.Text))
        m_list.AddSplitRow(entry.Cells, true);
    if (m_rowsByRecord.size() == size_t(recordIndex))
        m_rowsByRecord.push_back(std::move(entry));
    else
        m_rowsByRecord.clear();  // out of step: the next filter formats every record again
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
    RowEntry entry = MakeRow(recordIndex);
    if (row >= 0) {
        for (int column = 0; column < kShownColumnCount; ++column)
            m_list.ModifyRow(row, column, entry.Cells[column], column + 1 < kShownColumnCount);
    }
    if (size_t(recordIndex) < m_rowsByRecord.size())
        m_rowsByRecord[recordIndex] = std::move(entry);
}

void MediaListPresenter::MarkRecordGone(qint32 recordIndex, bool gone)
{
    if (gone == m_gone.contains(recordIndex))
        return;
    if (gone)
        m_gone.insert(recordIndex);
    else
        m_gone.remove(recordIndex);
    RewriteRecordRow(recordIndex, FindRowByKey(recordIndex));
}
