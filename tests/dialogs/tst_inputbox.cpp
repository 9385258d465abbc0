// frmInputBox: the layout from the prompt's lines, the file-name filter, "OK" enabling with empty
// text, Enter, the result and value rules, and the test hook.

#include "dialogs/frmInputBox.h"

#include "ModalDriver.h"
#include "controls/ucTextButton.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class tst_inputbox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmInputBox::ClearNextAnswers(); }
    void layout_data();
    void layout();
    void startsWithValueSelected();
    void typingFilter_data();
    void typingFilter();
    void emptyDisablesOkayAndEnter();
    void enterPressesOkay();
    void keyboard_data();
    void keyboard();
    void readAndAnsweredByAssistiveTechnology();
    void typedAndOkay();
    void cancelKeepsValue();
    void closeKeepsValue();
    void hook_data();
    void hook();
};

void tst_inputbox::layout_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("promptHeight");
    QTest::newRow("one line") << QStringLiteral("Title of this Theme:") << 13;
    QTest::newRow("two lines") << QStringLiteral("First\r\nSecond") << 26;
    QTest::newRow("one long line") << QString(200, QLatin1Char('w')) << 26;
}

void tst_inputbox::layout()
{
    QFETCH(QString, prompt);
    QFETCH(int, promptHeight);
    frmInputBox box;
    box.Prepare(QStringLiteral("New Theme"), QStringLiteral("Save Theme As..."), prompt, false, false);
    QCOMPARE(box.PromptRect().height(), promptHeight);
    const QRect input = box.Input()->geometry();
    QCOMPARE(input.top(), box.PromptRect().bottom() + 1 + 4);
    QCOMPARE(box.OkayButton()->y(), input.bottom() + 1 + 4);
    QCOMPARE(box.CancelButton()->y(), box.OkayButton()->y());
    QCOMPARE(box.height(), box.OkayButton()->geometry().bottom() + 1 + 4);
    QCOMPARE(box.windowTitle(), QStringLiteral("Save Theme As..."));
}

void tst_inputbox::startsWithValueSelected()
{
    frmInputBox box;
    box.Prepare(QStringLiteral("New Theme"), QString(), QStringLiteral("Title of this Theme:"), false, false);
    QCOMPARE(box.Input()->text(), QStringLiteral("New Theme"));
    QCOMPARE(box.Input()->selectedText(), QStringLiteral("New Theme"));
    QCOMPARE(box.CurrentText(), QStringLiteral("New Theme"));
    QVERIFY(box.OkayButton()->isEnabled());
}

void tst_inputbox::typingFilter_data()
{
    QTest::addColumn<bool>("anyCharacter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const QString all = QStringLiteral("a\\b/c<d>e:f|g\"h*i?j");
    QTest::newRow("file-name characters dropped") << false << all << QStringLiteral("abcdefghij");
    QTest::newRow("any character allowed") << true << all << all;
    QTest::newRow("ordinary text untouched") << false << QStringLiteral("My Ride (v2) #1") << QStringLiteral("My Ride (v2) #1");
}

void tst_inputbox::typingFilter()
{
    QFETCH(bool, anyCharacter);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    frmInputBox box;
    box.Prepare(QString(), QString(), QStringLiteral("Title:"), true, anyCharacter);
    QTest::keyClicks(box.Input(), typed);
    QCOMPARE(box.Input()->text(), expected);
    QCOMPARE(box.CurrentText(), expected);
}

void tst_inputbox::emptyDisablesOkayAndEnter()
{
    frmInputBox box;
    box.Prepare(QStringLiteral("x"), QString(), QStringLiteral("Title:"), false, false);
    QSignalSpy finished(&box, &QDialog::finished);
    QVERIFY(box.OkayButton()->isEnabled());
    QTest::keyClick(box.Input(), Qt::Key_Backspace);
    QVERIFY(!box.OkayButton()->isEnabled());
    QTest::keyClick(box.Input(), Qt::Key_Return);
    QCOMPARE(finished.size(), 0);
    QCOMPARE(box.Answer(), qint16(-1));
    QTest::keyClick(box.Input(), Qt::Key_Y);
    QVERIFY(box.OkayButton()->isEnabled());

    // With empty text allowed, "OK" stays enabled.
    frmInputBox relaxed;
    relaxed.Prepare(QString(), QString(), QStringLiteral("Title:"), true, false);
    QVERIFY(relaxed.OkayButton()->isEnabled());
}

void tst_inputbox::enterPressesOkay()
{
    WhenModalOpens<frmInputBox>([](frmInputBox* box) {
        QTest::keyClicks(box->Input(), QStringLiteral("Night"));
        QTest::keyClick(box->Input(), Qt::Key_Enter);
    });
    QString value = QStringLiteral("Old");
    QVERIFY(frmInputBox::GetInput(value, QString(), QStringLiteral("Title:"), nullptr, false, false));
    QCOMPARE(value, QStringLiteral("Night"));  // the selected start value was replaced
}

