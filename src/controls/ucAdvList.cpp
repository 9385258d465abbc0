#include "controls/ucAdvList.h"

#include "controls/ControlsAccessibility.h"
#include "controls/FontConvert.h"
#include "controls/SystemColors.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>

namespace {
constexpr int kBar = 17;  // scroll-bar thickness and button size, px
}

ucAdvList::ucAdvList(QWidget* parent)
    : QWidget(parent)
    , m_data(TwipsPerPixel(logicalDpiX()))
    , m_twipsPerPixelY(TwipsPerPixel(logicalDpiY()))
    , m_listFont(FromQFont(font()))
    , m_headerFont(FromQFont(font()))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InstallControlsAccessibility();
    m_vRepeater.setObjectName(QStringLiteral("tmrVSRepeater"));
    m_hRepeater.setObjectName(QStringLiteral("tmrHSRepeater"));
    m_vRepeater.setParent(this);
    m_hRepeater.setParent(this);
    connect(&m_vRepeater, &QTimer::timeout, this, [this] { RepeatStep(Qt::Vertical); });
    connect(&m_hRepeater, &QTimer::timeout, this, [this] { RepeatStep(Qt::Horizontal); });
    LoadSystemColors(true);
    ApplyColors();
    MeasureFonts();
    Relayout();
}

// ---- methods ----

int ucAdvList::AddColumn(const QString& title, int alignment, int width)
{
    const int column = m_data.AddColumn(title, alignment, width);
    if (column < 0)
        return -1;
    LayoutColumns();
    DrawRows();
    return column;
}

bool ucAdvList::ModifyColumn(int column, const QString& title, int alignment, int width)
{
    if (!m_data.ModifyColumn(column, title, alignment, width))
        return false;
    LayoutColumns();
    DrawRows();
    return true;
}

int ucAdvList::AddRow(const QString& captions, bool noRefresh)
{
    return AddSplitRow(m_data.SplitCaptions(captions), noRefresh);
}

int ucAdvList::AddSplitRow(const QStringList& cells, bool noRefresh)
{
    const int row = m_data.AddSplitRow(cells);
    if (!noRefresh)
        DrawRows();
    return row;
}

void ucAdvList::SetRowSource(const AdvListRowSource* source)
{
    m_data.SetRowSource(source);
    ClearRows();
}

int ucAdvList::AddSourceRow(qint32 item, bool noRefresh)
{
    const int row = m_data.AddSourceRow(item);
    if (!noRefresh)
        DrawRows();
    return row;
}

bool ucAdvList::ModifyRow(int row, int column, const QString& text, bool noRefresh)
{
    if (!m_data.ModifyRow(row, column, text))
        return false;
    if (!noRefresh)
        DrawRows();
    return true;
}

void ucAdvList::RemoveRow(int row, bool noRefresh)
{
    if (!m_data.RemoveRow(row))
        return;
    RowsReplaced();
    if (!noRefresh)
        DrawRows();
}

void ucAdvList::ScrollList(int amount)
{
    m_vBar.Value = std::clamp(m_vBar.Value + amount, 0, std::max(m_vBar.Maximum, 0));
    LayoutBar(Qt::Vertical);
    DrawRows();
}

void ucAdvList::Refresh()
{
    LayoutBar(Qt::Vertical);
    DrawRows();
}

void ucAdvList::Clear()
{
    m_data.Clear();
    m_pressedHeader = m_resizeColumn = m_pressedRow = -1;
    m_headerPressed = false;
    RowsReplaced();
    LayoutColumns();
    DrawRows();
}

void ucAdvList::ClearRows()
{
    m_data.ClearRows();
    m_pressedHeader = m_resizeColumn = m_pressedRow = -1;
    m_headerPressed = false;
    RowsReplaced();
    LayoutColumns();
    DrawRows();
}

void ucAdvList::SortByColumn(int column, bool descending)
{
    if (!m_data.SortByColumn(column, descending))
        return;
    RowsReplaced();
    DrawRows();
    Q_EMIT Sorted(column, descending);
}

void ucAdvList::RowsReplaced()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTableModelChangeEvent change(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&change);
}

// ---- properties ----

void ucAdvList::SetListIndex(int index)
{
    m_data.SetListIndex(index);
    // With no current row the view stays where it is.
    if (m_data.ListIndex() >= 0)
        m_vBar.Value = std::min(m_data.ListIndex(), m_vBar.Maximum);
    LayoutBar(Qt::Vertical);
    DrawRows();
}

void ucAdvList::SetMultiSelect(bool on)
{
    m_data.SetMultiSelect(on);
}

void ucAdvList::SetRightClickSelect(bool on)
{
    m_data.SetRightClickSelect(on);
}

