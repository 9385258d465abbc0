#pragma once
// The table behind the advanced list: columns, text cells, per-row selection flags, the current
// row and the sort state. QtCore only, so the sort and the selection rules run without a widget.
//
// Selection flags belong to row positions, not to row contents: sorting and removing rows move
// texts only, so a flag stays on its position while another row's text moves under it.

#include <QString>
#include <QStringList>

#include <vector>

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
    bool ModifyRow(int row, int column, const QString& text);
    bool RemoveRow(int row);
    void ClearRows();  // rows, current row, sort column
    void Clear();      // and the columns
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    QString ListItem(int column, int row) const;  // column first, as callers know it
    QString ListRow(int row) const;               // cells joined by CR LF
    // Fast cell access for drawing; both indices must be in range.
    const QString& Cell(int row, int column) const { return m_rows[row].at(column); }

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
    // Every row has a slot for each possible column. A row is a shared handle, so the sort
    // moves handles, not texts.
    using Row = QList<QString>;

    double m_twipsPerPixelX;
    std::vector<AdvListColumn> m_columns;
    std::vector<Row> m_rows;
    std::vector<char> m_selected;
    int m_listIndex = -1;
    int m_sortColumn = -1;
    int m_sortDirection = 0;
    bool m_multiSelect = true;
    bool m_rightClickSelect = false;
};
