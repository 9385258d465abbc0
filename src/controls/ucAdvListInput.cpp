// ucAdvList: pointer, wheel and focus handling, the scroll-bar repeat and column resizing.

#include "controls/ucAdvList.h"

#include "controls/AccessiblePart.h"
#include "controls/FontConvert.h"
#include "controls/MouseArgs.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {
constexpr int kFirstRepeatMs = 300;
constexpr int kNextRepeatMs = 75;
constexpr int kMarkerStray = 50;  // px sideways before a dragged marker lets go
constexpr int kWheelNotch = 120;
}

void ucAdvList::Emit(void (ucAdvList::*signal)(int, int, int, int, float, float), int column, int row,
                     int button, int shift, const QPointF& twips)
{
    Q_EMIT(this->*signal)(column, row, button, shift, float(twips.x()), float(twips.y()));
}

static QPointF ToTwips(const QPointF& pixels, double perPixelX, double perPixelY)
{
    return {pixels.x() * perPixelX, pixels.y() * perPixelY};
}

void ucAdvList::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    const int button = MouseButtonCode(event->button());
    const int shift = ShiftCode(event->modifiers());
    const QPointF twips = ToTwips(event->position(), m_data.TwipsPerPixelX(), m_twipsPerPixelY);
    m_afterDoubleClick = false;

    Qt::Orientation bar;
    BarPiece piece;
    if (BarAt(pos, &bar, &piece)) {
        if (left)
            PressBar(bar, piece, pos);
        return;
    }

    m_pressOnList = true;
    m_lastX = pos.x();
    if (pos.y() < RowsTop()) {
        const int column = HeaderColumnAt(pos);
        if (m_resizeColumn >= 0) {
            if (left)
                m_drag = Drag::Resize;
            else if (event->button() == Qt::RightButton)
                AutoSizeColumn(m_resizeColumn);
            else
                m_resizeColumn = -1;
        } else if (left && column >= 0) {
            // Every header click reports its column; only a sortable header sinks and sorts.
            m_pressedHeader = column;
            m_headerPressed = m_sortableColumns;
            m_drag = Drag::Header;
            update();
        }
        Emit(&ucAdvList::MouseDown, column, -1, button, shift, twips);
        return;
    }

    const int row = RowAt(pos);
    if (m_data.PressRow(row, button, shift)) {
        m_pressedRow = row;
        DrawRows();
        NotifyAccessible(this, QAccessible::SelectionWithin);
    }
    if (left && row >= 0)
        m_drag = Drag::Rows;
    Emit(&ucAdvList::MouseDown, -1, row, button, shift, twips);
}

void ucAdvList::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    switch (m_drag) {
    case Drag::BarButton:
    case Drag::BarBack:
    case Drag::Marker:
        MoveOnBar(pos);
        return;
    case Drag::Resize:
        m_data.SetColumnWidthPixels(m_resizeColumn, ColumnPixels(m_resizeColumn) - (m_lastX - pos.x()));
        m_lastX = pos.x();
        LayoutColumns();
        DrawRows();
        break;
    case Drag::Header: {
        // Leaving the cell lets the header spring back, so a release outside it does not sort.
        const bool inside = m_sortableColumns && HeaderCellRect(m_pressedHeader).contains(pos);
        if (inside != m_headerPressed) {
            m_headerPressed = inside;
            update();
        }
        break;
    }
    case Drag::Rows:
        if (m_data.DragOverRow(RowAt(pos))) {
            m_pressedRow = RowAt(pos);
            update();
            NotifyAccessible(this, QAccessible::SelectionWithin);
        }
        break;
    case Drag::None:
        if (event->buttons() == Qt::NoButton) {
            m_resizeColumn = ColumnEdgeAt(pos);
            if (m_resizeColumn >= 0)
                setCursor(Qt::SizeHorCursor);
            else
                unsetCursor();
        }
        break;
    }
    Qt::Orientation bar;
    BarPiece piece;
    if (m_drag == Drag::None && BarAt(pos, &bar, &piece))
        return;
    const int column = m_resizeColumn >= 0 ? m_resizeColumn : m_pressedHeader;
    Emit(&ucAdvList::MouseMove, column, RowAt(pos), MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()),
         ToTwips(event->position(), m_data.TwipsPerPixelX(), m_twipsPerPixelY));
}

void ucAdvList::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_drag == Drag::BarButton || m_drag == Drag::BarBack || m_drag == Drag::Marker) {
        Repeater(m_dragBar).stop();
        m_piecePressed = false;
        m_drag = Drag::None;
        update();
        return;
    }
    const int column = m_pressedHeader >= 0 ? m_pressedHeader : m_resizeColumn;
    if (m_drag == Drag::Header) {
        const int header = m_pressedHeader;
        const bool sort = m_headerPressed;
        m_pressedHeader = -1;
        m_headerPressed = false;
        m_clickedHeader = header;
        update();
        if (sort) {
            bool descending = false;
            const int sortColumn = m_data.HeaderClickSort(header, &descending);
            SortByColumn(sortColumn, descending);
        }
    }
    if (m_pressedRow >= 0) {
        if (pos.y() >= RowsTop())
            m_clickedRow = m_pressedRow;
        m_pressedRow = -1;
    }
    m_drag = Drag::None;

    m_releaseButton = MouseButtonCode(event->button());
    m_releaseShift = ShiftCode(event->modifiers());
    m_releasePos = ToTwips(event->position(), m_data.TwipsPerPixelX(), m_twipsPerPixelY);
    Emit(&ucAdvList::MouseUp, column, RowAt(pos), m_releaseButton, m_releaseShift, m_releasePos);
    // The release that ends a double click is not a second click.
    if (m_pressOnList && !m_afterDoubleClick)
        Emit(&ucAdvList::Click, m_clickedHeader, m_clickedRow, m_releaseButton, m_releaseShift, m_releasePos);
    m_pressOnList = false;
    m_afterDoubleClick = false;
}

