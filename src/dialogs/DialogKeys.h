#pragma once
// The keys the program's dialogs share: Enter (either Enter key, no modifier) presses "OK"; Escape
// is QDialog's own and runs reject(), which is each dialog's "Cancel".

#include <QKeyEvent>

inline bool IsEnterKey(const QKeyEvent* event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
