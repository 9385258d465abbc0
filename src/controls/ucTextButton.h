#pragma once
// ucTextButton: a flat push button, a caption on a face with a bevel that sinks while pressed.
// Enabled is Qt's own enabled state: a disabled button raises no event, ignores the mouse and draws
// its caption in DisabledTextColor.
//
// Keyboard: Tab reaches the button (a click does not take the focus from where the user was
// typing or scrolling), a dotted mark shows the focus, Space sinks it and clicks on release, Enter
// clicks at once. A keyboard click is a left click at the button's centre.

#include "controls/Bevel.h"
#include "theme/ColorGroup.h"
#include "theme/FontRecord.h"
#include "theme/OleColor.h"

#include <QWidget>

class ucTextButton : public QWidget {
    Q_OBJECT
public:
    explicit ucTextButton(QWidget* parent = nullptr);
    explicit ucTextButton(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return m_alignment; }
    void SetAlignment(int alignment);
    // A right press then sinks the button and a right release inside raises Click as well.
    bool RightClickable() const { return m_rightClickable; }
    void SetRightClickable(bool clickable) { m_rightClickable = clickable; }

    OleColor ColorFace() const { return m_colorFace; }
    void SetColorFace(OleColor color);
    OleColor ColorText() const { return m_colorText; }
    void SetColorText(OleColor color);
    OleColor ColorHighlight() const { return m_colorHighlight; }
    void SetColorHighlight(OleColor color);
    OleColor ColorBrightHighlight() const { return m_colorBrightHighlight; }
    void SetColorBrightHighlight(OleColor color);
    OleColor ColorShadow() const { return m_colorShadow; }
    void SetColorShadow(OleColor color);
    OleColor ColorDarkShadow() const { return m_colorDarkShadow; }
    void SetColorDarkShadow(OleColor color);
    // All six colours of a group at once, drawn released as each single colour is.
    void SetColors(const ColorGroup& group);

    // The caption font; setting it measures the text height again and lays the caption out anew.
    FontRecord Font() const { return m_font; }
    void SetFont(const FontRecord& font);

    // Drawn sunk (a counting press is held and the pointer is inside).
    bool IsPressed() const { return m_pressed; }
    // The bevel of the current state, resolved against the palette.
    BevelColors CurrentBevel() const;
    // Where the caption goes: inset 3 px, centred vertically when there is room for the text.
    QRect CaptionRect() const;
    // The caption colour of a disabled button: halfway between its text and its face, so it reads
    // as disabled on a light face and on a dark one alike.
    QColor DisabledTextColor() const;
    // The dotted focus mark, one pixel inside the caption area.
    QRect FocusRect() const;
    int TextHeight() const { return m_textHeight; }

    // Raises Click as a left click at the centre, when enabled; the keyboard and assistive
    // technology press the button this way.
    void PerformClick();

    QSize sizeHint() const override;

Q_SIGNALS:
    // Button and Shift as in controls/MouseArgs.h; X and Y in pixels of the button.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void Click(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool Counts(Qt::MouseButton button) const;
    void SetColor(OleColor& member, OleColor color);
    void SetPressed(bool pressed);
    void KeyboardClick(Qt::KeyboardModifiers modifiers);

    QString m_caption;
    int m_alignment = 2;
    bool m_rightClickable = false;
    OleColor m_colorFace = SystemColorRef(15);
    OleColor m_colorText = SystemColorRef(18);
    OleColor m_colorHighlight = SystemColorRef(22);
    OleColor m_colorBrightHighlight = SystemColorRef(20);
    OleColor m_colorShadow = SystemColorRef(16);
    OleColor m_colorDarkShadow = SystemColorRef(21);
    FontRecord m_font;
    int m_textHeight = 0;
    // The button whose press sinks the bevel while it is held; NoButton when none is held.
    Qt::MouseButton m_heldButton = Qt::NoButton;
    bool m_pressed = false;
    bool m_spaceHeld = false;
};
