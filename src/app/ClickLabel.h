#pragma once
// ClickLabel: a label that reports a click (press and release of the left button over it) and the
// mouse moving over it, which a plain label does not. The menu bar and its drop-downs are made of
// these. A disabled label reports nothing.

#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
