#include "app/ThemedWidget.h"

#include "controls/FontConvert.h"
#include "controls/SystemColors.h"
#include "controls/TextMetrics.h"
#include "controls/ucTextButton.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>

namespace {
QColor Resolve(OleColor color)
{
    return ToQColor(color, QGuiApplication::palette());
}
} // namespace

void SetBackColor(QWidget* widget, QPalette::ColorRole role, OleColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, Resolve(color));
    widget->setPalette(palette);
}

void SetForeColor(QWidget* widget, QPalette::ColorRole role, OleColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, Resolve(color));
    palette.setColor(QPalette::Inactive, role, Resolve(color));
    widget->setPalette(palette);
}

int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

void FitLabel(QLabel* label, const QFont& font, int height)
{
    label->setFont(font);
    label->resize(TextWidth(font, label->text()), height);
}

void FitButton(ucTextButton* button, const FontRecord& fontRecord)
{
    button->SetFont(fontRecord);
    const QFont font = ToQFont(fontRecord);
    button->resize(TextWidth(font, button->Caption()) + 16, CaptionTextHeight(font) + 8);
}
