#pragma once
// The colour picker's drawing boxes (hue, saturation and luminance bars, the saturation x luminance
// field): a picture that keeps what was drawn on it, and reports the mouse with the pointer in its
// own pixels. Each box carries one marker, a small frame placed over the picture.

#include <QImage>
#include <QWidget>

class ColorField : public QWidget {
    Q_OBJECT
public:
    // markerSize: the marker's outer size in pixels.
    ColorField(QSize size, QSize markerSize, QWidget* parent = nullptr);

    // The kept picture; call update() after drawing on it.
    QImage& Picture() { return m_picture; }
    const QImage& Picture() const { return m_picture; }

    // Moves the marker's top-left corner (it may hang over the edges).
    void PlaceMarker(QPoint topLeft);
    QRect MarkerRect() const;

Q_SIGNALS:
    void MouseDown(Qt::MouseButton button, QPointF position);
    // buttons: those held during the move.
    void MouseMove(Qt::MouseButtons buttons, QPointF position);
    void MouseUp(Qt::MouseButton button, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    QWidget* m_marker = nullptr;
};
