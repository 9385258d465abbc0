#pragma once
// ucAdvList: the program's own multi-column list. A header of up to ten sortable, resizable
// columns, rows of text with per-row selection flags and a current row, its own vertical and
// horizontal scroll bars, and 17 themable colours. It paints itself; only the visible rows are
// touched, so drawing costs the same for ten rows as for a hundred thousand.
//
// Pointer events report X and Y in twips relative to the control, Button and Shift as in
// controls/MouseArgs.h. Out-of-range indices make methods return false, -1 or "" or do nothing.

#include "controls/AdvListData.h"
#include "controls/AdvListProperties.h"
#include "controls/AdvListScrollBar.h"
#include "controls/Bevel.h"
#include "theme/ColorGroup.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <vector>

class ucAdvList : public QWidget {
    Q_OBJECT
public:
    explicit ucAdvList(QWidget* parent = nullptr);

    // Methods. Widths are in pixels (clamped to 50..800); the column index or -1 when ten exist.
    int AddColumn(const QString& title, int alignment = 0, int width = 100);
    bool ModifyColumn(int column, const QString& title, int alignment, int width);
    // Captions holds the cells separated by CR LF. NoRefresh defers the redraw to Refresh().
    int AddRow(const QString& captions, bool noRefresh = false);
    // The same for cells split once by Data().SplitCaptions (see AdvListData).
    int AddSplitRow(const QStringList& cells, bool noRefresh = false);
    // Rows that show an owner's items through a source (see AdvListRowSource): a fill that copies
    // no text. Setting the source clears the rows.
    void SetRowSource(const AdvListRowSource* source);
    int AddSourceRow(qint32 item, bool noRefresh = false);
    bool ModifyRow(int row, int column, const QString& text, bool noRefresh = false);
    void RemoveRow(int row, bool noRefresh = false);
    void ScrollList(int amount);
    void Refresh();
    void Clear();
    void ClearRows();
    void SortByColumn(int column, bool descending = false);
    // Acts as a left press on the row (Shift as in controls/MouseArgs.h): selects by the pointer's
    // rule, makes it current, scrolls it into view and raises MouseDown. The keyboard and assistive
    // technology choose rows this way.
    void ChooseRow(int row, int shift = 0);

    // Properties.
    int ListIndex() const { return m_data.ListIndex(); }
    void SetListIndex(int index);  // clamped; scrolls it to the top; leaves the selection alone
    bool MultiSelect() const { return m_data.MultiSelect(); }
    void SetMultiSelect(bool on);  // on also turns RightClickSelect off
    bool RightClickSelect() const { return m_data.RightClickSelect(); }
    void SetRightClickSelect(bool on);  // ignored while MultiSelect
    bool SortableColumns() const { return m_sortableColumns; }
    void SetSortableColumns(bool on) { m_sortableColumns = on; }
    bool HideLastColumn() const { return m_hideLastColumn; }
    void SetHideLastColumn(bool on);
    bool HideIndexBorder() const { return m_hideIndexBorder; }
    void SetHideIndexBorder(bool on);
    bool CustomColors() const { return m_customColors; }
    void SetCustomColors(bool on);  // off reloads all but the header colours from the system
    bool ColorHeaderAsButton() const { return m_colorHeaderAsButton; }
    void SetColorHeaderAsButton(bool on);  // ignored unless CustomColors
    // CCListBackground ... CCHeaderBrightHighlight, named by AdvListColor. Let is ignored unless
    // CustomColors.
    OleColor Color(AdvListColor which) const { return m_colors[int(which)]; }
    void SetColor(AdvListColor which, OleColor color);
    // The six CCButton* or CCHeader* colours at once, under the same rule as SetColor.
    void SetButtonColors(const ColorGroup& group);
    void SetHeaderColors(const ColorGroup& group);
    bool Selected(int row) const { return m_data.Selected(row); }
    void SetSelected(int row, bool selected) { m_data.SetSelected(row, selected); }  // no redraw
    FontRecord ListFont() const { return m_listFont; }
    void SetListFont(const FontRecord& font);
    FontRecord HeaderFont() const { return m_headerFont; }
    void SetHeaderFont(const FontRecord& font);
    bool MouseWheelEnabled() const { return m_mouseWheelEnabled; }
    void SetMouseWheelEnabled(bool on) { m_mouseWheelEnabled = on; }  // from the next focus change
    int MouseWheelStep() const { return m_mouseWheelStep; }
    void SetMouseWheelStep(int rows) { m_mouseWheelStep = std::max(rows, 0); }
    int ListCount() const { return m_data.RowCount(); }
    int RowCount() const { return m_data.RowCount(); }
    int ColumnCount() const { return m_data.ColumnCount(); }
    QString ListRow(int row) const { return m_data.ListRow(row); }
    QString ListItem(int column, int row) const { return m_data.ListItem(column, row); }
    int SelCount() const { return m_data.SelCount(); }
    int ColumnWidth(int column) const { return m_data.ColumnWidth(column); }  // twips

    // The design-time settings as a whole, for persisting them (controls/AdvListProperties.h).
    AdvListProperties Properties() const;
    void ApplyProperties(const AdvListProperties& properties);

