// frmMessageBox: the label height from the line count, where the text starts with and without an
// icon, the order of every button set, the answers (including -1 on close) and the test hook.

#include "dialogs/frmMessageBox.h"

#include "dialogs/ApplicationIcon.h"
#include "dialogs/frmAbout.h"

#include "ModalDriver.h"
#include "controls/ucTextButton.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

namespace {
const QString kLongLine = QString(200, QLatin1Char('x'));
} // namespace

class tst_messagebox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmMessageBox::ClearNextAnswers(); }
    void labelHeight_data();
    void labelHeight();
    void iconPlacement_data();
    void iconPlacement();
    void buttonOrder_data();
    void buttonOrder();
    void pressedButtonIsTheAnswer();
    void closedWithoutButtonAnswersMinusOne();
    void escapeAnswersMinusOne();
    void hookAnswersInOrder();
    void keyboard_data();
    void keyboard();
    void applicationIcon();
    void readAndPressedByAssistiveTechnology();
};

void tst_messagebox::labelHeight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("height");
    QTest::newRow("three short lines") << QStringLiteral("Defaults!\r\nAll settings are reset.\r\nSure?") << -1 << 39;
    QTest::newRow("one line wider than the label") << kLongLine << -1 << 26;
    QTest::newRow("one short line") << QStringLiteral("Done!") << -1 << 13;
    QTest::newRow("a long and a short line") << kLongLine + QStringLiteral("\r\nok") << -1 << 39;
    QTest::newRow("LF alone does not split") << QStringLiteral("a\nb") << -1 << 13;
    QTest::newRow("icon keeps the label as high as itself") << QStringLiteral("Done!") << 2 << 32;
    QTest::newRow("three lines with icon") << QStringLiteral("a\r\nb\r\nc") << 2 << 39;
}

void tst_messagebox::labelHeight()
{
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(int, height);
    frmMessageBox box;
    box.Prepare(text, QStringLiteral("Settings..."), qint16(icon), 3, false);
    QCOMPARE(box.MessageRect().height(), height);
    QCOMPARE(box.MessageRect().top(), 4);
    // The buttons sit 4 px under the text and the form ends 4 px under the buttons.
    const QRect yes = box.Button(2)->geometry();
    QCOMPARE(yes.top(), 4 + height + 4);
    QCOMPARE(box.height(), yes.bottom() + 1 + 4);
    QCOMPARE(box.windowTitle(), QStringLiteral("Settings..."));
}

void tst_messagebox::iconPlacement_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("shown");
    for (int i = 0; i < 5; ++i)
        QTest::addRow("icon %d", i) << i << true;
    QTest::newRow("at the count") << 5 << false;
    QTest::newRow("far beyond") << 300 << false;
    QTest::newRow("none") << -1 << false;
}

void tst_messagebox::iconPlacement()
{
    QFETCH(int, icon);
    QFETCH(bool, shown);
    frmMessageBox box;
    box.Prepare(QStringLiteral("Text"), QString(), qint16(icon), 0, true);
    QCOMPARE(box.HasIcon(), shown);
    const int left = shown ? box.IconRect().right() + 1 + 4 : 4;
    QCOMPARE(box.MessageRect().left(), left);
    QCOMPARE(box.MessageRect().right() + 1, box.width() - 4);
}

void tst_messagebox::buttonOrder_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QList<int>>("leftToRight");
    QTest::newRow("0") << 0 << QList<int>{0};
    QTest::newRow("1") << 1 << QList<int>{0, 1};
    QTest::newRow("2") << 2 << QList<int>{2, 3};
    QTest::newRow("3") << 3 << QList<int>{2, 3, 1};
    QTest::newRow("4") << 4 << QList<int>{4, 2, 5, 3};
    QTest::newRow("5") << 5 << QList<int>{4, 2, 5, 3, 1};
    QTest::newRow("6") << 6 << QList<int>{6, 7};
    QTest::newRow("7") << 7 << QList<int>{6, 7, 8};
    QTest::newRow("8") << 8 << QList<int>{7, 1};
    QTest::newRow("9 places none") << 9 << QList<int>{};
    QTest::newRow("-1 places none") << -1 << QList<int>{};
}

void tst_messagebox::buttonOrder()
{
    QFETCH(int, set);
    QFETCH(QList<int>, leftToRight);
    frmMessageBox box;
    box.Prepare(QStringLiteral("Text"), QString(), -1, 5, false);  // every button of set 5 placed first
    box.Prepare(QStringLiteral("Text"), QString(), -1, qint16(set), false);
    QCOMPARE(box.VisibleButtonsLeftToRight(), leftToRight);
    // Right-aligned 4 px from the edge, 4 px apart.
    int right = box.width() - 4;
    for (qsizetype i = leftToRight.size() - 1; i >= 0; --i) {
        const QRect r = box.Button(leftToRight[i])->geometry();
        QCOMPARE(r.right() + 1, right);
        right = r.left() - 4;
    }
}

