#pragma once
// A sunken box that acts as a button: a left click inside it, or Space or Enter while it has the
// focus, raises Clicked. The focus shows as a dotted frame inside the border, so the boxes of the
// theme editor and the colour picker can be reached and pressed from the keyboard too.

#include <QFrame>

class ClickFrame : public QFrame {
    Q_OBJECT
public:
    explicit ClickFrame(QWidget* parent = nullptr);

Q_SIGNALS:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
