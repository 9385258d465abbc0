// ucAdvList: moving the current row by keyboard, and ChooseRow, which the keyboard shares with
// assistive technology. A key that reaches a row acts as a left press on
// it (the same selection rule, the same MouseDown), so whatever follows the pointer follows the
// keyboard too; the view scrolls just far enough to show the row.

#include "controls/ucAdvList.h"

#include "controls/AccessiblePart.h"
#include "controls/MouseArgs.h"

#include <QKeyEvent>

int ucAdvList::KeyTargetRow(int key) const
{
    const int rows = m_data.RowCount();
    const int current = m_data.ListIndex();
    const int page = std::max(1, ShownSlots() - 1);
    int target = current;
    switch (key) {
    case Qt::Key_Up: target = current - 1; break;
    case Qt::Key_Down: target = current + 1; break;
    case Qt::Key_PageUp: target = current - page; break;
    case Qt::Key_PageDown: target = current + page; break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = rows - 1; break;
    default: return -2;
    }
    // An empty list has no row to land on.
    if (rows == 0)
        return -1;
    // From no current row every key lands on the first row.
    if (current < 0)
        target = key == Qt::Key_End ? rows - 1 : 0;
    return std::clamp(target, 0, rows - 1);
}

void ucAdvList::keyPressEvent(QKeyEvent* event)
{
    const int row = KeyTargetRow(event->key());
    if (row == -2) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // Shift extends the selection as a Shift press does; other modifiers move without them.
    ChooseRow(row, ShiftCode(event->modifiers()) & 1);
}

void ucAdvList::ChooseRow(int row, int shift)
{
    if (row < 0 || row >= m_data.RowCount())
        return;
    ShowRow(row);
    if (m_data.PressRow(row, 1, shift))
        NotifyAccessible(this, QAccessible::SelectionWithin);
    DrawRows();
    const int slot = row - FirstShownRow();
    const QPointF centre(width() / 2.0, RowsTop() + slot * m_rowPitch + m_rowPitch / 2.0);
    Q_EMIT MouseDown(-1, row, 1, shift, float(centre.x() * m_data.TwipsPerPixelX()),
                     float(centre.y() * m_twipsPerPixelY));
}

void ucAdvList::ShowRow(int row)
{
    if (!m_vBar.Shown)
        return;
    const int first = m_vBar.Value;
    const int shown = std::max(1, ShownSlots());
    if (row < first)
        ScrollList(row - first);
    else if (row >= first + shown)
        ScrollList(row - (first + shown - 1));
}
