#pragma once
// The program's own icon, in the sizes drawn at build time (16, 32, 48, 64, 128 and 256 px): the
// window icon of every window, icon 0 of the message box and the picture of the about box.

#include <QIcon>
#include <QList>

QIcon ApplicationIcon();
// The sizes the icon was drawn in, smallest first.
QList<int> ApplicationIconSizes();
