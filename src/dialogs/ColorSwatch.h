#pragma once
// A colour swatch: a small sunken box filled with its BackColor, which may be a system colour
// reference (drawn as the colour it stands for now). A left click raises Clicked. The theme editor
// and the colour picker show every colour they offer this way.

#include "theme/OleColor.h"

#include <QFrame>

class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    OleColor BackColor() const { return m_color; }
    void SetBackColor(OleColor color);

Q_SIGNALS:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    OleColor m_color = RgbColor(255, 255, 255);
};
