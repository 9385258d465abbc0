#include "app/ClickLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

class AccessibleClickLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickLabel(ClickLabel* label)
        : QAccessibleWidget(label, QAccessible::PushButton)
    {
    }
    QAccessible::Role role() const override
    {
        return Label()->IsMenuEntry() ? QAccessible::MenuItem : QAccessible::PushButton;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Label()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focused = s.focused || Label()->IsCurrent();
        return s;
    }
    QStringList actionNames() const override
    {
        return Label()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            Label()->PerformClick();
    }

private:
    ClickLabel* Label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* ClickLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new AccessibleClickLabel(static_cast<ClickLabel*>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(ClickLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setMouseTracking(true);
    setAccessibleName(text);
}

void ClickLabel::PerformClick()
{
    if (isEnabled())
        Q_EMIT Click();
}

void ClickLabel::SetMnemonicShown(bool shown)
{
    if (shown == m_mnemonicShown)
        return;
    m_mnemonicShown = shown;
    update();
}

void ClickLabel::SetCurrent(bool current)
{
    if (current == m_current)
        return;
    m_current = current;
    update();
    if (current) {
        QAccessibleEvent event(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    const QFontMetrics metrics(font());
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    QPainter painter(this);
    QColor textColor = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    if (m_current) {
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
        textColor = palette().color(QPalette::HighlightedText);
        painter.setPen(textColor);
        painter.drawText(0, baseline, text());
    } else {
        painter.end();
        QLabel::paintEvent(event);
        painter.begin(this);
    }
    if (m_mnemonicShown && m_mnemonicIndex >= 0 && m_mnemonicIndex < text().size()) {
        const int left = metrics.horizontalAdvance(text().left(m_mnemonicIndex));
        const int width = metrics.horizontalAdvance(text().at(m_mnemonicIndex));
        const int y = baseline + std::max(metrics.underlinePos(), 1);
        painter.fillRect(left, y, width, std::max(metrics.lineWidth(), 1), textColor);
    }
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT Click();
}

void ClickLabel::mouseMoveEvent(QMouseEvent*)
{
    Q_EMIT MouseMove();
}
