// What assistive technology reads from the program's own controls and what it can do with them,
// through the same accessibility interfaces a screen reader or desktop automation uses. (Change
// reports go out only while the platform has a listener, which the offscreen platform never has.)

#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTabHead.h"
#include "controls/ucTextButton.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {
using Make = std::function<QWidget*()>;
} // namespace
Q_DECLARE_METATYPE(Make)

class tst_accessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roleAndName_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("button") << Make([] { return new ucTextButton(QStringLiteral("Ride!")); }) << int(QAccessible::Button)
                                << "Ride!";
        QTest::newRow("button named by its owner") << Make([] {
            auto* b = new ucTextButton(QStringLiteral("..."));
            b->setAccessibleName(QStringLiteral("Choose Folder"));
            return b;
        }) << int(QAccessible::Button) << "Choose Folder";
        QTest::newRow("frame") << Make([] {
            auto* f = new ucFrame;
            f->setAccessibleName(QStringLiteral("Information"));
            return f;
        }) << int(QAccessible::Grouping) << "Information";
        QTest::newRow("status bar") << Make([] { return new ucStatusBar; }) << int(QAccessible::StatusBar) << "";
        QTest::newRow("tab head") << Make([] { return new ucTabHead; }) << int(QAccessible::PageTabList) << "";
        QTest::newRow("list") << Make([] { return new ucAdvList; }) << int(QAccessible::Table) << "";
    }
    void roleAndName()
    {
        QFETCH(Make, make);
        QFETCH(int, role);
        QFETCH(QString, name);
        std::unique_ptr<QWidget> widget(make());
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget.get());
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    void buttonStatesAndPress()
    {
        QWidget window;
        auto* button = new ucTextButton(QStringLiteral("OK"), &window);
        button->resize(75, 23);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QSignalSpy clicks(button, &ucTextButton::Click);

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        QVERIFY(iface->state().focusable);
        QVERIFY(iface->state().focused);
        QVERIFY(!iface->state().disabled);
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].toInt(), 1);

        button->SetCaption(QStringLiteral("Done"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Done"));

        button->setEnabled(false);
        QVERIFY(iface->state().disabled);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.size(), 1);  // a disabled button does not click
    }

    void listTable()
    {
        ucAdvList list;
        list.AddColumn(QStringLiteral("Track Name"), 0, 120);
        list.AddColumn(QStringLiteral("Author"), 0, 100);
        list.AddColumn(QStringLiteral("Key"), 0, 60);
        list.SetHideLastColumn(true);
        list.resize(400, 200);
        for (const char* row : {"Loop\r\nAnna\r\n0", "Drop\r\nBen\r\n1", "Twist\r\nCleo\r\n2"})
            list.AddRow(QString::fromLatin1(row));
        QSignalSpy down(&list, &ucAdvList::MouseDown);

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&list);
        QAccessibleTableInterface* table = iface->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->columnCount(), 2);  // the hidden key column is not read out
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->columnDescription(1), QStringLiteral("Author"));
        QCOMPARE(iface->child(0)->role(), QAccessible::ColumnHeader);
        QCOMPARE(iface->child(0)->text(QAccessible::Name), QStringLiteral("Track Name"));
        QAccessibleInterface* cell = table->cellAt(1, 1);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Ben"));
        QCOMPARE(iface->indexOfChild(cell), 2 + 1 * 2 + 1);
        QCOMPARE(cell->tableCellInterface()->columnHeaderCells().value(0), iface->child(1));
        QVERIFY(!cell->tableCellInterface()->isSelected());

        // Selecting through the table is a press on the row: current, selected, MouseDown raised.
        QVERIFY(table->selectRow(2));
        QCOMPARE(list.ListIndex(), 2);
        QCOMPARE(table->selectedRows(), QList<int>{2});
        QVERIFY(table->cellAt(2, 0)->state().selected);
        QCOMPARE(down.size(), 1);
        QCOMPARE(down[0][1].toInt(), 2);

        // After a sort the cells read the rows' new texts.
        list.SortByColumn(0);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Drop"));
    }

    void tabsChosenThroughTheInterface()
    {
        ucTabHead head;
        head.resize(400, head.height());
        for (const char* title : {"General", "Media", "Theme"})
            head.AddTab(QString::fromLatin1(title));
        QSignalSpy clicks(&head, &ucTabHead::TabClick);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&head);
        QCOMPARE(iface->childCount(), 3);
        QAccessibleInterface* media = iface->child(1);
        QCOMPARE(media->role(), QAccessible::PageTab);
        QCOMPARE(media->text(QAccessible::Name), QStringLiteral("Media"));
        QVERIFY(iface->child(0)->state().selected);
        QVERIFY(!media->state().selected);
        QCOMPARE(iface->indexOfChild(media), 1);

        media->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(head.CurrentTab(), 1);
        QCOMPARE(clicks.size(), 1);
        QVERIFY(media->state().selected);
        QVERIFY(!iface->child(0)->state().selected);
    }

    void statusFieldsAndChanges()
    {
        ucStatusBar bar;
        bar.resize(600, bar.height());
        bar.CreateField(200, 0, false);
        bar.CreateField(200, 1, false);
        bar.UpdateField(1, QStringLiteral("Passive File Scan in Progress..."));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&bar);
        QCOMPARE(iface->childCount(), 2);
        QCOMPARE(iface->child(1)->text(QAccessible::Name), QStringLiteral("Passive File Scan in Progress..."));
        QCOMPARE(iface->child(1)->role(), QAccessible::StaticText);
    }
};

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