void ucAdvList::SetHideLastColumn(bool on)
{
    m_hideLastColumn = on;
    LayoutColumns();
    DrawRows();
}

void ucAdvList::SetHideIndexBorder(bool on)
{
    m_hideIndexBorder = on;
    update();
}

void ucAdvList::SetCustomColors(bool on)
{
    m_customColors = on;
    if (!on)
        LoadSystemColors(false);
    ApplyColors();
}

void ucAdvList::SetColorHeaderAsButton(bool on)
{
    if (!m_customColors)
        return;
    m_colorHeaderAsButton = on;
    ApplyColors();
}

void ucAdvList::SetColor(AdvListColor which, OleColor color)
{
    if (!m_customColors)
        return;
    m_colors[int(which)] = color;
    ApplyColors();
}

void ucAdvList::SetButtonColors(const ColorGroup& group)
{
    SetGroup(AdvListColor::ButtonFace, AdvListColor::ButtonText, AdvListColor::ButtonHighlight,
             AdvListColor::ButtonBrightHighlight, AdvListColor::ButtonShadow, AdvListColor::ButtonDarkShadow, group);
}

void ucAdvList::SetHeaderColors(const ColorGroup& group)
{
    SetGroup(AdvListColor::HeaderFace, AdvListColor::HeaderText, AdvListColor::HeaderHighlight,
             AdvListColor::HeaderBrightHighlight, AdvListColor::HeaderShadow, AdvListColor::HeaderDarkShadow, group);
}

void ucAdvList::SetGroup(AdvListColor face, AdvListColor text, AdvListColor highlight, AdvListColor brightHighlight,
                         AdvListColor shadow, AdvListColor darkShadow, const ColorGroup& group)
{
    if (!m_customColors)
        return;
    m_colors[int(face)] = group.Face;
    m_colors[int(text)] = group.Text;
    m_colors[int(highlight)] = group.Highlight;
    m_colors[int(brightHighlight)] = group.BrightHighlight;
    m_colors[int(shadow)] = group.Shadow;
    m_colors[int(darkShadow)] = group.DarkShadow;
    ApplyColors();
}

void ucAdvList::SetListFont(const FontRecord& font)
{
    m_listFont = font;
    setFont(ToQFont(font));
    MeasureFonts();
    LayoutColumns();
    DrawRows();
}

void ucAdvList::SetHeaderFont(const FontRecord& font)
{
    m_headerFont = font;
    MeasureFonts();
    LayoutColumns();
    DrawRows();
}

AdvListProperties ucAdvList::Properties() const
{
    AdvListProperties p;
    p.MultiSelect = MultiSelect();
    p.RightClickSelect = RightClickSelect();
    p.SortableColumns = m_sortableColumns;
    p.MouseWheelEnabled = m_mouseWheelEnabled;
    p.MouseWheelStep = m_mouseWheelStep;
    p.HideLastColumn = m_hideLastColumn;
    p.HideIndexBorder = m_hideIndexBorder;
    p.ListFont = m_listFont;
    p.HeaderFont = m_headerFont;
    p.CustomColors = m_customColors;
    p.ColorHeaderAsButton = m_colorHeaderAsButton;
    p.Colors = m_colors;
    return p;
}

void ucAdvList::ApplyProperties(const AdvListProperties& p)
{
    SetMultiSelect(p.MultiSelect);
    SetRightClickSelect(p.RightClickSelect);
    m_sortableColumns = p.SortableColumns;
    m_mouseWheelEnabled = p.MouseWheelEnabled;
    SetMouseWheelStep(p.MouseWheelStep);
    m_hideLastColumn = p.HideLastColumn;
    m_hideIndexBorder = p.HideIndexBorder;
    SetListFont(p.ListFont);
    SetHeaderFont(p.HeaderFont);
    m_customColors = p.CustomColors;
    m_colorHeaderAsButton = p.ColorHeaderAsButton;
    if (m_customColors)
        m_colors = p.Colors;
    else
        LoadSystemColors(true);
    ApplyColors();
}

// ---- colours ----

void ucAdvList::LoadSystemColors(bool includingHeader)
{
    for (int i = 0; i < kAdvListColorCount; ++i) {
        if (!includingHeader && i >= int(AdvListColor::HeaderFace))
            continue;
        m_colors[i] = SystemColor(AdvListColorSystemIndex(AdvListColor(i)), palette());
    }
}

void ucAdvList::ApplyColors()
{
    if (m_colorHeaderAsButton) {
        auto copy = [this](AdvListColor to, AdvListColor from) { m_colors[int(to)] = m_colors[int(from)]; };
        copy(AdvListColor::HeaderFace, AdvListColor::ButtonFace);
        copy(AdvListColor::HeaderText, AdvListColor::ButtonText);
        copy(AdvListColor::HeaderHighlight, AdvListColor::ButtonHighlight);
        copy(AdvListColor::HeaderBrightHighlight, AdvListColor::ButtonBrightHighlight);
        copy(AdvListColor::HeaderShadow, AdvListColor::ButtonShadow);
        copy(AdvListColor::HeaderDarkShadow, AdvListColor::ButtonDarkShadow);
    }
    update();
}

