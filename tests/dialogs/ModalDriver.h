#pragma once
// Acts on the next modal dialog as soon as it is open, so a test can drive exec() without sleeping.

#include <QApplication>
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