void ucAdvList::mouseDoubleClickEvent(QMouseEvent* event)
{
    Qt::Orientation bar;
    BarPiece piece;
    // Quick clicks on a scroll button each scroll.
    if (BarAt(event->position().toPoint(), &bar, &piece)) {
        mousePressEvent(event);
        return;
    }
    m_pressOnList = true;
    m_afterDoubleClick = true;
    Emit(&ucAdvList::DoubleClick, m_clickedHeader, m_clickedRow, m_releaseButton, m_releaseShift, m_releasePos);
    m_clickedHeader = -1;
    m_clickedRow = -1;
}

void ucAdvList::focusInEvent(QFocusEvent* event)
{
    m_wheelActive = m_mouseWheelEnabled;
    m_wheelRemainder = 0;
    // While it has the focus the list takes the wheel wherever the pointer is in its window, so
    // the user can scroll it with the pointer resting on the information beside it.
    if (m_wheelActive)
        QCoreApplication::instance()->installEventFilter(this);
    QWidget::focusInEvent(event);
}

void ucAdvList::focusOutEvent(QFocusEvent* event)
{
    m_wheelActive = false;
    QCoreApplication::instance()->removeEventFilter(this);
    QWidget::focusOutEvent(event);
}

bool ucAdvList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || !m_wheelActive || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    // The list's own wheel events reach wheelEvent; other windows keep theirs.
    if (target == this || target->window() != window())
        return QWidget::eventFilter(watched, event);
    ScrollByWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
}

void ucAdvList::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (!m_wheelActive || delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    ScrollByWheel(delta);
}

void ucAdvList::ScrollByWheel(int delta)
{
    // Fine-grained wheels send parts of a notch; a whole notch scrolls MouseWheelStep rows.
    m_wheelRemainder += delta;
    while (m_wheelRemainder >= kWheelNotch) {
        m_wheelRemainder -= kWheelNotch;
        ScrollList(-m_mouseWheelStep);
    }
    while (m_wheelRemainder <= -kWheelNotch) {
        m_wheelRemainder += kWheelNotch;
        ScrollList(m_mouseWheelStep);
    }
}

void ucAdvList::PressBar(Qt::Orientation bar, BarPiece piece, const QPoint& pos)
{
    AdvListScrollBar& b = Bar(bar);
    m_dragBar = bar;
    m_pressedPiece = piece;
    if (piece == Marker) {
        m_drag = Drag::Marker;
        m_piecePressed = true;
        m_grabOffset = AlongBar(bar, pos) - b.MarkerStart();
        update();
        return;
    }
    if (piece == Back) {
        m_drag = Drag::BarBack;
        m_piecePressed = false;
        b.RepeatAction = AlongBar(bar, pos) < b.MarkerStart() ? AdvListScrollBar::PageLess : AdvListScrollBar::PageMore;
    } else {
        m_drag = Drag::BarButton;
        m_piecePressed = true;
        b.RepeatAction = piece == LessButton ? AdvListScrollBar::LineLess : AdvListScrollBar::LineMore;
    }
    update();
    RepeatStep(bar);
}

void ucAdvList::RepeatStep(Qt::Orientation bar)
{
    QTimer& timer = Repeater(bar);
    // The first repeat waits longer, so a single click scrolls one step only.
    if (!timer.isActive()) {
        timer.setInterval(kFirstRepeatMs);
        timer.start();
    } else {
        timer.setInterval(kNextRepeatMs);
    }
    if (Bar(bar).RepeatStep())
        BarValueChanged(bar);
}

void ucAdvList::BarValueChanged(Qt::Orientation bar)
{
    if (bar == Qt::Horizontal)
        LayoutColumns();
    DrawRows();
}

void ucAdvList::MoveOnBar(const QPoint& pos)
{
    AdvListScrollBar& b = Bar(m_dragBar);
    if (m_drag == Drag::BarButton) {
        const bool inside = BarPieceRect(m_dragBar, m_pressedPiece).contains(pos);
        if (inside == m_piecePressed)
            return;
        m_piecePressed = inside;
        if (inside)
            Repeater(m_dragBar).start();
        else
            Repeater(m_dragBar).stop();
        update();
        return;
    }
    if (m_drag != Drag::Marker)
        return;
    const QRect marker = BarPieceRect(m_dragBar, Marker);
    const int across = m_dragBar == Qt::Vertical ? pos.x() - marker.left() : pos.y() - marker.top();
    const int thickness = m_dragBar == Qt::Vertical ? marker.width() : marker.height();
    if (across < -kMarkerStray || across > thickness + kMarkerStray) {
        if (m_piecePressed) {
            m_piecePressed = false;
            update();
        }
        return;
    }
    m_piecePressed = true;
    const int wanted = AlongBar(m_dragBar, pos) - m_grabOffset;
    if (wanted != b.MarkerStart()) {
        if (b.DragMarkerTo(wanted))
            BarValueChanged(m_dragBar);
    }
    update();
}

void ucAdvList::AutoSizeColumn(int column)
{
    const QFontMetrics metrics(ToQFont(m_listFont));
    int widest = 0;
    for (int r = 0; r < m_data.RowCount() && widest < AdvListData::kMaxColumnPixels; ++r)
        widest = std::max(widest, metrics.horizontalAdvance(m_data.Cell(r, column)));
    m_data.SetColumnWidthPixels(column, widest + 8);
    LayoutColumns();
    DrawRows();
}