QColor ucAdvList::Q(AdvListColor which) const
{
    return ToQColor(m_colors[int(which)], palette());
}

BevelColors ucAdvList::ButtonBevel(bool pressed) const
{
    const QColor bright = Q(AdvListColor::ButtonBrightHighlight);
    const QColor shadow = Q(AdvListColor::ButtonShadow);
    const QColor light = Q(AdvListColor::ButtonHighlight);
    const QColor dark = Q(AdvListColor::ButtonDarkShadow);
    return pressed ? BevelColors{shadow, bright, dark, light} : BevelColors{bright, shadow, light, dark};
}

BevelColors ucAdvList::HeaderBevel(bool pressed) const
{
    const QColor bright = Q(AdvListColor::HeaderBrightHighlight);
    const QColor shadow = Q(AdvListColor::HeaderShadow);
    const QColor light = Q(AdvListColor::HeaderHighlight);
    const QColor dark = Q(AdvListColor::HeaderDarkShadow);
    return pressed ? BevelColors{shadow, bright, dark, light} : BevelColors{bright, shadow, light, dark};
}

void ucAdvList::changeEvent(QEvent* event)
{
    // The system colours follow a palette change unless the owner chose its own.
    if (event->type() == QEvent::PaletteChange && !m_customColors) {
        LoadSystemColors(false);
        ApplyColors();
    }
    QWidget::changeEvent(event);
}

// ---- layout ----

void ucAdvList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void ucAdvList::Relayout()
{
    LayoutBar(Qt::Vertical);
    LayoutBar(Qt::Horizontal);
    LayoutColumns();
    DrawRows();
}

void ucAdvList::MeasureFonts()
{
    m_titleHeight = QFontMetrics(ToQFont(m_headerFont)).height();
    m_headerHeight = m_titleHeight + 8;
    m_labelHeight = QFontMetrics(ToQFont(m_listFont)).height();
    m_rowPitch = m_labelHeight + 4;
}

int ucAdvList::VisibleColumnCount() const
{
    const int count = m_data.ColumnCount();
    return m_hideLastColumn ? std::max(count - 1, 0) : count;
}

void ucAdvList::SetBarShown(Qt::Orientation bar, bool shown)
{
    AdvListScrollBar& b = Bar(bar);
    if (!shown)
        b.Value = 0;
    if (b.Shown == shown)
        return;
    b.Shown = shown;
    // Each bar is shorter by the other's thickness while the other is shown.
    LayoutBar(Qt::Vertical);
    LayoutBar(Qt::Horizontal);
}

void ucAdvList::LayoutBar(Qt::Orientation bar)
{
    AdvListScrollBar& b = Bar(bar);
    if (!b.Shown)
        return;
    const QRect less = BarPieceRect(bar, LessButton);
    const QRect more = BarPieceRect(bar, MoreButton);
    if (bar == Qt::Vertical)
        b.PlaceMarker(less.bottom() + 1, more.top());
    else
        b.PlaceMarker(less.right() + 1, more.left());
    update();
}

void ucAdvList::LayoutColumns()
{
    const int visible = VisibleColumnCount();
    int total = 0;
    for (int c = 0; c < visible; ++c)
        total += ColumnPixels(c);
    const int rowsWidth = width() - 4 - kBar;
    if (total <= rowsWidth) {
        SetBarShown(Qt::Horizontal, false);
    } else {
        m_hBar.Maximum = total - rowsWidth;
        SetBarShown(Qt::Horizontal, true);
        LayoutBar(Qt::Horizontal);
    }
    // Lefts are taken after the bar has settled its value, so a bar that just went away leaves
    // no offset behind.
    m_columnLeft.resize(m_data.ColumnCount());
    int x = 2 - (m_hBar.Shown ? m_hBar.Value : 0);
    for (int c = 0; c < m_data.ColumnCount(); ++c) {
        m_columnLeft[c] = x;
        x += ColumnPixels(c);
    }
    LayoutRows();
    update();
}

void ucAdvList::LayoutRows()
{
    if (m_rowPitch < 1)
        return;
    const int rowsHeight = height() - 4 - m_headerHeight;
    m_slotCount = std::max(0, int(RoundHalfEven(double(rowsHeight) / m_rowPitch)));
    m_vBar.LargeChange = m_slotCount - 1;
}

