// The main window without a mouse: the menu bar from the keyboard (real key events on the real
// window), every command through its accessible press action, and the default theme following a
// change of the desktop's palette while the window runs.

#include "MainWindowFixture.h"

#include "app/ClickLabel.h"
#include "app/MainMenuBar.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The entry of the open drop-down the keyboard is on, by its caption.
QString CurrentCaption(frmMain& window)
{
    MainMenuBar& bar = window.MenuBar();
    for (const MainCommandRow& row : MainCommands()) {
        if (int(row.Menu) == bar.OpenMenuIndex() && bar.Label(row.Command)->IsCurrent())
            return QLatin1String(row.Caption);
    }
    return QString();
}

} // namespace

class TestMainKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each step is a key and what follows it: the open drop-down and its current entry.
    void dropDownsFromTheKeyboard_data()
    {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("current");
        using K = QKeyCombination;
        QTest::newRow("F10 opens File") << QList<K>{K(Qt::Key_F10)} << 0 << "Validate Media List";
        QTest::newRow("Alt+V opens View") << QList<K>{K(Qt::ALT, Qt::Key_V)} << 1 << "Trakora Information";
        QTest::newRow("Alt+H, Down, Down") << QList<K>{K(Qt::ALT, Qt::Key_H), K(Qt::Key_Down), K(Qt::Key_Down)} << 2
                                           << "Check for Updates";
        QTest::newRow("Up from the first wraps") << QList<K>{K(Qt::Key_F10), K(Qt::Key_Up)} << 0 << "Exit";
        QTest::newRow("Right to View") << QList<K>{K(Qt::Key_F10), K(Qt::Key_Down), K(Qt::Key_Right)} << 1
                                       << "Trakora Information";
        QTest::newRow("Left from File to Help") << QList<K>{K(Qt::Key_F10), K(Qt::Key_Left)} << 2 << "Contents...";
        QTest::newRow("Escape closes") << QList<K>{K(Qt::ALT, Qt::Key_F), K(Qt::Key_Escape)} << -1 << "";
        QTest::newRow("F10 again closes") << QList<K>{K(Qt::Key_F10), K(Qt::Key_F10)} << -1 << "";
    }
    void dropDownsFromTheKeyboard()
    {
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(int, menu);
        QFETCH(QString, current);
        MainWindowFixture f;
        frmMain& window = f.Open();
        for (const QKeyCombination& key : keys)
            Key(key.key(), key.keyboardModifiers());
        QCOMPARE(window.OpenMenuIndex(), menu);
        for (int k = 0; k < kDropMenuCount; ++k)
            QCOMPARE(window.MenuBar().DropMenu(k)->isVisible(), k == menu);
        QCOMPARE(CurrentCaption(window), current);
        if (menu < 0)
            QTRY_VERIFY(f.List()->hasFocus());
        else
            QTRY_VERIFY(window.MenuBar().DropMenu(menu)->hasFocus());
    }

    void enterRunsTheEntryAndAltShowsTheLetters()
    {
        MainWindowFixture f;
        frmMain& window = f.Open();
        // "Start Agressive File Scan" is the fourth entry of File.
        Key(Qt::Key_F10);
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        Key(Qt::Key_Return);
        QCOMPARE(window.OpenMenuIndex(), -1);
        QCOMPARE(window.Timers().FileScanTimer().interval(), 1);
        QTRY_VERIFY(f.List()->hasFocus());

        // While Alt is held the access letters are underlined, on every label of the bar.
        ClickLabel* file = window.MenuBar().Title(0);
        ClickLabel* folder = window.MenuBar().Label(MainCommand::Folder);
        QCOMPARE(file->text().at(file->MnemonicIndex()), QLatin1Char('F'));
        QCOMPARE(folder->text().at(folder->MnemonicIndex()), QLatin1Char('o'));
        QVERIFY(!file->MnemonicShown());
        QTest::keyPress(f.List(), Qt::Key_Alt, Qt::AltModifier);
        QVERIFY(file->MnemonicShown() && folder->MnemonicShown());
        QTest::keyRelease(f.List(), Qt::Key_Alt);
        QVERIFY(!file->MnemonicShown());
    }

    // Every label of the table is a push button or a menu item named by its caption, and its press
    // action runs the command as a click would; a disabled command offers no action.
    void everyCommandIsAnAccessibleButton()
    {
        MainWindowFixture f;
        frmMain& window = f.Open();
        for (const MainCommandRow& row : MainCommands()) {
            ClickLabel* label = window.findChild<ClickLabel*>(CommandObjectName(row.Command));
            QVERIFY2(label, row.Caption);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
            QVERIFY(face && face->actionInterface());
            QCOMPARE(face->role(), row.Menu == MainMenu::Bar ? QAccessible::PushButton : QAccessible::MenuItem);
            QCOMPARE(face->text(QAccessible::Name), QLatin1String(row.Caption));
            const bool enabled = row.Enable == CommandEnable::Always;  // nothing is selected
            QCOMPARE(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()), enabled);
        }
        for (int k = 0; k < kDropMenuCount; ++k) {
            QAccessibleInterface* title = QAccessible::queryAccessibleInterface(window.MenuBar().Title(k));
            QCOMPARE(title->text(QAccessible::Name), QLatin1String(DropMenus()[k].Caption));
        }

        auto press = [&](MainCommand command) {
            QAccessible::queryAccessibleInterface(window.MenuBar().Label(command))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        };
        press(MainCommand::AggressiveFileScan);
        QCOMPARE(window.Timers().FileScanTimer().interval(), 1);
        press(MainCommand::PassiveFileScan);
        QCOMPARE(window.Timers().FileScanTimer().interval(), 200);
        QAccessible::queryAccessibleInterface(window.MenuBar().Title(1))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window.OpenMenuIndex(), 1);
    }

    // With the default theme (system colour references) the labels and text boxes take the new
    // desktop colours; "Search:" takes the window text colour like the other captions.
    void defaultThemeFollowsTheDesktopPalette()
    {
        MainWindowFixture f;
        frmMain& window = f.Open();
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Window, QColor(30, 30, 34));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 200));
        dark.setColor(QPalette::Base, QColor(20, 20, 24));
        dark.setColor(QPalette::Text, QColor(210, 240, 210));
        dark.setColor(QPalette::Button, QColor(50, 50, 60));
        dark.setColor(QPalette::ButtonText, QColor(250, 220, 220));
        QApplication::setPalette(dark);
        QEvent theme(QEvent::ThemeChange);
        QCoreApplication::sendEvent(&window, &theme);

        const auto colour = [&](const char* name, QPalette::ColorRole role) {
            return window.findChild<QWidget*>(QLatin1String(name))->palette().color(QPalette::Active, role);
        };
        // The default theme's Window group is the desktop's button colours.
        const QColor windowText = dark.color(QPalette::ButtonText);
        QCOMPARE(colour("lblInfo0", QPalette::WindowText), windowText);
        QCOMPARE(colour("lblFileInfo", QPalette::WindowText), windowText);
        QCOMPARE(colour("lblSearch", QPalette::WindowText), windowText);
        QCOMPARE(colour("txtFileInfo", QPalette::Base), dark.color(QPalette::Button));
        QCOMPARE(colour("txtInfo1", QPalette::Text), windowText);
        QCOMPARE(colour("txtSearch", QPalette::Text), dark.color(QPalette::Text));
        QCOMPARE(colour("txtSearch", QPalette::Base), dark.color(QPalette::Base));
        QCOMPARE(colour("lblMenu0", QPalette::WindowText), dark.color(QPalette::ButtonText));
        QCOMPARE(colour("lblFileMenu0", QPalette::WindowText), dark.color(QPalette::ButtonText));
        QApplication::setPalette(before);
    }
};

QTEST_MAIN(TestMainKeys)
#include "tst_mainkeys.moc"
