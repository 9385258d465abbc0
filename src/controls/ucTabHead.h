#pragma once
// ucTabHead: a strip of tab titles. A click on a tab (or ShowTab) makes it current and reports it
// with TabClick; the owner shows the matching page itself. The current tab stands taller than the
// others and the strip's bottom edge opens under it onto the ucTabContainer below.
//
// Keyboard: the strip takes the focus with Tab; Left and Right (Home and End) then choose the tab
// beside (the first, the last) as a click would, and the current title shows a focus frame.
//
// The public colour names are the control's own, upper case included. Color_Text, Color_Shadow and
// Color_ShadowDark only store: the strip shows them from its next redraw (a tab added or chosen, a
// resize, a new background).

#include "controls/NoWindowsColorMacros.h"
#include "theme/OleColor.h"

#include <QList>
#include <QWidget>

class ucTabHead : public QWidget {
    Q_OBJECT
public:
    explicit ucTabHead(QWidget* parent = nullptr);

    void AddTab(const QString& sTitle);
    // As a click on that tab, even on the current one. An index outside the tabs is ignored.
    void ShowTab(int index);

    int TabCount() const { return static_cast<int>(m_titles.size()); }
    int CurrentTab() const { return m_currentTab; }
    QString TabTitle(int index) const;
    // Where tab i's title is drawn, in pixels.
    QRect TitleRect(int index) const;
    // The area a click chooses tab i by: between its edges, from its top to the bottom of the strip.
    QRect TabRect(int index) const;

    bool AutoColor() const { return m_autoColor; }
    void SetAutoColor(bool autoColor);
    OleColor COLOR_BACKGROUND() const { return m_background; }
    // Stores, then derives highlight, shadows and text from it whatever AutoColor says.
    void SetCOLOR_BACKGROUND(OleColor color);
    OleColor COLOR_HIGHLIGHT() const { return m_highlight; }
    // Stores and recolours the bottom edge at once.
    void SetCOLOR_HIGHLIGHT(OleColor color);
    OleColor Color_Text() const { return m_text; }
    void SetColor_Text(OleColor color) { m_text = color; }
    OleColor Color_Shadow() const { return m_shadow; }
    void SetColor_Shadow(OleColor color) { m_shadow = color; }
    OleColor Color_ShadowDark() const { return m_shadowDark; }
    void SetColor_ShadowDark(OleColor color) { m_shadowDark = color; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void TabClick(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // One tab's place in twips, as the strip is laid out.
    struct TabPlace {
        int x = 0;      // the title's left
        int top = 0;    // 0 for the current tab, 60 for the others
        int width = 0;  // the title's width
    };
    QList<TabPlace> LayOut() const;
    int TabAt(QPoint pos) const;
    int XPixels(int twips) const;
    int YPixels(int twips) const;
    void DeriveColors();
    void Redraw();

    QList<QString> m_titles;
    int m_currentTab = 0;
    int m_pressedTab = -1;
    bool m_autoColor = true;
    OleColor m_background = SystemColorRef(15);
    OleColor m_text = SystemColorRef(18);
    OleColor m_highlight = SystemColorRef(20);
    OleColor m_shadow = SystemColorRef(16);
    OleColor m_shadowDark = SystemColorRef(21);
    // The colours the titles and tab edges were last drawn with.
    OleColor m_drawnText = m_text;
    OleColor m_drawnHighlight = m_highlight;
    OleColor m_drawnShadow = m_shadow;
    OleColor m_drawnShadowDark = m_shadowDark;
};
