#pragma once
// ucTabContainer: the bordered panel under a ucTabHead. It has no top edge: the head above closes it.
// COLOR_HIGHLIGHT and Color_ShadowDark only store; the edges show them at the next recolouring (a
// new background, AutoColor switched on, a resize). While AutoColor is on, a new background derives
// both from itself.

#include "theme/OleColor.h"

#include <QWidget>

// The Windows headers define COLOR_BACKGROUND and COLOR_HIGHLIGHT as system colour indices; in a file
// that includes both, the control's own member names must win.
#ifdef COLOR_BACKGROUND
#undef COLOR_BACKGROUND
#endif
#ifdef COLOR_HIGHLIGHT
#undef COLOR_HIGHLIGHT
#endif

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
