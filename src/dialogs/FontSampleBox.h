#pragma once
// One of the theme editor's font boxes: it holds a working copy of a theme font and shows its
// caption ("List Font", ...) centred, in that font. A click raises Clicked.

#include "dialogs/ClickFrame.h"
#include "theme/FontRecord.h"

class FontSampleBox : public ClickFrame {
    Q_OBJECT
public:
    FontSampleBox(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    FontRecord Font() const { return m_font; }
    // Takes the font over and draws the sample anew.
    void SetFont(const FontRecord& font);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    FontRecord m_font;
};
