#pragma once
// Mouse events delivered straight to a widget, shown or not, with the buttons held spelled out, so
// a test can drag with one button and move with another exactly as it means to.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

inline void SendMouse(QWidget* widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A left press and release in the middle of the widget.
inline void LeftClick(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    SendMouse(widget, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
}
