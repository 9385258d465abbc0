// frmInputBox: the layout from the prompt's lines, the file-name filter, "OK" enabling with empty
// text, the ways the box ends by keyboard, mouse and close box, and the test hook.

#include "dialogs/frmInputBox.h"

#include "ModalDriver.h"
#include "controls/ucTextButton.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

class tst_inputbox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmInputBox::ClearNextAnswers(); }

    void layout_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("promptHeight");
        QTest::newRow("one line") << QStringLiteral("Title of this Theme:") << 13;
        QTest::newRow("two lines") << QStringLiteral("First\r\nSecond") << 26;
        QTest::newRow("one long line") << QString(200, QLatin1Char('w')) << 26;
    }
    void layout()
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
        // "OK" at once gives the value as it came in.
        QCOMPARE(box.CurrentText(), QStringLiteral("New Theme"));
        QVERIFY(box.OkayButton()->isEnabled());
    }

    void endings_data()
    {
        QTest::addColumn<QString>("allowed");    // "empty", "any character" or neither
        QTest::addColumn<QStringList>("steps");  // typed into the open box
        QTest::addColumn<QString>("then");       // a button clicked, or the close box
        QTest::addColumn<QString>("value");      // afterwards; "Dusk" is where it started
        const QString all = QStringLiteral("a\\b/c<d>e:f|g\"h*i?j");
        // The box opens with the value selected, so typing replaces it.
        QTest::newRow("enter takes what replaced the selection") << "" << QStringList{"Night", "{Enter}"} << "" << "Night";
        QTest::newRow("escape cancels") << "" << QStringList{"x", "{Esc}"} << "" << "Dusk";
        QTest::newRow("tab to OK, space") << "" << QStringList{"x", "{Tab}", "{Space}"} << "" << "x";
        QTest::newRow("tab twice to Cancel, enter") << "" << QStringList{"x", "{Tab}", "{Tab}", "{Return}"} << "" << "Dusk";
        QTest::newRow("appended, ? dropped, OK") << "" << QStringList{"{End}", " 2?"} << "OK" << "Dusk 2";
        QTest::newRow("Cancel keeps the value") << "" << QStringList{"changed"} << "Cancel" << "Dusk";
        QTest::newRow("close box keeps the value") << "" << QStringList{"changed"} << "close" << "Dusk";
        QTest::newRow("file-name characters dropped") << "" << QStringList{all, "{Enter}"} << "" << "abcdefghij";
        QTest::newRow("any character allowed") << "any character" << QStringList{all, "{Enter}"} << "" << all;
        QTest::newRow("ordinary text untouched") << "" << QStringList{"My Ride (v2) #1", "{Enter}"} << "" << "My Ride (v2) #1";
        // Emptied, Enter and "OK" do nothing until a key brings text back.
        QTest::newRow("empty: enter ignored") << "" << QStringList{"{Backspace}", "{Return}", "Y", "{Return}"} << "" << "Y";
        QTest::newRow("empty: OK disabled") << "" << QStringList{"{Backspace}"} << "OK" << "Dusk";
        QTest::newRow("empty allowed: OK takes it") << "empty" << QStringList{"{Backspace}"} << "OK" << "";
    }
    void endings()
    {
        QFETCH(QString, allowed);
        QFETCH(QStringList, steps);
        QFETCH(QString, then);
        QFETCH(QString, value);
        WhenModalOpens<frmInputBox>([steps, then](frmInputBox* box) {
            TypeSteps(box, steps);
            if (then == QLatin1String("close"))
                box->close();
            else if (!then.isEmpty())
                QTest::mouseClick(then == QLatin1String("OK") ? box->OkayButton() : box->CancelButton(), Qt::LeftButton,
                                  {}, QPoint(5, 5));
            if (box->isVisible())  // a box the keys did not end fails the row rather than the run
                box->reject();
        });
        QString text = QStringLiteral("Dusk");
        QCOMPARE(frmInputBox::GetInput(text, QString(), QStringLiteral("Title:"), nullptr, allowed == QLatin1String("empty"),
                                       allowed == QLatin1String("any character")),
                 value != QLatin1String("Dusk"));
        QCOMPARE(text, value);
    }

    void readAndAnsweredByAssistiveTechnology()
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

    void hook_data()
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
    void hook()
    {
        QFETCH(QString, answer);
        QFETCH(bool, pressOkay);
        frmInputBox::SetNextAnswer(answer, pressOkay);
        QString text = QStringLiteral("Start");
        QTEST(frmInputBox::GetInput(text, QString(), QStringLiteral("Title:"), nullptr, false, false), "result");
        QTEST(text, "value");
        QCOMPARE(frmInputBox::PendingAnswers(), 0);
    }
};

QTEST_MAIN(tst_inputbox)
#include "tst_inputbox.moc"
