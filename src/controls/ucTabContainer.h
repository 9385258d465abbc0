#pragma once
// ucTabContainer: the bordered panel under a ucTabHead. It has no top edge: the head above closes it.
// COLOR_HIGHLIGHT and Color_ShadowDark only store; the edges show them at the next recolouring (a
// new background, AutoColor switched on, a resize). While AutoColor is on, a new background derives
// both from itself.

#include "controls/NoWindowsColorMacros.h"
#include "theme/OleColor.h"

#include <QWidget>

class ucTabContainer : public QWidget {
    Q_OBJECT
public:
    explicit ucTabContainer(QWidget* parent = nullptr);

    bool AutoColor() const { return m_autoColor; }
    void SetAutoColor(bool autoColor);
    OleColor COLOR_BACKGROUND() const { return m_background; }
    void SetCOLOR_BACKGROUND(OleColor color);
    OleColor COLOR_HIGHLIGHT() const { return m_highlight; }
    void SetCOLOR_HIGHLIGHT(OleColor color) { m_highlight = color; }
    OleColor Color_ShadowDark() const { return m_shadowDark; }
    void SetColor_ShadowDark(OleColor color) { m_shadowDark = color; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void DeriveColors();
    // Shows the stored edge colours.
    void Recolor();

    bool m_autoColor = true;
    OleColor m_background = SystemColorRef(15);
    OleColor m_highlight = SystemColorRef(20);
    OleColor m_shadowDark = SystemColorRef(21);
    OleColor m_drawnHighlight = m_highlight;
    OleColor m_drawnShadowDark = m_shadowDark;
};
