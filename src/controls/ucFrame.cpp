#include "controls/ucFrame.h"

#include "controls/ControlsAccessibility.h"
#include "controls/MouseArgs.h"
#include "controls/SystemColors.h"

#include <QMouseEvent>
#include <QPainter>

ucFrame::ucFrame(QWidget* parent)
    : QWidget(parent)
{
    InstallControlsAccessibility();
}

void ucFrame::SetEnabled(bool enabled)
{
    // Only widgets can be switched; other children (layouts, timers) are passed over.
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        child->setEnabled(enabled);
    m_enabled = enabled;
}

void ucFrame::SetBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void ucFrame::SetColor(OleColor& member, OleColor color)
{
    member = color;
    update();
}

void ucFrame::SetColorFace(OleColor color) { SetColor(m_colorFace, color); }
void ucFrame::SetColorHighlight(OleColor color) { SetColor(m_colorHighlight, color); }
void ucFrame::SetColorBrightHighlight(OleColor color) { SetColor(m_colorBrightHighlight, color); }
void ucFrame::SetColorShadow(OleColor color) { SetColor(m_colorShadow, color); }
void ucFrame::SetColorDarkShadow(OleColor color) { SetColor(m_colorDarkShadow, color); }

void ucFrame::SetColors(const ColorGroup& group)
{
    m_colorFace = group.Face;
    m_colorHighlight = group.Highlight;
    m_colorBrightHighlight = group.BrightHighlight;
    m_colorShadow = group.Shadow;
    m_colorDarkShadow = group.DarkShadow;
    update();
}

BevelColors ucFrame::BorderColors() const
{
    const QPalette& pal = palette();
    const QColor bright = ToQColor(m_colorBrightHighlight, pal);
    const QColor light = ToQColor(m_colorHighlight, pal);
    const QColor shadow = ToQColor(m_colorShadow, pal);
    const QColor dark = ToQColor(m_colorDarkShadow, pal);
    switch (m_borderStyle) {
    case 1: return {shadow, bright, bright, shadow};
    case 2: return {shadow, bright, dark, light};
    case 3: return {bright, shadow, light, dark};
    case 4: return {bright, dark, dark, bright};
    case 5: return {dark, bright, bright, dark};
    default: return {bright, shadow, shadow, bright};
    }
}

void ucFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_colorFace, palette()));
    DrawBevel(painter, rect(), BorderColors());
}

void ucFrame::mousePressEvent(QMouseEvent* event)
{
    m_afterDoubleClick = false;
    const QPointF p = event->position();
    Q_EMIT MouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), p.x(), p.y());
}

void ucFrame::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    Q_EMIT MouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()), p.x(), p.y());
}

void ucFrame::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    Q_EMIT MouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), p.x(), p.y());
    if (!m_afterDoubleClick && rect().contains(event->position().toPoint()))
        Q_EMIT Click();
    m_afterDoubleClick = false;
}

void ucFrame::mouseDoubleClickEvent(QMouseEvent*)
{
    m_afterDoubleClick = true;
    Q_EMIT DoubleClick();
}
