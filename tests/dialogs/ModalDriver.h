#pragma once
// Acts on the next modal dialog as soon as it is open, so a test can drive exec() without sleeping,
// and types into a dialog the way a user does, one key or word at a time.

#include <QApplication>
#include <QKeySequence>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

template <typename Dialog>
void WhenModalOpens(std::function<void(Dialog*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start();
}

// Shows a window and makes it the active one, as the user's click would, so that its shortcuts and
// focus work as they do on a desktop. False when it did not become active.
inline bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Each step goes to whichever widget has the focus then (else to `fallback`): "{Tab}", "{Esc}",
// "{Ctrl+PgDown}" and the like are one key with its modifiers, named as QKeySequence names it; any
// other step is typed as text.
inline void TypeSteps(QWidget* fallback, const QStringList& steps)
{
    for (const QString& step : steps) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : fallback;
        if (step.startsWith(QLatin1Char('{')) && step.endsWith(QLatin1Char('}'))) {
            const QKeyCombination key = QKeySequence(step.mid(1, step.size() - 2))[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        } else
            QTest::keyClicks(target, step);
    }
}
