#pragma once
// The table behind the advanced list: columns, text cells, per-row selection flags, the current
// row and the sort state. QtCore only, so the sort and the selection rules run without a widget.
//
// Selection flags belong to row positions, not to row contents: sorting and removing rows move
// texts only, so a flag stays on its position while another row's text moves under it.

#include <QString>
#include <QStringList>

#include <vector>

// Rows an owner keeps itself: the list holds only the owner's item numbers and reads a row's cells
// through the source when it draws, sorts or is asked, so a fill of many rows copies no text. The
// cells must be what SplitCaptions makes of the item's captions ("" past the list's columns), and
// stay so while the rows are shown: an owner that changes an item rewrites its row (ModifyRow) or
// refills the list.
class AdvListRowSource {
public:
    virtual QString SourceCell(qint32 item, int column) const = 0;

protected:
    ~AdvListRowSource() = default;
};

struct AdvListColumn {
    QString Title;
    int Alignment = 0;  // 0 left, 1 right, 2 centre
    int Width = 0;      // twips
};

class AdvListData {
public:
    static constexpr int kMaxColumns = 10;
    static constexpr int kMinColumnPixels = 50;
    static constexpr int kMaxColumnPixels = 800;

    // Mouse buttons and shift bits as pointer events report them.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

    explicit AdvListData(double twipsPerPixelX = 15.0);

    double TwipsPerPixelX() const { return m_twipsPerPixelX; }
    void SetTwipsPerPixelX(double twipsPerPixel) { m_twipsPerPixelX = twipsPerPixel; }

    // Columns. Widths are given in pixels, clamped to 50..800 and kept in twips.
    int AddColumn(const QString& title, int alignment, int widthPixels);  // -1 when full
    bool ModifyColumn(int column, const QString& title, int alignment, int widthPixels);
    bool SetColumnWidthPixels(int column, int widthPixels);  // clamped; false when out of range
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    const AdvListColumn& Column(int column) const { return m_columns[column]; }
    int ColumnWidth(int column) const;  // twips; -1 out of range
    int ColumnWidthPixels(int column) const;
    static int ClampColumnPixels(int widthPixels);

    // Rows.
    int AddRow(const QString& captions);  // cells separated by CR LF; returns the new row
    // The cells AddRow makes of captions (one slot per possible column), and adding such cells
    // as they are: an owner that adds the same rows again and again (a search) splits each once
    // and adds a shared handle, which costs no copy of the texts.
    QStringList SplitCaptions(const QString& captions) const;
    int AddSplitRow(const QStringList& cells);  // cells from SplitCaptions; returns the new row
    // The source of the rows AddSourceRow adds; setting it clears the rows. It must outlive them.
    void SetRowSource(const AdvListRowSource* source);
    // A row showing the source's item; -1 (nothing added) without a source. ModifyRow gives the row
    // cells of its own, copied from the source.
    int AddSourceRow(qint32 item);
    // The source's item a row shows, or -1 for a row with cells of its own or no row.
    qint32 SourceItem(int row) const { return row >= 0 && row < RowCount() ? m_rows[row].Item : -1; }
    bool ModifyRow(int row, int column, const QString& text);
    bool RemoveRow(int row);
    void ClearRows();  // rows, current row, sort column
    void Clear();      // and the columns
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    QString ListItem(int column, int row) const;  // column first, as callers know it
    QString ListRow(int row) const;               // cells joined by CR LF
    // Fast cell access for drawing; both indices must be in range.
    QString Cell(int row, int column) const
    {
        const Row& r = m_rows[row];
        return r.Item < 0 ? r.Cells.at(column) : m_source->SourceCell(r.Item, column);
    }

    // Selection.
    bool Selected(int row) const;
    void SetSelected(int row, bool selected);
    int SelCount() const;
    int ListIndex() const { return m_listIndex; }
    void SetListIndex(int index);  // clamped to -1..row count - 1

    bool MultiSelect() const { return m_multiSelect; }
    void SetMultiSelect(bool on);  // on also turns RightClickSelect off
    bool RightClickSelect() const { return m_rightClickSelect; }
    void SetRightClickSelect(bool on);  // ignored while MultiSelect

    // A press on an existing row. Applies the selection rules and, when they changed anything,
    // makes the row current. Returns whether anything changed.
    bool PressRow(int row, int button, int shift);
    // A left drag over a row while MultiSelect: selects it. Returns whether the row was valid.
    bool DragOverRow(int row);

    // Sorting. Stable ascending by the lower-cased cell text compared code unit by code unit
    // ("10" before "9"); descending is exactly the ascending order reversed.
    bool SortByColumn(int column, bool descending);  // false, untouched, for a bad column
    int SortColumn() const { return m_sortColumn; }
    int SortDirection() const { return m_sortDirection; }  // 0 ascending, 1 descending
    // What a click on a sortable header asks for: the same column flips the direction, another
    // column starts ascending. Returns the column; descending tells the direction.
    int HeaderClickSort(int column, bool* descending);

private:
    // A row is the source's item, or cells of its own with a slot for each possible column. The
    // cells are a shared handle, so the sort moves handles, not texts.
    struct Row {
        QStringList Cells;
        qint32 Item = -1;  // 0 or more: the source's item, and Cells is empty
    };

    double m_twipsPerPixelX;
    std::vector<AdvListColumn> m_columns;
    std::vector<Row> m_rows;
    const AdvListRowSource* m_source = nullptr;
    std::vector<char> m_selected;
    int m_listIndex = -1;
    int m_sortColumn = -1;
    int m_sortDirection = 0;
    bool m_multiSelect = true;
    bool m_rightClickSelect = false;
};
