#include "dialogs/FontSampleBox.h"

#include "controls/FontConvert.h"

#include <QFontMetricsF>
#include <QPainter>

FontSampleBox::FontSampleBox(const QString& caption, QWidget* parent)
    : ClickFrame(parent)
    , m_caption(caption)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(caption);
}

void FontSampleBox::SetFont(const FontRecord& font)
{
    m_font = font;
    update();
}

void FontSampleBox::paintEvent(QPaintEvent* event)
{
    ClickFrame::paintEvent(event);
    // The caption centred in the box's own font, measured in that font.
    QPainter painter(this);
    const QFont font = ToQFont(m_font);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Text));
    painter.setClipRect(contentsRect());
    const QFontMetricsF metrics(font);
    const double x = (width() - metrics.horizontalAdvance(m_caption)) * 0.5;
    const double y = (height() - metrics.height()) * 0.5;
    painter.drawText(QPointF(x, y + metrics.ascent()), m_caption);
}
