#pragma once
// The one owner of the main list's rows. Every row is a record of the table, keyed by the hidden
// eighth cell (MediaColumn::Key) that holds the record's index; a row is never matched by its title
// or path.
//
// The row text of each record, and its cells as the list keeps them, are kept beside the table so
// that a search keystroke only tests texts and adds shared rows instead of formatting and splitting
// every record again. Whoever changes a record in place tells the
// presenter through RewriteRecordRow; every refill (fill, scan, validation) goes through here.

#include "library/FieldSearch.h"
#include "library/MediaRecord.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class ucAdvList;
class ucStatusBar;

// The list's columns, in the order BuildRowText writes the cells; Key is hidden.
enum class MediaColumn { TrackName, Author, Rating, Ridden, RideDate, Type, AddDate, Key };
inline constexpr int kShownColumnCount = int(MediaColumn::Key);
// Before the title of a record whose file is gone.
inline constexpr char kGoneMarker[] = "(missing) ";

class MediaListPresenter {
public:
    // refilled runs after every refill (FillMediaList, FilterMediaList), when rows have new places.
    MediaListPresenter(ucAdvList& list, ucStatusBar& statusBar, const MediaTable& table,
                       std::function<void()> refilled = {});

    // Clear and refill with every record, in table order; one redraw, then the count.
    void FillMediaList();
    // The same with only the records that match searchText (FieldSearch): a plain text anywhere in
    // the whole row text, ignoring letter case, or field words such as "rode:2026 -type:pack".
    // The search stays the filter of the rows AddRecordRow adds until the next refill.
    void FilterMediaList(const QString& searchText);
    // Status field 1: "<rows> of <records>", both with thousands separators.
    void UpdateListCount();
    // The row whose key cell is key, or -1 (for example when the search hides the record).
    qint32 FindRowByKey(qint32 key) const;
    // The record behind a row (its key cell), or -1 for a row that does not exist.
    qint32 RecordOfRow(qint32 row) const;

    // The scan appended the record at recordIndex: add its row, when it matches the search text,
    // without drawing yet.
    void AddRecordRow(qint32 recordIndex);
    // After a run of AddRecordRow: one redraw and the new count.
    void RefreshRows();
    // The record at recordIndex changed (edited, ridden): its text is built again and, when row is
    // 0 or more, the row's visible cells are rewritten in place. The list is not re-sorted.
    void RewriteRecordRow(qint32 recordIndex, qint32 row);

    // The record's file went while the program ran: its row shows kGoneMarker before the title
    // until the file comes back (gone false) or "Validate Media List" drops the record, whose
    // refill renumbers the records and so forgets every mark (ForgetGoneMarks).
    void MarkRecordGone(qint32 recordIndex, bool gone);
    bool IsMarkedGone(qint32 recordIndex) const { return m_gone.contains(recordIndex); }
    void ForgetGoneMarks() { m_gone.clear(); }

private:
    struct RowEntry {
        QString Text;       // BuildRowText of the record
        QStringList Cells;  // the same split as the list splits it, shared with the list's rows
    };
    RowEntry MakeRow(qint32 recordIndex) const;
    void RebuildRows();

    ucAdvList& m_list;
    ucStatusBar& m_statusBar;
    const MediaTable& m_table;
    std::function<void()> m_refilled;
    FieldSearch m_search{QString()};  // an empty search shows every record
    std::vector<RowEntry> m_rowsByRecord;
    QSet<qint32> m_gone;
};
