#pragma once
// ucFrame: a container with a 3-D border in one of six styles. Its own Enabled switches everything
// placed directly inside it on or off, while the frame itself keeps raising its events.

#include "controls/Bevel.h"
#include "theme/ColorGroup.h"
#include "theme/OleColor.h"

#include <QWidget>

class ucFrame : public QWidget {
    Q_OBJECT
public:
    explicit ucFrame(QWidget* parent = nullptr);

    // Enabled: stored here and copied to every widget directly contained in the frame. Not Qt's own
    // enabled state, which would also silence the frame.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    // 0..5; any other value draws as 0.
    int BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);

    OleColor ColorFace() const { return m_colorFace; }
    void SetColorFace(OleColor color);
    OleColor ColorHighlight() const { return m_colorHighlight; }
    void SetColorHighlight(OleColor color);
    OleColor ColorBrightHighlight() const { return m_colorBrightHighlight; }
    void SetColorBrightHighlight(OleColor color);
    OleColor ColorShadow() const { return m_colorShadow; }
    void SetColorShadow(OleColor color);
    OleColor ColorDarkShadow() const { return m_colorDarkShadow; }
    void SetColorDarkShadow(OleColor color);
    // The five edge and face colours of a group at once; a frame has no text, so Text is ignored.
    void SetColors(const ColorGroup& group);

    // The border's four colours for the current style, resolved against the palette.
    BevelColors BorderColors() const;

Q_SIGNALS:
    void Click();
    void DoubleClick();
    // Button and Shift as in controls/MouseArgs.h; X and Y in pixels of the frame.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void SetColor(OleColor& member, OleColor color);

    bool m_enabled = true;
    int m_borderStyle = 0;
    OleColor m_colorFace = SystemColorRef(15);
    OleColor m_colorHighlight = SystemColorRef(22);
    OleColor m_colorBrightHighlight = SystemColorRef(20);
    OleColor m_colorShadow = SystemColorRef(16);
    OleColor m_colorDarkShadow = SystemColorRef(21);
    // The release that ends a double click is not a second Click.
    bool m_afterDoubleClick = false;
};
