#pragma once
// Reads the next message box while it is open (its text, caption, buttons and icon, as the user
// sees them) and then answers it with one of its own buttons, so a test checks the real question
// rather than a pre-set answer.

#include "ModalDriver.h"

#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"

#include <QList>
#include <QString>
#include <QTest>

struct ShownMessage {
    QString text;
    QString caption;
    QList<int> buttons;  // answer indices, left to right
    bool icon = false;
};

// `shown` is filled when the box opens; `press` is the answer index of the button then clicked.
inline void ReadNextMessageBox(ShownMessage& shown, int press)
{
    WhenModalOpens<frmMessageBox>([&shown, press](frmMessageBox* box) {
        shown = {box->MessageText(), box->windowTitle(), box->VisibleButtonsLeftToRight(), box->HasIcon()};
        QTest::mouseClick(box->Button(press), Qt::LeftButton, {}, QPoint(10, 10));
    });
}
