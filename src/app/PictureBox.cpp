#include "app/PictureBox.h"

#include "controls/SystemColors.h"
#include "controls/cDIB.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const cDIB& surface, QWidget* parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetShowing(bool showing)
{
    m_showing = showing;
    update();
}

void PictureBox::SetBackColor(OleColor color)
{
    m_backColor = color;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_showing && m_surface.HasSurface())
        m_surface.PaintDIB(painter, 0, 0, width(), height());
    else
        painter.fillRect(rect(), ToQColor(m_backColor, palette()));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    Q_EMIT MouseDown();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT Click();
}
