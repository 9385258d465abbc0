#include "controls/ucStatusBar.h"

#include "controls/AccessiblePart.h"
#include "controls/ControlsAccessibility.h"
#include "controls/FontConvert.h"
#include "controls/SystemColors.h"
#include "controls/TextMetrics.h"

#include <QPainter>

namespace {
// Each field gives 3 px on either side of its text.
constexpr int kFieldPadding = 6;
constexpr int kTextInset = 3;
constexpr int kTextTop = 2;

Qt::Alignment HorizontalAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}
} // namespace

ucStatusBar::ucStatusBar(QWidget* parent)
    : QWidget(parent)
    , m_font(FromQFont(QWidget::font()))
{
    InstallControlsAccessibility();
    FitHeight();
}

void ucStatusBar::CreateField(int MinWidth, int Alignment, bool Bold)
{
    m_fields.append(Field{MinWidth, Alignment, Bold, QString()});
    FitHeight();
    update();
}

void ucStatusBar::UpdateField(int index, const QString& text)
{
    if (index < 0 || index >= FieldCount())
        return;
    m_fields[index].text = text;
    update();
    NotifyAccessible(this, QAccessible::NameChanged, index);
}

void ucStatusBar::BoldField(int index, bool bold)
{
    if (index < 0 || index >= FieldCount())
        return;
    m_fields[index].bold = bold;
    update();
}

QString ucStatusBar::FieldText(int index) const
{
    return index >= 0 && index < FieldCount() ? m_fields[index].text : QString();
}

bool ucStatusBar::FieldBold(int index) const
{
    return index >= 0 && index < FieldCount() && m_fields[index].bold;
}

QList<ucStatusBar::Span> ucStatusBar::LayOut() const
{
    const int n = FieldCount();
    QList<Span> spans(n);
    if (n == 0)
        return spans;
    int right = width();
    for (int i = n - 1; i >= 1; --i) {
        spans[i].width = m_fields[i].minWidth + kFieldPadding;
        spans[i].left = right - spans[i].width;
        right = spans[i].left;
    }
    spans[0].left = 0;
    if (right >= m_fields[0].minWidth) {
        spans[0].width = right;
    } else {
        spans[0].width = m_fields[0].minWidth + kFieldPadding;
        for (int i = 1; i < n; ++i)
            spans[i].left = spans[i - 1].left + spans[i - 1].width;
    }
    return spans;
}

int ucStatusBar::FieldLeft(int index) const
{
    return index >= 0 && index < FieldCount() ? LayOut()[index].left : 0;
}

int ucStatusBar::FieldWidth(int index) const
{
    return index >= 0 && index < FieldCount() ? LayOut()[index].width : 0;
}

QRect ucStatusBar::FieldTextRect(int index) const
{
    if (index < 0 || index >= FieldCount())
        return QRect();
    const Span span = LayOut()[index];
    return QRect(span.left + kTextInset, kTextTop, std::max(0, span.width - kTextInset), m_labelHeight);
}

void ucStatusBar::SetColor(OleColor& member, OleColor color)
{
    member = color;
    update();
}

void ucStatusBar::SetColorFace(OleColor color) { SetColor(m_colorFace, color); }
void ucStatusBar::SetColorText(OleColor color) { SetColor(m_colorText, color); }
void ucStatusBar::SetColorHighlight(OleColor color) { SetColor(m_colorHighlight, color); }
void ucStatusBar::SetColorShadow(OleColor color) { SetColor(m_colorShadow, color); }

void ucStatusBar::SetFont(const FontRecord& font)
{
    m_font = font;
    FitHeight();
    update();
}

void ucStatusBar::FitHeight()
{
    m_labelHeight = CaptionTextHeight(ToQFont(m_font));
    setFixedHeight(m_labelHeight + 4);
}

void ucStatusBar::paintEvent(QPaintEvent*)
{
    const QPalette& pal = palette();
    const QColor highlight = ToQColor(m_colorHighlight, pal);
    const QColor shadow = ToQColor(m_colorShadow, pal);
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_colorFace, pal));
    painter.fillRect(0, 0, width(), 1, highlight);

    const QList<Span> spans = LayOut();
    QFont font = ToQFont(m_font);
    painter.setPen(ToQColor(m_colorText, pal));
    for (int i = 0; i < FieldCount(); ++i) {
        // The field's two separator lines stand at its left boundary, shadow then highlight.
        painter.fillRect(spans[i].left, 1, 1, height() - 1, shadow);
        painter.fillRect(spans[i].left + 1, 1, 1, height() - 1, highlight);
        font.setBold(m_fields[i].bold);
        painter.setFont(font);
        const QRect text = FieldTextRect(i);
        painter.save();
        painter.setClipRect(text);
        painter.drawText(text, int(HorizontalAlignment(m_fields[i].alignment) | Qt::AlignTop), m_fields[i].text);
        painter.restore();
    }
}
