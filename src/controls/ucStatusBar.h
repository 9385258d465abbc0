#pragma once
// ucStatusBar: a one-line bar of text fields laid out from the right by their minimum widths. Only
// field 0 stretches with the bar; every later field is MinWidth + 6 px wide whatever its text. When
// the bar is too narrow for that, field 0 keeps MinWidth + 6 px and the rest run past the right edge.

#include "theme/FontRecord.h"
#include "theme/OleColor.h"

#include <QList>
#include <QWidget>

class ucStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit ucStatusBar(QWidget* parent = nullptr);

    // Appends a field (MinWidth in pixels; alignment 0 left, 1 right, 2 centre).
    void CreateField(int MinWidth, int Alignment, bool Bold);
    // Both do nothing for an index outside 0..FieldCount() - 1. Neither changes the layout.
    void UpdateField(int index, const QString& text);
    void BoldField(int index, bool bold);

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    QString FieldText(int index) const;
    bool FieldBold(int index) const;
    // Field i spans FieldLeft(i) .. FieldLeft(i) + FieldWidth(i) at the bar's current width.
    int FieldLeft(int index) const;
    int FieldWidth(int index) const;
    // Where field i's text is drawn.
    QRect FieldTextRect(int index) const;

    OleColor ColorFace() const { return m_colorFace; }
    void SetColorFace(OleColor color);
    OleColor ColorText() const { return m_colorText; }
    void SetColorText(OleColor color);
    OleColor ColorHighlight() const { return m_colorHighlight; }
    void SetColorHighlight(OleColor color);
    OleColor ColorShadow() const { return m_colorShadow; }
    void SetColorShadow(OleColor color);

    // The field font; the bar's height follows it (text height + 4 px).
    FontRecord Font() const { return m_font; }
    void SetFont(const FontRecord& font);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Field {
        int minWidth = 0;
        int alignment = 0;
        bool bold = false;
        QString text;
    };
    struct Span {
        int left = 0;
        int width = 0;
    };
    QList<Span> LayOut() const;
    void FitHeight();
    void SetColor(OleColor& member, OleColor color);

    QList<Field> m_fields;
    OleColor m_colorFace = SystemColorRef(15);
    OleColor m_colorText = SystemColorRef(18);
    OleColor m_colorHighlight = SystemColorRef(20);
    OleColor m_colorShadow = SystemColorRef(16);
    FontRecord m_font;
    int m_labelHeight = 0;
};
