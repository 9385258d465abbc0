#pragma once
// Reads the next message box while it is open (its text, caption, buttons and icon, as the user
// sees them) and then answers it with one of its own buttons, so a test checks the real question
// rather than a pre-set answer.

#include "ModalDriver.h"

#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QTest>

struct ShownMessage {
    QString text;
    QString caption;
    QList<int> buttons;  // answer indices, left to right
    bool icon = false;
    QImage iconImage;
};

// `shown` is filled when the box opens; `press` is then given with the box's own button, or with its
// close box for MessageAnswer::Closed. The `later` answers are queued for the boxes after this one.
inline void ReadNextMessageBox(ShownMessage& shown, MessageAnswer press, const QList<MessageAnswer>& later = {})
{
    WhenModalOpens<frmMessageBox>([&shown, press, later](frmMessageBox* box) {
        shown = {box->MessageText(), box->windowTitle(), box->VisibleButtonsLeftToRight(), box->HasIcon(),
                 box->IconImage()};
        for (MessageAnswer answer : later)
            frmMessageBox::SetNextAnswer(answer);
        if (press == MessageAnswer::Closed)
            box->close();
        else
            QTest::mouseClick(box->Button(int(press)), Qt::LeftButton, {}, QPoint(10, 10));
    });
}
