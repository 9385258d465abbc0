// ucAdvList: painting. Back to front: background, rows, header, sort arrow, scroll bars, corner
// square, border. Only the rows in view are touched.

#include "controls/ucAdvList.h"

#include "controls/AdvListPictures.h"
#include "controls/FontConvert.h"

#include <QPainter>

namespace {

Qt::Alignment TextAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight | Qt::AlignTop;
    case 2: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

} // namespace

void ucAdvList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Q(AdvListColor::ListBackground));
    PaintRows(painter);
    PaintHeader(painter);
    if (m_vBar.Shown)
        PaintBar(painter, Qt::Vertical);
    if (m_hBar.Shown)
        PaintBar(painter, Qt::Horizontal);
    if (m_vBar.Shown && m_hBar.Shown)
        painter.fillRect(QRect(width() - 19, height() - 19, 17, 17), Q(AdvListColor::ButtonFace));
    DrawBevel(painter, rect(),
              {Q(AdvListColor::ButtonShadow), Q(AdvListColor::ButtonHighlight), Q(AdvListColor::ButtonDarkShadow),
               Q(AdvListColor::ButtonBrightHighlight)});
}

void ucAdvList::PaintRows(QPainter& painter) const
{
    const int rowsTop = RowsTop();
    const int rowsWidth = width() - 4 - 17;
    painter.save();
    painter.setClipRect(QRect(2, rowsTop, rowsWidth, height() - 2 - rowsTop));
    painter.setFont(ToQFont(m_listFont));

    const int first = FirstShownRow();
    const int last = std::min(first + ShownSlots(), m_data.RowCount());
    const int visible = VisibleColumnCount();
    const QColor highlight = Q(AdvListColor::Highlight);
    const QColor highlightText = Q(AdvListColor::HighlightText);
    const QColor listText = Q(AdvListColor::ListText);
    for (int row = first; row < last; ++row) {
        const int top = rowsTop + 2 + (row - first) * m_rowPitch;
        const bool selected = m_data.Selected(row);
        if (selected)
            painter.fillRect(QRect(2, top - 2, rowsWidth, m_rowPitch), highlight);
        painter.setPen(selected ? highlightText : listText);
        for (int c = 0; c < visible; ++c) {
            const QRect cell(ColumnLeft(c) + 4, top, ColumnPixels(c) - 8, m_labelHeight);
            if (cell.right() < 2 || cell.left() > rowsWidth + 2)
                continue;
            painter.drawText(cell, int(TextAlignment(m_data.Column(c).Alignment)) | Qt::TextSingleLine,
                             m_data.Cell(row, c));
        }
        if (row == m_data.ListIndex() && !m_hideIndexBorder) {
            painter.setPen(QPen(listText, 0, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(2, top - 1, rowsWidth - 1, m_rowPitch - 3));
        }
    }
    painter.restore();
}

void ucAdvList::PaintHeader(QPainter& painter) const
{
    painter.save();
    painter.setClipRect(QRect(2, 2, width() - 4, m_headerHeight));
    const int visible = VisibleColumnCount();
    const int lastRight = visible > 0 ? ColumnLeft(visible - 1) + ColumnPixels(visible - 1) : 2;
    painter.fillRect(QRect(2, 2, lastRight - 2, m_headerHeight), Q(AdvListColor::HeaderFace));
    const int fillerLeft = std::max(lastRight, 2);
    painter.fillRect(QRect(fillerLeft, 2, std::max(0, width() - 2 - fillerLeft), m_headerHeight),
                     Q(AdvListColor::ButtonShadow));

    painter.setFont(ToQFont(m_headerFont));
    painter.setPen(Q(AdvListColor::HeaderText));
    for (int c = 0; c < visible; ++c) {
        const QRect cell = HeaderCellRect(c);
        DrawBevel(painter, cell, HeaderBevel(c == m_pressedHeader && m_headerPressed));
        const QRect title(cell.left() + 4, 6, cell.width() - 8, m_titleHeight);
        painter.drawText(title, int(TextAlignment(m_data.Column(c).Alignment)) | Qt::TextSingleLine,
                         m_data.Column(c).Title);
    }
    PaintSortArrow(painter);
    painter.restore();
}

void ucAdvList::PaintSortArrow(QPainter& painter) const
{
    const QRect arrow = SortArrowRect();
    if (arrow.isEmpty())
        return;
    painter.drawImage(arrow.topLeft(),
                      AdvListSortArrow(m_data.SortDirection(), Q(AdvListColor::HeaderFace),
                                       Q(AdvListColor::HeaderShadow), Q(AdvListColor::HeaderBrightHighlight)));
}

void ucAdvList::PaintBar(QPainter& painter, Qt::Orientation bar) const
{
    const bool held = m_dragBar == bar && m_piecePressed
                      && (m_drag == Drag::BarButton || m_drag == Drag::Marker);
    const QColor face = Q(AdvListColor::ButtonFace);
    painter.fillRect(BarPieceRect(bar, Back), Q(AdvListColor::Workspace));
    for (const BarPiece piece : {LessButton, MoreButton, Marker}) {
        const QRect r = BarPieceRect(bar, piece);
        painter.fillRect(r, face);
        DrawBevel(painter, r, ButtonBevel(held && m_pressedPiece == piece));
        if (piece != Marker) {
            painter.drawImage(r.topLeft() + QPoint(4, 4),
                              AdvListScrollArrow(bar, piece == MoreButton, face, Q(AdvListColor::ButtonText)));
        }
    }
}
