#include "app/MediaListPresenter.h"

#include "controls/ucAdvList.h"
#include "controls/ucStatusBar.h"
#include "library/RowText.h"

#include <algorithm>
#include <iterator>

MediaListPresenter::MediaListPresenter(ucAdvList& list, ucStatusBar& statusBar, const MediaTable& table,
                                       std::function<void()> refilled)
    : m_list(list)
    , m_statusBar(statusBar)
    , m_table(table)
    , m_refilled(std::move(refilled))
{
    m_list.SetRowSource(this);
}

MediaListPresenter::~MediaListPresenter()
{
    m_list.SetRowSource(nullptr);
}

MediaListPresenter::RowEntry MediaListPresenter::MakeRow(qint32 recordIndex) const
{
    // A field holding the separator itself splits into other cells than its own.
    const MediaRecord& record = m_table.MediaList[recordIndex];
    const QString* texts[] = {&record.Title, &record.Author, &record.Rating, &record.RideDate, &record.AddDate};
    RowEntry entry;
    entry.Joined = std::any_of(std::begin(texts), std::end(texts),
                               [](const QString* t) { return t->contains(QStringView(u"\r\n")); });
    return entry;
}

QString MediaListPresenter::SourceCell(qint32 item, int column) const
{
    if (item >= m_table.MediaCount())
        return {};
    const MediaRecord& record = m_table.MediaList[item];
    const bool joined = size_t(item) >= m_rowsByRecord.size() || m_rowsByRecord[item].Joined;
    QString cell;
    if (joined || m_list.ColumnCount() != kShownColumnCount + 1) {
        const QStringList cells = m_list.Data().SplitCaptions(BuildRowText(record, item));
        cell = column < cells.size() ? cells.at(column) : QString();
    } else {
        switch (MediaColumn(column)) {
        case MediaColumn::TrackName: cell = record.Title; break;
        case MediaColumn::Author: cell = record.Author; break;
        case MediaColumn::Rating: cell = record.Rating; break;
        case MediaColumn::Ridden: cell = FormatCount(record.RideCount); break;
        case MediaColumn::RideDate: cell = record.RideDate; break;
        case MediaColumn::Type: cell = TypeNameOf(record.FileType); break;
        case MediaColumn::AddDate: cell = record.AddDate; break;
        case MediaColumn::Key: cell = QString::number(item); break;
        }
    }
    if (column == int(MediaColumn::TrackName) && !m_gone.isEmpty() && m_gone.contains(item))
        cell.prepend(QLatin1String(kGoneMarker));
    return cell;
}

bool MediaListPresenter::RowMatches(qint32 recordIndex)
{
    if (m_searchText.isEmpty())
        return true;
    RowEntry& entry = m_rowsByRecord[recordIndex];
    if (entry.Text.isNull())
        entry.Text = BuildRowText(m_table.MediaList[recordIndex], recordIndex);
    return m_search.Matches(m_table.MediaList[recordIndex], entry.Text);
}

void MediaListPresenter::RebuildRows()
{
    const qint32 count = m_table.MediaCount();
    m_rowsByRecord.assign(count, RowEntry());
    for (qint32 i = 0; i < count; ++i)
        m_rowsByRecord[i] = MakeRow(i);
}

void MediaListPresenter::FillMediaList()
{
    m_searchText.clear();
    m_search = FieldSearch(m_searchText);
    RebuildRows();
    m_list.ClearRows();
    for (qint32 i = 0; i < qint32(m_rowsByRecord.size()); ++i)
        m_list.AddSourceRow(i, true);
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
    m_searchText = searchText;
    m_search = FieldSearch(m_searchText);
    m_list.ClearRows();
    for (qint32 i = 0; i < qint32(m_rowsByRecord.size()); ++i) {
        if (RowMatches(i))
            m_list.AddSourceRow(i, true);
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
    if (key < 0)  // no record: nothing to look through (a sort with nothing selected)
        return -1;
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
    // A row showing a record whose cells are its fields holds that record's number as its key.
    const qint32 item = m_list.Data().SourceItem(row);
    if (item >= 0 && size_t(item) < m_rowsByRecord.size() && !m_rowsByRecord[item].Joined
        && m_list.ColumnCount() == kShownColumnCount + 1)
        return item;
    bool ok = false;
    const qint32 key = m_list.ListItem(int(MediaColumn::Key), row).toInt(&ok);
    return ok ? key : -1;
}

void MediaListPresenter::AddRecordRow(qint32 recordIndex)
{
    bool matches = true;
    if (m_rowsByRecord.size() == size_t(recordIndex)) {
        m_rowsByRecord.push_back(MakeRow(recordIndex));
        matches = RowMatches(recordIndex);
    } else {
        m_rowsByRecord.clear();  // out of step: the next filter formats every record again
        const MediaRecord& record = m_table.MediaList[recordIndex];
        matches = m_searchText.isEmpty() || m_search.Matches(record, BuildRowText(record, recordIndex));
    }
    if (matches)
        m_list.AddSourceRow(recordIndex, true);
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
    if (size_t(recordIndex) < m_rowsByRecord.size())
        m_rowsByRecord[recordIndex] = MakeRow(recordIndex);
    if (row >= 0) {
        for (int column = 0; column < kShownColumnCount; ++column)
            m_list.ModifyRow(row, column, SourceCell(recordIndex, column), column + 1 < kShownColumnCount);
    }
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
