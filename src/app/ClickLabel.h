#pragma once
// ClickLabel: a label that reports a click (press and release of the left button over it) and the
// mouse moving over it, which a plain label does not. The menu bar and its drop-downs are made of
// these. A disabled label reports nothing.
//
// For the keyboard a label can underline its access letter (while Alt is held) and be drawn as the
// current entry of an open drop-down. Assistive technology sees a push button (a bar label) or a
// menu item (a drop-down entry) named by the caption, whose press action is a click.

#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    // A click, as the mouse or the press action gives it; nothing while disabled.
    void PerformClick();

    // The letter underlined while the access keys are shown; -1 for none.
    void SetMnemonicIndex(int index) { m_mnemonicIndex = index; }
    int MnemonicIndex() const { return m_mnemonicIndex; }
    void SetMnemonicShown(bool shown);
    bool MnemonicShown() const { return m_mnemonicShown; }

    // A drop-down entry (menu item) rather than a label of the bar (push button).
    void SetMenuEntry(bool entry) { m_menuEntry = entry; }
    bool IsMenuEntry() const { return m_menuEntry; }
    // Drawn in the highlight colours as the entry the keyboard is on.
    void SetCurrent(bool current);
    bool IsCurrent() const { return m_current; }

Q_SIGNALS:
    void Click();
    void MouseMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
    int m_mnemonicIndex = -1;
    bool m_mnemonicShown = false;
    bool m_menuEntry = false;
    bool m_current = false;
};
