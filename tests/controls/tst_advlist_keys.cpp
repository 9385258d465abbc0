// The advanced list by keyboard: each key lands on the right row, scrolls the least that shows it,
// selects as a press would and raises the MouseDown a press on that row raises.

#include "controls/ucAdvList.h"

#include "AdvListDriver.h"

#include <QSignalSpy>
#include <QtTest>

class tst_advlist_keys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data()
    {
        // Ten slots, 30 rows: the vertical maximum is 22, a page is 9 rows. Setting the start row
        // scrolls it to the top of the view.
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("start");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("selected");
        const Qt::KeyboardModifiers none;
        QTest::newRow("down from no row") << 30 << -1 << Qt::Key_Down << none << 0 << 0 << 1;
        QTest::newRow("up from no row") << 30 << -1 << Qt::Key_Up << none << 0 << 0 << 1;
        QTest::newRow("down inside the view") << 30 << 3 << Qt::Key_Down << none << 4 << 3 << 1;
        QTest::newRow("up above the view") << 30 << 3 << Qt::Key_Up << none << 2 << 2 << 1;
        QTest::newRow("page down") << 30 << 3 << Qt::Key_PageDown << none << 12 << 3 << 1;
        QTest::newRow("page up stops at the first") << 30 << 3 << Qt::Key_PageUp << none << 0 << 0 << 1;
        QTest::newRow("page down stops at the last") << 30 << 22 << Qt::Key_PageDown << none << 29 << 22 << 1;
        QTest::newRow("end scrolls it to the bottom") << 30 << 3 << Qt::Key_End << none << 29 << 20 << 1;
        QTest::newRow("home") << 30 << 25 << Qt::Key_Home << none << 0 << 0 << 1;
        QTest::newRow("down at the last") << 30 << 29 << Qt::Key_Down << none << 29 << 22 << 1;
        QTest::newRow("shift extends") << 30 << 3 << Qt::Key_Down << Qt::KeyboardModifiers(Qt::ShiftModifier) << 4 << 3
                                       << 2;
        QTest::newRow("no bar, no scroll") << 5 << 0 << Qt::Key_End << none << 4 << 0 << 1;
        QTest::newRow("empty list") << 0 << -1 << Qt::Key_Down << none << -1 << 0 << 0;
        QTest::newRow("left moves nothing") << 30 << 3 << Qt::Key_Left << none << 3 << 3 << 0;
    }
    void keys()
    {
        QFETCH(int, rows);
        QFETCH(int, start);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, row);
        QFETCH(int, top);
        QFETCH(int, selected);
        ucAdvList list;
        Prepare(list, 10, rows);
        list.SetListIndex(start);
        QSignalSpy down(&list, &ucAdvList::MouseDown);

        QTest::keyClick(&list, key, modifiers);
        QCOMPARE(list.ListIndex(), row);
        QCOMPARE(list.VerticalBar().Value, top);
        QCOMPARE(list.SelCount(), selected);
        if (selected == 0) {
            QCOMPARE(down.size(), 0);
            return;
        }
        QVERIFY(list.Selected(row));
        QCOMPARE(down.size(), 1);
        QCOMPARE(down[0][0].toInt(), -1);
        QCOMPARE(down[0][1].toInt(), row);
        QCOMPARE(down[0][2].toInt(), 1);
        // The event's point (twips) lies on the row it names, as a press's would.
        const QPoint at(qRound(down[0][4].toFloat() / 15), qRound(down[0][5].toFloat() / 15));
        QSignalSpy press(&list, &ucAdvList::MouseDown);
        QTest::mousePress(&list, Qt::RightButton, {}, at);
        QCOMPARE(press[0][1].toInt(), row);
    }
};

QTEST_MAIN(tst_advlist_keys)
#include "tst_advlist_keys.moc"
