#include "dialogs/ColorSwatch.h"

#include "controls/SystemColors.h"

#include <QPainter>

ColorSwatch::ColorSwatch(QWidget* parent)
    : ClickFrame(parent)
{
}

void ColorSwatch::SetBackColor(OleColor color)
{
    m_color = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(m_color, palette()));
    painter.end();
    ClickFrame::paintEvent(event);
}
