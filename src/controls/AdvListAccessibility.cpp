#include "controls/AdvListAccessibility.h"

#include "controls/AccessiblePart.h"
#include "controls/ucAdvList.h"

#include <QAccessibleWidget>

namespace {

int VisibleColumns(const ucAdvList* list)
{
    return list->HideLastColumn() ? std::max(list->ColumnCount() - 1, 0) : list->ColumnCount();
}

QAccessibleInterface* TableOf(ucAdvList* list);

// A header cell (row -1) or a cell of the list.
class AccessibleListCell : public AccessiblePart, public QAccessibleTableCellInterface {
public:
    AccessibleListCell(ucAdvList* list, int row, int column)
        : AccessiblePart(list, row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell)
        , m_row(row)
        , m_column(column)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !Owner())
            return {};
        return m_row < 0 ? List()->Data().Column(m_column).Title : List()->ListItem(m_column, m_row);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (m_row >= 0 && Owner()) {
            s.selectable = true;
            s.selected = List()->Selected(m_row);
            s.invisible = s.offscreen = LocalRect().isEmpty();
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return AccessiblePart::interface_cast(type);
    }

    bool isSelected() const override { return m_row >= 0 && Owner() && List()->Selected(m_row); }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        QAccessibleInterface* table = this->table();
        return table && m_row >= 0 ? QList<QAccessibleInterface*>{table->child(m_column)} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Owner() ? TableOf(List()) : nullptr; }

protected:
    QRect LocalRect() const override
    {
        return m_row < 0 ? List()->HeaderCellRect(m_column) : List()->CellRect(m_column, m_row);
    }

private:
    ucAdvList* List() const { return static_cast<ucAdvList*>(Owner()); }
    int m_row;
    int m_column;
};

class AccessibleAdvList : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleAdvList(ucAdvList* list)
        : QAccessibleWidget(list, QAccessible::Table)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return columnCount() * (rowCount() + 1); }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = columnCount();
        if (index < 0 || index >= childCount() || columns == 0)
            return nullptr;
        return Cell(index / columns - 1, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        QAccessibleInterface* cell = const_cast<QAccessibleInterface*>(child);
        auto* tableCell = cell ? cell->tableCellInterface() : nullptr;
        if (!tableCell || cell->parent() != this)
            return -1;
        return (tableCell->rowIndex() + 1) * columnCount() + tableCell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = List()->mapFromGlobal(QPoint(x, y));
        for (int c = 0; c < columnCount(); ++c) {
            if (List()->HeaderCellRect(c).contains(local))
                return Cell(-1, c);
            for (int r = 0; r < rowCount(); ++r) {
                const QRect cell = List()->CellRect(c, r);
                if (cell.contains(local))
                    return Cell(r, c);
                if (!cell.isEmpty() && cell.top() > local.y())
                    break;
            }
        }
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return Cell(row, column);
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows()) {
            for (int c = 0; c < columnCount(); ++c)
                cells.append(Cell(row, c));
        }
        return cells;
    }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < columnCount() ? List()->Data().Column(column).Title : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return List()->SelCount(); }
    int columnCount() const override { return VisibleColumns(List()); }
    int rowCount() const override { return List()->RowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        for (int r = 0; r < rowCount(); ++r) {
            if (List()->Selected(r))
                rows.append(r);
        }
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return List()->Selected(row); }
    bool selectRow(int row) override
    {
        if (row < 0 || row >= rowCount())
            return false;
        List()->ChooseRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override
    {
        if (row < 0 || row >= rowCount())
            return false;
        List()->SetSelected(row, false);
        List()->Refresh();
        return true;
    }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { m_cells.Clear(); }

private:
    ucAdvList* List() const { return static_cast<ucAdvList*>(widget()); }
    QAccessibleInterface* Cell(int row, int column) const
    {
        const qint64 key = (qint64(row + 1) << 4) | column;
        return m_cells.Get(key, [&] { return new AccessibleListCell(List(), row, column); });
    }
    mutable AccessiblePartCache m_cells;
};

QAccessibleInterface* TableOf(ucAdvList* list) { return QAccessible::queryAccessibleInterface(list); }

} // namespace

QAccessibleInterface* NewAdvListAccessible(ucAdvList* list) { return new AccessibleAdvList(list); }