void tst_messagebox::pressedButtonIsTheAnswer()
{
    WhenModalOpens<frmMessageBox>([](frmMessageBox* box) {
        QTest::mouseClick(box->Button(3), Qt::LeftButton, {}, QPoint(10, 10));
    });
    QCOMPARE(frmMessageBox::ShowMessage(QStringLiteral("Remove?"), QStringLiteral("Remove..."), nullptr,
                                        MessageIcon::Question, MessageButtons::YesNoCancel),
             MessageAnswer::No);
}

void tst_messagebox::closedWithoutButtonAnswersMinusOne()
{
    WhenModalOpens<frmMessageBox>([](frmMessageBox* box) { box->close(); });
    QCOMPARE(frmMessageBox::ShowMessage(QStringLiteral("Clear?"), QStringLiteral("Clear..."), nullptr,
                                        MessageIcon::Question, MessageButtons::YesNoCancel),
             MessageAnswer::Closed);
}

void tst_messagebox::escapeAnswersMinusOne()
{
    WhenModalOpens<frmMessageBox>([](frmMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(frmMessageBox::ShowMessage(QStringLiteral("Clear?"), QString(), nullptr, -1, 3), -1);
}

void tst_messagebox::hookAnswersInOrder()
{
    frmMessageBox::SetNextAnswer(MessageAnswer::Yes);
    frmMessageBox::SetNextAnswer(-1);
    QCOMPARE(frmMessageBox::PendingAnswers(), 2);
    // The numbered and the named call answer alike.
    QCOMPARE(frmMessageBox::ShowMessage(QStringLiteral("a"), QString(), nullptr, MessageIcon::Question,
                                        MessageButtons::YesNoCancel),
             MessageAnswer::Yes);
    QCOMPARE(frmMessageBox::ShowMessage(QStringLiteral("b"), QString(), nullptr, 2, 3), -1);
    QCOMPARE(frmMessageBox::PendingAnswers(), 0);
}

void tst_messagebox::keyboard_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<int>("answer");
    QTest::newRow("enter takes the default, Yes") << 3 << QList<Qt::Key>{Qt::Key_Return} << 2;
    QTest::newRow("default of set 4 is Yes to All") << 4 << QList<Qt::Key>{Qt::Key_Enter} << 4;
    QTest::newRow("default of set 8 is Retry") << 8 << QList<Qt::Key>{Qt::Key_Return} << 7;
    QTest::newRow("right moves to No") << 3 << QList<Qt::Key>{Qt::Key_Right, Qt::Key_Return} << 3;
    QTest::newRow("down moves on too") << 3 << QList<Qt::Key>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 1;
    QTest::newRow("left wraps to Cancel") << 3 << QList<Qt::Key>{Qt::Key_Left, Qt::Key_Return} << 1;
    QTest::newRow("tab runs left to right") << 5 << QList<Qt::Key>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << 5;
    QTest::newRow("escape") << 3 << QList<Qt::Key>{Qt::Key_Right, Qt::Key_Escape} << -1;
}

void tst_messagebox::keyboard()
{
    QFETCH(int, set);
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(int, answer);
    WhenModalOpens<frmMessageBox>([keys](frmMessageBox* box) {
        for (Qt::Key key : keys) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : box, key);
        }
    });
    QCOMPARE(frmMessageBox::ShowMessage(QStringLiteral("Sure?"), QString(), nullptr, 2, qint16(set)), answer);
}

void tst_messagebox::applicationIcon()
{
    // Every size was drawn, at its size, with something on it.
    const QIcon icon = ApplicationIcon();
    for (int size : ApplicationIconSizes()) {
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);  // the tile's rounded corner
    }
    const QImage expected = icon.pixmap(32, 32).toImage();

    // Icon 0 of the message box and the about box's picture are that icon.
    frmMessageBox box;
    box.Prepare(QStringLiteral("Text"), QString(), MessageIcon::Application, MessageButtons::OK);
    QCOMPARE(box.IconImage(), expected);
    frmAbout about;
    bool found = false;
    for (const QLabel* label : about.findChildren<QLabel*>())
        found = found || label->pixmap().toImage() == expected;
    QVERIFY(found);
}

void tst_messagebox::readAndPressedByAssistiveTechnology()
{
    WhenModalOpens<frmMessageBox>([](frmMessageBox* box) {
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(dialog->role(), QAccessible::Dialog);
        QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("Remove..."));
        QCOMPARE(dialog->text(QAccessible::Description), QStringLiteral("Remove this path?"));
        QStringList buttons;
        QAccessibleInterface* no = nullptr;
        for (int i = 0; i < dialog->childCount(); ++i) {
            QAccessibleInterface* child = dialog->child(i);
            if (child->role() != QAccessible::Button || child->state().invisible)
                continue;
            buttons << child->text(QAccessible::Name);
            if (child->text(QAccessible::Name) == QStringLiteral("No"))
                no = child;
        }
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "No", "Yes"}));
        QVERIFY(no);
        no->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QCOMPARE(frmMessageBox::ShowMessage(QStringLiteral("Remove this path?"), QStringLiteral("Remove..."), nullptr,
                                        MessageIcon::Question, MessageButtons::YesNoCancel),
             MessageAnswer::No);
}

QTEST_MAIN(tst_messagebox)
#include "tst_messagebox.moc"
