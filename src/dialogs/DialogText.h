#pragma once
// What the message box and the input box share: the font of their texts, the 13-pixel line and the
// way they count the lines of a text.

#include <QFont>
#include <QString>

namespace DialogText {

constexpr int kLineHeight = 13;
constexpr int kMargin = 4;

QFont Font();

// One line per CR LF-separated part, plus one for every part wider than the label, however many
// lines its wrapping really takes: the boxes keep to that count.
int CountLines(const QString& text, const QFont& font, int labelWidth);

// The text as a label shows it (CR LF as a line break).
QString DisplayText(const QString& text);

} // namespace DialogText
