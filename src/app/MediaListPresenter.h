#pragma once
// The one owner of the main list's rows. Every row is a record of the table, keyed by the hidden
// eighth cell (MediaColumn::Key) that holds the record's index; a row is never matched by its title
// or path.
//
// The list's rows are the records themselves: the presenter is the list's row source, and a cell is
// read from the record when the list draws, sorts or is asked (the same cells the list makes of
// BuildRowText), so a fill or a search keystroke adds record numbers, not texts. Each record's row
// text is kept once a search asked for it, so the next keystroke only tests texts. Whoever changes a
// record in place tells the presenter through RewriteRecordRow; every refill (fill, scan,
// validation) goes through here.

#include "controls/AdvListData.h"
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

class MediaListPresenter : public AdvListRowSource {
public:
    // refilled runs after every refill (FillMediaList, FilterMediaList), when rows have new places.
    MediaListPresenter(ucAdvList& list, ucStatusBar& statusBar, const MediaTable& table,
                       std::function<void()> refilled = {});
    ~MediaListPresenter();
    MediaListPresenter(const MediaListPresenter&) = delete;
    MediaListPresenter& operator=(const MediaListPresenter&) = delete;

    // The cell of the record's row: its field, with kGoneMarker before a gone record's title.
    QString SourceCell(qint32 item, int column) const override;

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
        QString Text;        // BuildRowText of the record, null until a search needs it
        bool Joined = false;  // a field holds the separator: the cells come from splitting Text
    };
    RowEntry MakeRow(qint32 recordIndex) const;
    void RebuildRows();
    bool RowMatches(qint32 recordIndex);

    ucAdvList& m_list;
    ucStatusBar& m_statusBar;
    const MediaTable& m_table;
    std::function<void()> m_refilled;
    QString m_searchText;             // empty: every record is shown
    FieldSearch m_search{QString()};  // the same text, read
    std::vector<RowEntry> m_rowsByRecord;
    QSet<qint32> m_gone;
};
