#pragma once
// How the main window's parts hand a theme to plain Qt widgets (labels, text boxes): colours
// resolved against the desktop's palette as it is now, and sizes that follow the text. Called again
// whenever the desktop's palette changes, so system colour references follow it.

#include "theme/FontRecord.h"
#include "theme/OleColor.h"

#include <QFont>
#include <QPalette>

class QLabel;
class QWidget;
class ucTextButton;

void SetBackColor(QWidget* widget, QPalette::ColorRole role, OleColor color);
// The text colour of an enabled widget; a disabled one keeps the greyed text of the desktop.
void SetForeColor(QWidget* widget, QPalette::ColorRole role, OleColor color);

int TextWidth(const QFont& font, const QString& text);
// A label sized to its caption, as an auto-sizing label is.
void FitLabel(QLabel* label, const QFont& font, int height);
// A text button sized to its caption in the button font.
void FitButton(ucTextButton* button, const FontRecord& fontRecord);
