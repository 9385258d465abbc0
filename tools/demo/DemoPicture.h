#pragma once
// A made-up screenshot of a ride: sky, ground, a coaster's hills and loop with its supports and
// train, and the caption. The same caption and size always give the same picture, so the demo
// files only change when this drawing does.

#include <QImage>
#include <QSize>
#include <QString>

QImage DrawDemoScreenshot(const QString& caption, const QSize& size, bool night);
