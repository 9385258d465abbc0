#include "controls/ucTextButton.h"

#include "controls/AccessiblePart.h"
#include "controls/ControlsAccessibility.h"
#include "controls/FontConvert.h"
#include "controls/MouseArgs.h"
#include "controls/SystemColors.h"
#include "controls/TextMetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kInset = 3;

Qt::Alignment HorizontalAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}
} // namespace

ucTextButton::ucTextButton(QWidget* parent)
    : ucTextButton(QString(), parent)
{
}

ucTextButton::ucTextButton(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_font(FromQFont(QWidget::font()))
{
    m_textHeight = CaptionTextHeight(ToQFont(m_font));
    setFocusPolicy(Qt::TabFocus);
    InstallControlsAccessibility();
}

void ucTextButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
    NotifyAccessible(this, QAccessible::NameChanged);
}

void ucTextButton::SetAlignment(int alignment)
{
    m_alignment = alignment;
    update();
}

void ucTextButton::SetColor(OleColor& member, OleColor color)
{
    member = color;
    m_pressed = false;
    update();
}

void ucTextButton::SetColorFace(OleColor color) { SetColor(m_colorFace, color); }
void ucTextButton::SetColorText(OleColor color) { SetColor(m_colorText, color); }
void ucTextButton::SetColorHighlight(OleColor color) { SetColor(m_colorHighlight, color); }
void ucTextButton::SetColorBrightHighlight(OleColor color) { SetColor(m_colorBrightHighlight, color); }
void ucTextButton::SetColorShadow(OleColor color) { SetColor(m_colorShadow, color); }
void ucTextButton::SetColorDarkShadow(OleColor color) { SetColor(m_colorDarkShadow, color); }

void ucTextButton::SetColors(const ColorGroup& group)
{
    m_colorFace = group.Face;
    m_colorText = group.Text;
    m_colorHighlight = group.Highlight;
    m_colorBrightHighlight = group.BrightHighlight;
    m_colorShadow = group.Shadow;
    SetColor(m_colorDarkShadow, group.DarkShadow);
}

void ucTextButton::SetFont(const FontRecord& font)
{
    m_font = font;
    m_textHeight = CaptionTextHeight(ToQFont(m_font));
    updateGeometry();
    update();
}

BevelColors ucTextButton::CurrentBevel() const
{
    const QPalette& pal = palette();
    const QColor bright = ToQColor(m_colorBrightHighlight, pal);
    const QColor light = ToQColor(m_colorHighlight, pal);
    const QColor shadow = ToQColor(m_colorShadow, pal);
    const QColor dark = ToQColor(m_colorDarkShadow, pal);
    if (m_pressed)
        return {shadow, bright, dark, light};
    return {bright, shadow, light, dark};
}

QRect ucTextButton::CaptionRect() const
{
    const int innerWidth = std::max(0, width() - 2 * kInset);
    const int innerHeight = std::max(0, height() - 2 * kInset);
    if (innerHeight > m_textHeight)
        return QRect(kInset, kInset + (innerHeight - m_textHeight) / 2, innerWidth, m_textHeight);
    return QRect(kInset, kInset, innerWidth, innerHeight);
}

QColor ucTextButton::DisabledTextColor() const
{
    const QColor face = ToQColor(m_colorFace, palette());
    const QColor text = ToQColor(m_colorText, palette());
    return QColor((face.red() + text.red()) / 2, (face.green() + text.green()) / 2, (face.blue() + text.blue()) / 2);
}

QRect ucTextButton::FocusRect() const
{
    return rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1);
}

QSize ucTextButton::sizeHint() const
{
    return QSize(75, std::max(23, m_textHeight + 2 * kInset + 2));
}

void ucTextButton::paintEvent(QPaintEvent*)
{
    const QPalette& pal = palette();
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_colorFace, pal));
    DrawBevel(painter, rect(), CurrentBevel());

    painter.setFont(ToQFont(m_font));
    const QRect caption = CaptionRect();
    const int flags = int(HorizontalAlignment(m_alignment) | Qt::AlignTop | Qt::TextWordWrap);
    const QColor textColor = isEnabled() ? ToQColor(m_colorText, pal) : DisabledTextColor();
    if (hasFocus()) {
        painter.setPen(QPen(textColor, 1, Qt::DotLine));
        painter.drawRect(FocusRect());
    }
    painter.setClipRect(caption);
    painter.setPen(textColor);
    painter.drawText(caption, flags, m_caption);
}

bool ucTextButton::Counts(Qt::MouseButton button) const
{
    return button == Qt::LeftButton || (button == Qt::RightButton && m_rightClickable);
}

void ucTextButton::SetPressed(bool pressed)
{
    if (m_pressed == pressed)
        return;
    m_pressed = pressed;
    update();
}

void ucTextButton::mousePressEvent(QMouseEvent* event)
{
    if (Counts(event->button())) {
        m_heldButton = event->button();
        SetPressed(true);
    }
    const QPointF p = event->position();
    Q_EMIT MouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), p.x(), p.y());
}

void ucTextButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_heldButton != Qt::NoButton && (event->buttons() & m_heldButton))
        SetPressed(rect().contains(event->position().toPoint()));
    const QPointF p = event->position();
    Q_EMIT MouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()), p.x(), p.y());
}

void ucTextButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool counted = event->button() == m_heldButton && Counts(event->button());
    if (counted) {
        m_heldButton = Qt::NoButton;
        SetPressed(false);
    }
    const QPointF p = event->position();
    const int button = MouseButtonCode(event->button());
    const int shift = ShiftCode(event->modifiers());
    Q_EMIT MouseUp(button, shift, p.x(), p.y());
    if (Counts(event->button()) && rect().contains(p.toPoint()))
        Q_EMIT Click(button, shift, p.x(), p.y());
}

void ucTextButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A quick second press is a press like any other.
    mousePressEvent(event);
}

void ucTextButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_heldButton = Qt::NoButton;
        m_spaceHeld = false;
        m_pressed = false;
    }
    QWidget::changeEvent(event);
}

void ucTextButton::KeyboardClick(Qt::KeyboardModifiers modifiers)
{
    Q_EMIT Click(MouseButtonCode(Qt::LeftButton), ShiftCode(modifiers), width() / 2.0f, height() / 2.0f);
}

void ucTextButton::PerformClick()
{
    if (isEnabled())
        KeyboardClick({});
}

void ucTextButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            m_spaceHeld = true;
            SetPressed(true);
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            KeyboardClick(event->modifiers());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ucTextButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !m_spaceHeld) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    m_spaceHeld = false;
    SetPressed(false);
    KeyboardClick(event->modifiers());
}

void ucTextButton::focusOutEvent(QFocusEvent* event)
{
    // Leaving with Space held lets the button spring back without a click.
    if (m_spaceHeld) {
        m_spaceHeld = false;
        SetPressed(false);
    }
    QWidget::focusOutEvent(event);
}
