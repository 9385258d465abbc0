#include "dialogs/FontSampleBox.h"

#include "controls/FontConvert.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

FontSampleBox::FontSampleBox(const QString& caption, QWidget* parent)
    : QFrame(parent)
    , m_caption(caption)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(caption);
}

void FontSampleBox::SetFont(const FontRecord& font)
{
    m_font = font;
    update();
}

void FontSampleBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
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

void FontSampleBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Clicked();
}
