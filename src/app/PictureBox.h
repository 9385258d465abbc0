#pragma once
// PictureBox: shows a cDIB surface stretched over the whole box, or its plain back colour while it
// shows nothing. The thumbnail of the main window and the large preview are both one of these over
// the same surface, so the preview paints the picture again without reading the file.

#include "theme/OleColor.h"

#include <QWidget>

class cDIB;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const cDIB& surface, QWidget* parent = nullptr);

    // Show the surface (true) or clear the box to its back colour (false).
    void SetShowing(bool showing);
    bool Showing() const { return m_showing; }
    OleColor BackColor() const { return m_backColor; }
    void SetBackColor(OleColor color);

Q_SIGNALS:
    void Click();
    void MouseDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const cDIB& m_surface;
    bool m_showing = false;
    bool m_pressed = false;
    OleColor m_backColor = SystemColorRef(15);
};
