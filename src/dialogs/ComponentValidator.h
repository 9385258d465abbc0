#pragma once
// What a colour picker box accepts: a decimal box up to three digits worth at most 255, a
// hexadecimal box up to two hexadecimal digits, lower-case letters taken as upper case. An edit
// that would leave anything else - a letter in a decimal box, "300", a pasted "#80" - is refused
// and the box keeps its text, however it came (a key, a paste, a cut, an undo).

#include <QValidator>

class ComponentValidator : public QValidator {
public:
    ComponentValidator(bool hexadecimal, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    bool m_hexadecimal;
};
