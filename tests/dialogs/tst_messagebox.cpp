// frmMessageBox: the label height from the line count, where the text starts with and without an
// icon, the order of every button set, the answers by mouse, keyboard and close box (-1), the test
// hook, the application icon and what assistive technology reads; Enter and Escape in the other small
// dialogs (About, Information, Select Folder).

#include "dialogs/frmMessageBox.h"

#include "dialogs/ApplicationIcon.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmInfo.h"
#include "dialogs/frmSelectFolder.h"

#include "ModalDriver.h"
#include "controls/ucTextButton.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QTest>

class tst_messagebox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmMessageBox::ClearNextAnswers(); }

    void layout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("shellIcons");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("iconShown");
        const QString longLine(200, QLatin1Char('x'));
        QTest::newRow("three short lines") << "Defaults!\r\nAll settings are reset.\r\nSure?" << -1 << false << 39 << false;
        QTest::newRow("one line wider than the label") << longLine << -1 << false << 26 << false;
        QTest::newRow("one short line") << "Done!" << -1 << false << 13 << false;
        QTest::newRow("a long and a short line") << longLine + QStringLiteral("\r\nok") << -1 << false << 39 << false;
        QTest::newRow("LF alone does not split") << "a\nb" << -1 << false << 13 << false;
        QTest::newRow("icon keeps the label as high as itself") << "Done!" << 2 << false << 32 << true;
        QTest::newRow("three lines with icon") << "a\r\nb\r\nc" << 2 << false << 39 << true;
        for (int i = 0; i < 5; ++i)
            QTest::addRow("shell icon %d", i) << "Done!" << i << true << 32 << true;
        QTest::newRow("icon at the count") << "Done!" << 5 << true << 13 << false;
        QTest::newRow("icon far beyond") << "Done!" << 300 << true << 13 << false;
    }
    void layout()
    {
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(bool, shellIcons);
        QFETCH(int, height);
        QFETCH(bool, iconShown);
        frmMessageBox box;
        box.Prepare(text, QStringLiteral("Settings..."), qint16(icon), 3, shellIcons);
        QCOMPARE(box.HasIcon(), iconShown);
        const int left = iconShown ? box.IconRect().right() + 1 + 4 : 4;
        QCOMPARE(box.MessageRect(), QRect(left, 4, box.width() - 4 - left, height));
        // The buttons sit 4 px under the text and the form ends 4 px under the buttons.
        const QRect yes = box.Button(2)->geometry();
        QCOMPARE(yes.top(), 4 + height + 4);
        QCOMPARE(box.height(), yes.bottom() + 1 + 4);
    }

    void buttonOrder_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QList<int>>("leftToRight");
        const QList<QList<int>> sets{{0}, {0, 1}, {2, 3}, {2, 3, 1}, {4, 2, 5, 3}, {4, 2, 5, 3, 1}, {6, 7}, {6, 7, 8}, {7, 1}};
        for (int set = 0; set < sets.size(); ++set)
            QTest::addRow("%d", set) << set << sets[set];
        QTest::newRow("9 places none") << 9 << QList<int>{};
        QTest::newRow("-1 places none") << -1 << QList<int>{};
    }
    void buttonOrder()
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

    void answers_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("click");  // the button clicked after the keys; -1 none, -2 the close box
        QTest::addColumn<int>("answer");
        QTest::newRow("No clicked") << 3 << QStringList{} << 3 << 3;
        QTest::newRow("closed without a button") << 3 << QStringList{} << -2 << -1;
        QTest::newRow("enter takes the default, Yes") << 3 << QStringList{"{Return}"} << -1 << 2;
        QTest::newRow("default of set 4 is Yes to All") << 4 << QStringList{"{Enter}"} << -1 << 4;
        QTest::newRow("default of set 8 is Retry") << 8 << QStringList{"{Return}"} << -1 << 7;
        QTest::newRow("right moves to No") << 3 << QStringList{"{Right}", "{Return}"} << -1 << 3;
        QTest::newRow("down moves on too") << 3 << QStringList{"{Down}", "{Down}", "{Return}"} << -1 << 1;
        QTest::newRow("left wraps to Cancel") << 3 << QStringList{"{Left}", "{Return}"} << -1 << 1;
        QTest::newRow("tab runs left to right") << 5 << QStringList{"{Tab}", "{Tab}", "{Space}"} << -1 << 5;
        QTest::newRow("escape") << 3 << QStringList{"{Right}", "{Esc}"} << -1 << -1;
    }
    void answers()
    {
        QFETCH(int, set);
        QFETCH(QStringList, keys);
        QFETCH(int, click);
        WhenModalOpens<frmMessageBox>([keys, click](frmMessageBox* box) {
            TypeSteps(box, keys);
            if (click >= 0)
                QTest::mouseClick(box->Button(click), Qt::LeftButton, {}, QPoint(10, 10));
            else if (click == -2)
                box->close();
        });
        QTEST(int(frmMessageBox::ShowMessage(QStringLiteral("Sure?"), QString(), nullptr, 2, qint16(set))), "answer");
    }

    void hookAnswersInOrder()
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

    void applicationIcon()
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

    void enterAndEscapeInTheSmallDialogs_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("accepted");
        for (const char* dialog : {"About", "Information", "Select Folder"}) {
            QTest::addRow("%s, Enter", dialog) << dialog << "{Return}" << true;
            QTest::addRow("%s, keypad Enter", dialog) << dialog << "{Enter}" << true;
            QTest::addRow("%s, Escape", dialog) << dialog << "{Esc}" << false;
            QTest::addRow("%s, Shift+Enter is no OK", dialog) << dialog << "{Shift+Return}" << false;
        }
    }
    // The key reaches the dialog itself, as it does from any control that does not take it.
    void enterAndEscapeInTheSmallDialogs()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, key);
        QFETCH(bool, accepted);
        std::unique_ptr<QDialog> shown;
        if (dialog == QLatin1String("About"))
            shown = std::make_unique<frmAbout>();
        else if (dialog == QLatin1String("Information"))
            shown = std::make_unique<frmInfo>(std::array<QString, frmInfo::kRowCount>{"1 . 0", "----", "2 . 1"});
        else
            shown = std::make_unique<frmSelectFolder>(QDir::tempPath(), QList<DriveEntry>{{QStringLiteral("/"), QStringLiteral("/")}});
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QKeyCombination combination = QKeySequence(key.mid(1, key.size() - 2))[0];
        QTest::keyClick(shown.get(), combination.key(), combination.keyboardModifiers());
        QCOMPARE(shown->isVisible(), !accepted && key != QLatin1String("{Esc}"));
        QCOMPARE(shown->result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    }

    void readAndPressedByAssistiveTechnology()
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
};

QTEST_MAIN(tst_messagebox)
#include "tst_messagebox.moc"
