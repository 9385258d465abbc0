#include "DemoPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>

namespace {

// The track's centre line across the picture: a lift hill, a drop into a loop, then smaller hills.
QPainterPath TrackLine(QRandomGenerator& random, double w, double h, double ground)
{
    QPainterPath path;
    const double liftTop = h * (0.15 + 0.1 * random.generateDouble());
    path.moveTo(-10, ground - h * 0.05);
    path.lineTo(w * 0.2, liftTop);
    const double loopX = w * (0.42 + 0.08 * random.generateDouble());
    const double loopR = h * (0.12 + 0.06 * random.generateDouble());
    const double loopBottom = ground - h * 0.06;
    path.cubicTo(w * 0.26, liftTop, w * 0.3, loopBottom, loopX, loopBottom);
    path.arcTo(QRectF(loopX - loopR, loopBottom - 2 * loopR, 2 * loopR, 2 * loopR), -90, 360);
    double x = loopX + loopR * 1.3;
    path.lineTo(x, loopBottom);
    const int hills = 2 + int(random.bounded(3));
    const double step = (w + 10 - x) / hills;
    for (int i = 0; i < hills; ++i) {
        const double top = ground - h * (0.12 + 0.25 * random.generateDouble());
        path.cubicTo(x + step * 0.3, loopBottom, x + step * 0.3, top, x + step * 0.5, top);
        path.cubicTo(x + step * 0.7, top, x + step * 0.7, loopBottom, x + step, loopBottom);
        x += step;
    }
    return path;
}

} // namespace

QImage DrawDemoScreenshot(const QString& caption, const QSize& size, bool night)
{
    QRandomGenerator random(qChecksum(caption.toUtf8()) + 1u);
    const double w = size.width();
    const double h = size.height();
    const double ground = std::round(h * 0.78);

    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const int hue = int(random.bounded(360));
    QLinearGradient sky(0, 0, 0, ground);
    sky.setColorAt(0, night ? QColor(10, 14, 40) : QColor::fromHsv((hue + 200) % 360, 120, 230));
    sky.setColorAt(1, night ? QColor(50, 40, 90) : QColor::fromHsv((hue + 30) % 360, 70, 250));
    p.fillRect(QRectF(0, 0, w, ground), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(night ? QColor(235, 235, 210) : QColor(255, 225, 120));
    const double sunR = h * 0.07;
    p.drawEllipse(QPointF(w * (0.7 + 0.2 * random.generateDouble()), h * 0.16), sunR, sunR);
    p.fillRect(QRectF(0, ground, w, h - ground), night ? QColor(20, 45, 25) : QColor::fromHsv(100 + hue % 40, 140, 150));

    const QPainterPath track = TrackLine(random, w, h, ground);
    const QColor rail = QColor::fromHsv(hue, 200, night ? 200 : 210);
    p.setPen(QPen(QColor(90, 90, 95), std::max(1.0, w / 400)));
    for (double t = 0.02; t < 1.0; t += 0.025) {
        const QPointF at = track.pointAtPercent(t);
        if (at.y() < ground - 4)
            p.drawLine(at, QPointF(at.x(), ground));
    }
    p.setPen(QPen(rail, std::max(2.0, w / 110), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(track);

    // The train, a few cars along the line just after the lift hill's top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromHsv((hue + 180) % 360, 220, 240));
    const double car = w / 28;
    for (int i = 0; i < 4; ++i) {
        const double t = 0.2 + 0.012 * i;
        const QPointF at = track.pointAtPercent(t);
        p.save();
        p.translate(at);
        p.rotate(-track.angleAtPercent(t));
        p.drawRoundedRect(QRectF(-car / 2, -car * 0.9, car * 0.9, car * 0.7), car / 6, car / 6);
        p.restore();
    }

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(10, int(h / 14)));
    font.setBold(true);
    p.setFont(font);
    const QRectF captionBox(w * 0.03, ground + (h - ground) * 0.15, w * 0.94, (h - ground) * 0.7);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(captionBox.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.setPen(Qt::white);
    p.drawText(captionBox, Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.end();
    return image;
}
