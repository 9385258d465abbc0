#include "dialogs/ScreenColor.h"

#include "controls/SystemColors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

std::optional<OleColor> ScreenColorAtCursor()
{
    const QPoint position = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(position);
    if (!screen)
        return std::nullopt;
    const QPoint onScreen = position - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1).toImage();
    if (pixel.isNull() || pixel.width() < 1 || pixel.height() < 1)
        return std::nullopt;
    return FromQColor(pixel.pixelColor(0, 0));
}