void tst_inputbox::keyboard_data()
{
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<bool>("done");
    QTest::newRow("escape cancels") << QList<Qt::Key>{Qt::Key_X, Qt::Key_Escape} << false;
    QTest::newRow("tab to OK, space") << QList<Qt::Key>{Qt::Key_X, Qt::Key_Tab, Qt::Key_Space} << true;
    QTest::newRow("tab twice to Cancel, enter") << QList<Qt::Key>{Qt::Key_X, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}
                                                << false;
}

void tst_inputbox::keyboard()
{
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(bool, done);
    WhenModalOpens<frmInputBox>([keys](frmInputBox* box) {
        for (Qt::Key key : keys) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : box, key);
        }
    });
    QString value = QStringLiteral("Dusk");
    QCOMPARE(frmInputBox::GetInput(value, QString(), QStringLiteral("Title:"), nullptr, false, false), done);
    QCOMPARE(value, done ? QStringLiteral("x") : QStringLiteral("Dusk"));
}

void tst_inputbox::readAndAnsweredByAssistiveTechnology()
{
    WhenModalOpens<frmInputBox>([](frmInputBox* box) {
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(dialog->text(QAccessible::Description), QStringLiteral("Title of this Theme:"));
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(box->Input());
        QCOMPARE(field->role(), QAccessible::EditableText);
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Title of this Theme:"));
        field->editableTextInterface()->replaceText(0, int(box->Input()->text().size()), QStringLiteral("Dawn"));
        QAccessibleInterface* okay = QAccessible::queryAccessibleInterface(box->OkayButton());
        QCOMPARE(okay->text(QAccessible::Name), QStringLiteral("OK"));
        okay->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QString value = QStringLiteral("New Theme");
    QVERIFY(frmInputBox::GetInput(value, QStringLiteral("Save Theme As..."), QStringLiteral("Title of this Theme:"),
                                  nullptr, false, false));
    QCOMPARE(value, QStringLiteral("Dawn"));
}

void tst_inputbox::typedAndOkay()
{
    WhenModalOpens<frmInputBox>([](frmInputBox* box) {
        QTest::keyClick(box->Input(), Qt::Key_End);
        QTest::keyClicks(box->Input(), QStringLiteral(" 2?"));
        QTest::mouseClick(box->OkayButton(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    QString value = QStringLiteral("Dusk");
    QVERIFY(frmInputBox::GetInput(value, QString(), QStringLiteral("Title:"), nullptr, false, false));
    QCOMPARE(value, QStringLiteral("Dusk 2"));
}

void tst_inputbox::cancelKeepsValue()
{
    WhenModalOpens<frmInputBox>([](frmInputBox* box) {
        QTest::keyClicks(box->Input(), QStringLiteral("changed"));
        QTest::mouseClick(box->CancelButton(), Qt::LeftButton, {}, QPoint(5, 5));
    });
    QString value = QStringLiteral("Dusk");
    QVERIFY(!frmInputBox::GetInput(value, QString(), QStringLiteral("Title:"), nullptr, false, false));
    QCOMPARE(value, QStringLiteral("Dusk"));
}

void tst_inputbox::closeKeepsValue()
{
    WhenModalOpens<frmInputBox>([](frmInputBox* box) {
        QTest::keyClicks(box->Input(), QStringLiteral("changed"));
        box->close();
    });
    QString value = QStringLiteral("Dusk");
    QVERIFY(!frmInputBox::GetInput(value, QString(), QStringLiteral("Title:"), nullptr, false, false));
    QCOMPARE(value, QStringLiteral("Dusk"));
}

void tst_inputbox::hook_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("pressOkay");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("value");
    QTest::newRow("OK") << QStringLiteral("Sunset") << true << true << QStringLiteral("Sunset");
    QTest::newRow("Cancel") << QStringLiteral("Sunset") << false << false << QStringLiteral("Start");
    QTest::newRow("OK disabled by empty text") << QString() << true << false << QStringLiteral("Start");
    QTest::newRow("pasted text is not filtered") << QStringLiteral("a?b") << true << true << QStringLiteral("a?b");
}

void tst_inputbox::hook()
{
    QFETCH(QString, answer);
    QFETCH(bool, pressOkay);
    QFETCH(bool, result);
    QFETCH(QString, value);
    frmInputBox::SetNextAnswer(answer, pressOkay);
    QString text = QStringLiteral("Start");
    QCOMPARE(frmInputBox::GetInput(text, QString(), QStringLiteral("Title:"), nullptr, false, false), result);
    QCOMPARE(text, value);
    QCOMPARE(frmInputBox::PendingAnswers(), 0);
}

QTEST_MAIN(tst_inputbox)
#include "tst_inputbox.moc"
