#include "controls/ucTabContainer.h"

#include "theme/ColorDerivation.h"
#include "controls/SystemColors.h"

#include <QPainter>

ucTabContainer::ucTabContainer(QWidget* parent)
    : QWidget(parent)
{
}

void ucTabContainer::SetAutoColor(bool autoColor)
{
    m_autoColor = autoColor;
    if (autoColor) {
        DeriveColors();
        Recolor();
    }
}

void ucTabContainer::SetCOLOR_BACKGROUND(OleColor color)
{
    m_background = color;
    if (m_autoColor)
        DeriveColors();
    Recolor();
}

void ucTabContainer::DeriveColors()
{
    const OleColor rgb = TranslateColor(m_background, palette());
    m_highlight = ScaleColor(rgb, 1.5);
    m_shadowDark = ScaleColor(rgb, 0.5);
}

void ucTabContainer::Recolor()
{
    m_drawnHighlight = m_highlight;
    m_drawnShadowDark = m_shadowDark;
    update();
}

void ucTabContainer::resizeEvent(QResizeEvent* event)
{
    Recolor();
    QWidget::resizeEvent(event);
}

void ucTabContainer::paintEvent(QPaintEvent*)
{
    const QPalette& pal = palette();
    const QColor dark = ToQColor(m_drawnShadowDark, pal);
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_background, pal));
    painter.fillRect(0, 0, 1, height(), ToQColor(m_drawnHighlight, pal));
    painter.fillRect(width() - 1, 0, 1, height(), dark);
    painter.fillRect(0, height() - 1, width(), 1, dark);
}