void ucAdvList::DrawRows()
{
    const int rows = m_data.RowCount();
    if (rows <= m_slotCount) {
        SetBarShown(Qt::Vertical, false);
    } else {
        // Two spare rows at the end: the last page ends with two empty slots.
        m_vBar.Maximum = rows - m_slotCount + 2;
        // A bar already shown keeps its marker until the next Refresh, scroll or resize.
        SetBarShown(Qt::Vertical, true);
    }
    update();
}

// ---- geometry ----

QRect ucAdvList::HeaderCellRect(int column) const
{
    if (column < 0 || column >= VisibleColumnCount())
        return {};
    return QRect(ColumnLeft(column), 2, ColumnPixels(column), m_headerHeight);
}

QRect ucAdvList::SortArrowRect() const
{
    const int column = m_data.SortColumn();
    if (column < 0 || column >= VisibleColumnCount())
        return {};
    return QRect(ColumnLeft(column) + ColumnPixels(column) - 15, 6, 13, 13);
}

QRect ucAdvList::BarPieceRect(Qt::Orientation bar, int piece) const
{
    const AdvListScrollBar& b = bar == Qt::Vertical ? m_vBar : m_hBar;
    if (bar == Qt::Vertical) {
        const int left = width() - 2 - kBar;
        const int length = std::max(51, height() - 4 - (m_hBar.Shown ? kBar : 0));
        switch (piece) {
        case LessButton: return QRect(left, 2, kBar, kBar);
        case MoreButton: return QRect(left, 2 + length - kBar, kBar, kBar);
        case Back: return QRect(left, 2, kBar, length);
        default: return QRect(left, b.MarkerStart(), kBar, b.MarkerLength());
        }
    }
    const int top = height() - 2 - kBar;
    const int length = std::max(51, width() - 4 - (m_vBar.Shown ? kBar : 0));
    switch (piece) {
    case LessButton: return QRect(2, top, kBar, kBar);
    case MoreButton: return QRect(2 + length - kBar, top, kBar, kBar);
    case Back: return QRect(2, top, length, kBar);
    default: return QRect(b.MarkerStart(), top, b.MarkerLength(), kBar);
    }
}

QRect ucAdvList::CellRect(int column, int row) const
{
    const int slot = row - FirstShownRow();
    if (column < 0 || column >= VisibleColumnCount() || row < 0 || row >= m_data.RowCount() || slot < 0
        || slot >= ShownSlots())
        return {};
    return QRect(ColumnLeft(column), RowsTop() + slot * m_rowPitch, ColumnPixels(column), m_rowPitch);
}

int ucAdvList::RowAt(const QPoint& pos) const
{
    const int rowsTop = RowsTop();
    // The row comes from Y alone, so the strip kept free for the vertical bar still holds rows.
    if (m_rowPitch < 1 || pos.y() < rowsTop || pos.y() >= height() - 2)
        return -1;
    const int slot = (pos.y() - rowsTop) / m_rowPitch;
    const int row = slot + FirstShownRow();
    // A slot under the horizontal bar shows nothing, so it holds no row either.
    return slot < ShownSlots() && row < m_data.RowCount() ? row : -1;
}

int ucAdvList::HeaderColumnAt(const QPoint& pos) const
{
    for (int c = 0; c < VisibleColumnCount(); ++c) {
        if (HeaderCellRect(c).contains(pos))
            return c;
    }
    return -1;
}

int ucAdvList::ColumnEdgeAt(const QPoint& pos) const
{
    // A press over the vertical bar goes to the bar, so no edge there offers a resize.
    if (pos.y() < 2 || pos.y() >= RowsTop() || (m_vBar.Shown && BarPieceRect(Qt::Vertical, Back).contains(pos)))
        return -1;
    for (int c = 0; c < VisibleColumnCount(); ++c) {
        const int edge = ColumnLeft(c) + ColumnPixels(c);
        if (edge - 4 < pos.x() && pos.x() < edge + 4)
            return c;
    }
    return -1;
}

bool ucAdvList::BarAt(const QPoint& pos, Qt::Orientation* bar, BarPiece* piece) const
{
    for (const Qt::Orientation o : {Qt::Vertical, Qt::Horizontal}) {
        const AdvListScrollBar& b = o == Qt::Vertical ? m_vBar : m_hBar;
        if (!b.Shown || !BarPieceRect(o, Back).contains(pos))
            continue;
        *bar = o;
        *piece = Back;
        for (const BarPiece p : {LessButton, MoreButton, Marker}) {
            if (BarPieceRect(o, p).contains(pos)) {
                *piece = p;
                break;
            }
        }
        return true;
    }
    return false;
}

int ucAdvList::AlongBar(Qt::Orientation bar, const QPoint& pos) const
{
    return bar == Qt::Vertical ? pos.y() : pos.x();
}
