#pragma once
// A colour swatch: a small sunken box filled with its BackColor, which may be a system colour
// reference (drawn as the colour it stands for now). A click raises Clicked. The theme editor and
// the colour picker show every colour they offer this way.

#include "dialogs/ClickFrame.h"
#include "theme/OleColor.h"

class ColorSwatch : public ClickFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    OleColor BackColor() const { return m_color; }
    void SetBackColor(OleColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OleColor m_color = RgbColor(255, 255, 255);
};
