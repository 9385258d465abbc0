#include "dialogs/ColorField.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// A hollow box, black outside and white inside, so it shows on light and dark colours alike.
class Marker : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(Qt::white);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};
} // namespace

ColorField::ColorField(QSize size, QSize markerSize, QWidget* parent)
    : QWidget(parent)
    , m_picture(size, QImage::Format_RGB32)
{
    m_picture.fill(Qt::black);
    resize(size);
    setCursor(Qt::CrossCursor);
    m_marker = new Marker(this);
    m_marker->resize(markerSize);
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ColorField::PlaceMarker(QPoint topLeft) { m_marker->move(topLeft); }

QRect ColorField::MarkerRect() const { return m_marker->geometry(); }

void ColorField::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void ColorField::mousePressEvent(QMouseEvent* event) { Q_EMIT MouseDown(event->button(), event->position()); }

void ColorField::mouseMoveEvent(QMouseEvent* event) { Q_EMIT MouseMove(event->buttons(), event->position()); }

void ColorField::mouseReleaseEvent(QMouseEvent* event) { Q_EMIT MouseUp(event->button(), event->position()); }