    // What the list shows, for its owner and its tests.
    const AdvListData& Data() const { return m_data; }
    const AdvListScrollBar& VerticalBar() const { return m_vBar; }
    const AdvListScrollBar& HorizontalBar() const { return m_hBar; }
    int SlotCount() const { return m_slotCount; }
    int RowPitch() const { return m_rowPitch; }
    int HeaderHeight() const { return m_headerHeight; }
    int RowsTop() const { return 2 + m_headerHeight; }
    int ResizeColumn() const { return m_resizeColumn; }
    int PressedHeader() const { return m_pressedHeader; }
    bool HeaderPressed() const { return m_headerPressed; }
    QRect HeaderCellRect(int column) const;  // empty for a hidden or missing column
    QRect CellRect(int column, int row) const;  // empty unless the row is in view
    QRect SortArrowRect() const;             // empty while no arrow shows
    QRect BarPieceRect(Qt::Orientation bar, int piece) const;  // piece: 0 less, 1 more, 2 back, 3 marker

Q_SIGNALS:
    void MouseDown(int Column, int Row, int Button, int Shift, float X, float Y);
    void MouseMove(int Column, int Row, int Button, int Shift, float X, float Y);
    void MouseUp(int Column, int Row, int Button, int Shift, float X, float Y);
    void Click(int Column, int Row, int Button, int Shift, float X, float Y);
    void DoubleClick(int Column, int Row, int Button, int Shift, float X, float Y);
    void Sorted(int Column, bool Descending);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Up, Down, Page Up, Page Down, Home and End move the current row as a press on the row would.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum BarPiece { LessButton = 0, MoreButton = 1, Back = 2, Marker = 3 };
    // What a held left button is doing, from press to release.
    enum class Drag { None, Header, Resize, Rows, BarButton, BarBack, Marker };

    // Layout, in the order a resize runs it.
    void Relayout();
    void MeasureFonts();
    void LayoutBar(Qt::Orientation bar);
    void LayoutColumns();
    void LayoutRows();
    void DrawRows();
    void SetBarShown(Qt::Orientation bar, bool shown);

    // Colours.
    void LoadSystemColors(bool includingHeader);
    void ApplyColors();
    void SetGroup(AdvListColor face, AdvListColor text, AdvListColor highlight, AdvListColor brightHighlight,
                  AdvListColor shadow, AdvListColor darkShadow, const ColorGroup& group);
    QColor Q(AdvListColor which) const;
    BevelColors ButtonBevel(bool pressed) const;
    BevelColors HeaderBevel(bool pressed) const;

    // Geometry helpers, in pixels of the control.
    int VisibleColumnCount() const;
    int ColumnLeft(int column) const { return m_columnLeft[column]; }
    int ColumnPixels(int column) const { return m_data.ColumnWidthPixels(column); }
    int FirstShownRow() const { return m_vBar.Shown ? m_vBar.Value : 0; }
    int ShownSlots() const { return m_slotCount - (m_hBar.Shown ? 1 : 0); }
    int RowAt(const QPoint& pos) const;           // -1 outside the rows or below the last
    int HeaderColumnAt(const QPoint& pos) const;  // -1 outside the header cells
    int ColumnEdgeAt(const QPoint& pos) const;    // -1 unless near a column's right edge
    AdvListScrollBar& Bar(Qt::Orientation bar) { return bar == Qt::Vertical ? m_vBar : m_hBar; }
    QTimer& Repeater(Qt::Orientation bar) { return bar == Qt::Vertical ? m_vRepeater : m_hRepeater; }
    bool BarAt(const QPoint& pos, Qt::Orientation* bar, BarPiece* piece) const;
    int AlongBar(Qt::Orientation bar, const QPoint& pos) const;

    // Input.
    void ScrollByWheel(int delta);
    int KeyTargetRow(int key) const;  // -2 for a key that moves nothing
    void ShowRow(int row);            // scrolls the least that shows the row
    void RowsReplaced();              // tells assistive technology every row may differ
    void RepeatStep(Qt::Orientation bar);
    void BarValueChanged(Qt::Orientation bar);
    void AutoSizeColumn(int column);
    void PressBar(Qt::Orientation bar, BarPiece piece, const QPoint& pos);
    void MoveOnBar(const QPoint& pos);
    void Emit(void (ucAdvList::*signal)(int, int, int, int, float, float), int column, int row, int button,
              int shift, const QPointF& pos);

    // Painting.
    void PaintRows(QPainter& painter) const;
    void PaintHeader(QPainter& painter) const;
    void PaintSortArrow(QPainter& painter) const;
    void PaintBar(QPainter& painter, Qt::Orientation bar) const;

    AdvListData m_data;
    double m_twipsPerPixelY = 15.0;

    bool m_sortableColumns = true;
    bool m_hideLastColumn = false;
    bool m_hideIndexBorder = false;
    bool m_customColors = false;
    bool m_colorHeaderAsButton = false;
    bool m_mouseWheelEnabled = true;
    int m_mouseWheelStep = 5;
    FontRecord m_listFont;
    FontRecord m_headerFont;
    AdvListColors m_colors{};

    // Geometry, recomputed by the layout.
    int m_headerHeight = 0;
    int m_titleHeight = 0;
    int m_labelHeight = 0;
    int m_rowPitch = 0;
    int m_slotCount = 0;
    std::vector<int> m_columnLeft;
    AdvListScrollBar m_vBar{1, 20};
    AdvListScrollBar m_hBar{5, 30};

    // Pointer state.
    Drag m_drag = Drag::None;
    Qt::Orientation m_dragBar = Qt::Vertical;
    BarPiece m_pressedPiece = LessButton;
    bool m_piecePressed = false;
    int m_grabOffset = 0;
    int m_pressedHeader = -1;
    bool m_headerPressed = false;
    int m_resizeColumn = -1;
    int m_pressedRow = -1;
    int m_clickedHeader = -1;
    int m_clickedRow = -1;
    int m_lastX = 0;
    bool m_pressOnList = false;
    bool m_afterDoubleClick = false;
    int m_releaseButton = 0;
    int m_releaseShift = 0;
    QPointF m_releasePos;
    int m_wheelRemainder = 0;
    bool m_wheelActive = false;

    QTimer m_vRepeater;
    QTimer m_hRepeater;
};
