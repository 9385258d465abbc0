// The advanced list as a widget: scrolling, the repeat timer, header clicks, column edges, the
// sort arrow's pixels, the wheel, pointer selection, the keys and the colour rules, driven by QTest.

#include "controls/FontConvert.h"
#include "controls/ucAdvList.h"

#include "AdvListDriver.h"

#include <QSignalSpy>
#include <QtTest>

class TestAdvList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scrollMaximumLeavesTwoEmptySlots()
    {
        ucAdvList list;
        Prepare(list, 20, 25);
        QCOMPARE(list.SlotCount(), 20);
        QVERIFY(list.VerticalBar().Shown);
        QCOMPARE(list.VerticalBar().Maximum, 7);
        list.ScrollList(100);
        QCOMPARE(list.VerticalBar().Value, 7);

        QSignalSpy down(&list, &ucAdvList::MouseDown);
        QTest::mouseClick(&list, Qt::LeftButton, {}, SlotPoint(list, 17));
        QTest::mouseClick(&list, Qt::LeftButton, {}, SlotPoint(list, 18));
        QCOMPARE(down.size(), 2);
        QCOMPARE(down[0][1].toInt(), 24);  // the last row sits in slot 17
        QCOMPARE(down[1][1].toInt(), -1);  // slots 18 and 19 are empty
        QCOMPARE(list.ListIndex(), 24);

        // A current row is scrolled to the top as far as the range allows; no current row keeps the view.
        // Where the current row lands is the table test's.
        list.SetListIndex(3);
        QCOMPARE(list.VerticalBar().Value, 3);
        list.ScrollList(-100);
        QCOMPARE(list.VerticalBar().Value, 0);
        list.SetListIndex(1000);
        QCOMPARE(list.VerticalBar().Value, 7);
        list.SetListIndex(-4);
        QCOMPARE(list.VerticalBar().Value, 7);
        // Twenty rows fit: no bar, and the view scrolled down goes back to no offset.
        while (list.RowCount() > 20)
            list.RemoveRow(0);
        QVERIFY(!list.VerticalBar().Shown);
        QCOMPARE(list.VerticalBar().Value, 0);
    }

    void heldMoreButtonRepeats()
    {
        ucAdvList list;
        Prepare(list, 10, 100);
        QTimer* timer = list.findChild<QTimer*>(QStringLiteral("tmrVSRepeater"));
        QVERIFY(timer);
        const QPoint more = list.BarPieceRect(Qt::Vertical, 1).center();

        // One row at once, the next after the long first interval, then one per short interval.
        QTest::mousePress(&list, Qt::LeftButton, {}, more);
        QCOMPARE(list.VerticalBar().Value, 1);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 300);
        QTRY_COMPARE(list.VerticalBar().Value, 2);
        QCOMPARE(timer->interval(), 75);
        QTRY_COMPARE(list.VerticalBar().Value, 4);
        QCOMPARE(timer->interval(), 75);
        // Leaving the held button stops the repeat; coming back starts it again.
        QTest::mouseMove(&list, more - QPoint(60, 0));
        QVERIFY(!timer->isActive());
        QTest::mouseMove(&list, more);
        QVERIFY(timer->isActive());
        QTest::mouseRelease(&list, Qt::LeftButton, {}, more);
        QVERIFY(!timer->isActive());
    }

    void backPressPagesAndMarkerStaysOnTrack()
    {
        ucAdvList list;
        Prepare(list, 10, 1000);
        const AdvListScrollBar& bar = list.VerticalBar();
        const QRect less = list.BarPieceRect(Qt::Vertical, 0);
        const QRect more = list.BarPieceRect(Qt::Vertical, 1);
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(more.center().x(), more.top() - 2));
        QCOMPARE(bar.Value, list.SlotCount() - 1);

        // Dragging the marker past the end gives the maximum; the marker never leaves the track.
        const QPoint grab = list.BarPieceRect(Qt::Vertical, 3).center();
        QTest::mousePress(&list, Qt::LeftButton, {}, grab);
        QTest::mouseMove(&list, grab + QPoint(0, 1000));
        QCOMPARE(bar.Value, bar.Maximum);
        QCOMPARE(bar.MarkerStart() + bar.MarkerLength(), more.top());
        QTest::mouseMove(&list, grab + QPoint(0, -1000));
        QCOMPARE(bar.Value, 0);
        QCOMPARE(bar.MarkerStart(), less.bottom() + 1);
        // Straying far sideways lets go of the marker.
        QTest::mouseMove(&list, grab + QPoint(-80, 200));
        QCOMPARE(bar.Value, 0);
        QTest::mouseRelease(&list, Qt::LeftButton, {}, grab);
    }

    void headerClicksSortAscendingDescending()
    {
        ucAdvList list;
        Prepare(list, 10, 0);
        for (const char* name : {"b", "A", "a", "10", "9"})
            list.AddRow(QString(name) + "\r\nx\r\n" + QString(name).toUpper());
        QSignalSpy sorted(&list, &ucAdvList::Sorted);
        auto click = [&list](int column) {
            QTest::mouseClick(&list, Qt::LeftButton, {}, list.HeaderCellRect(column).center());
        };
        for (int i = 0; i < 3; ++i)
            click(0);
        QCOMPARE(list.ListItem(0, 0), "10");
        // Equal keys keep the order the descending sort left them in.
        QCOMPARE(list.ListItem(0, 2), "a");
        QCOMPARE(list.ListItem(0, 3), "A");

        // Another column starts ascending, even after a descending sort.
        click(0);
        click(2);
        QList<std::pair<int, bool>> sorts;
        for (const QList<QVariant>& s : sorted)
            sorts.append({s[0].toInt(), s[1].toBool()});
        QCOMPARE(sorts, (QList<std::pair<int, bool>>{{0, false}, {0, true}, {0, false}, {0, true}, {2, false}}));
    }

    void columnEdgeDragClamps()
    {
        ucAdvList list;
        Prepare(list, 10, 5);
        const QRect cell = list.HeaderCellRect(0);
        const QPoint edge(cell.right() + 2, cell.center().y());
        Hover(list, edge);
        QCOMPARE(list.ResizeColumn(), 0);
        QCOMPARE(list.cursor().shape(), Qt::SizeHorCursor);
        QTest::mousePress(&list, Qt::LeftButton, {}, edge);
        QTest::mouseMove(&list, edge + QPoint(-30, 0));
        QCOMPARE(list.ColumnWidth(0), 70 * 15);
        QTest::mouseMove(&list, edge + QPoint(-300, 0));
        QCOMPARE(list.ColumnWidth(0), 50 * 15);
        QTest::mouseRelease(&list, Qt::LeftButton, {}, edge + QPoint(-300, 0));

        const QRect narrow = list.HeaderCellRect(0);
        const QPoint edge2(narrow.right() + 1, narrow.center().y());
        Hover(list, edge2);
        QCOMPARE(list.ResizeColumn(), 0);
        QTest::mousePress(&list, Qt::LeftButton, {}, edge2);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(&list, edge2 + QPoint(100 * step, 0));
        QCOMPARE(list.ColumnWidth(0), 800 * 15);
        QTest::mouseRelease(&list, Qt::LeftButton, {}, edge2);

        Hover(list, SlotPoint(list, 1));
        QCOMPARE(list.ResizeColumn(), -1);
        QCOMPARE(list.cursor().shape(), Qt::ArrowCursor);
    }

    void rightPressOnEdgeAutoSizes()
    {
        ucAdvList list;
        Prepare(list, 10, 0);
        list.AddRow("i\r\n" + QString(10, 'W'));
        list.AddRow("i\r\n" + QString(3, 'W'));
        const QRect cell = list.HeaderCellRect(1);
        const QPoint edge(cell.right(), cell.center().y());
        Hover(list, edge);
        QCOMPARE(list.ResizeColumn(), 1);
        QTest::mouseClick(&list, Qt::RightButton, {}, edge);
        const int widest = QFontMetrics(ToQFont(list.ListFont())).horizontalAdvance(QString(10, 'W'));
        QCOMPARE(list.ColumnWidth(1), std::clamp(widest + 8, 50, 800) * 15);

        // A column of short texts still keeps its 50 px.
        const QRect first = list.HeaderCellRect(0);
        Hover(list, QPoint(first.right(), first.center().y()));
        QTest::mouseClick(&list, Qt::RightButton, {}, QPoint(first.right(), first.center().y()));
        QCOMPARE(list.ColumnWidth(0), 50 * 15);
    }

    void horizontalBarOnlyWhenColumnsOverflow()
    {
        ucAdvList list;
        Prepare(list, 10, 30);
        QVERIFY(!list.HorizontalBar().Shown);  // 300 px of columns in 379 px of rows
        list.ModifyColumn(2, "Rating", 1, 250);
        QVERIFY(list.HorizontalBar().Shown);
        QCOMPARE(list.HorizontalBar().Maximum, 450 - (400 - 21));
        QTest::mouseClick(&list, Qt::LeftButton, {}, list.BarPieceRect(Qt::Horizontal, 1).center());
        QCOMPARE(list.HorizontalBar().Value, 5);
        QCOMPARE(list.HeaderCellRect(0).left(), 2 - 5);
        list.ModifyColumn(2, "Rating", 1, 100);
        QVERIFY(!list.HorizontalBar().Shown);
        QCOMPARE(list.HorizontalBar().Value, 0);
        QCOMPARE(list.HeaderCellRect(0).left(), 2);

        // A hidden last column takes no room.
        list.SetHideLastColumn(true);
        QCOMPARE(list.AddColumn("Key", 0, 300), 3);
        QVERIFY(!list.HorizontalBar().Shown);
        QVERIFY(list.HeaderCellRect(3).isNull());
        list.SetHideLastColumn(false);
        QVERIFY(list.HorizontalBar().Shown);
    }

    void sortArrowPixels()
    {
        ucAdvList list;
        Prepare(list, 10, 5);
        const QColor face(10, 20, 30), shadow(200, 0, 0), bright(0, 200, 0);
        list.SetCustomColors(true);
        list.SetColor(AdvListColor::HeaderFace, RgbColor(face.red(), face.green(), face.blue()));
        list.SetColor(AdvListColor::HeaderShadow, RgbColor(shadow.red(), shadow.green(), shadow.blue()));
        list.SetColor(AdvListColor::HeaderBrightHighlight, RgbColor(bright.red(), bright.green(), bright.blue()));
        QVERIFY(list.SortArrowRect().isNull());

        list.SortByColumn(2, true);
        const QRect cell = list.HeaderCellRect(2);
        const QPoint at(cell.left() + cell.width() - 15, 6);
        QCOMPARE(list.SortArrowRect().topLeft(), at);
        QImage image = list.grab().toImage();
        for (int x = 3; x <= 10; ++x)
            QCOMPARE(image.pixelColor(at + QPoint(x, 3)), shadow);
        for (const QPoint p : {QPoint(3, 4), QPoint(6, 9), QPoint(5, 7)})
            QCOMPARE(image.pixelColor(at + p), shadow);
        for (const QPoint p : {QPoint(9, 4), QPoint(10, 4), QPoint(7, 9), QPoint(8, 8)})
            QCOMPARE(image.pixelColor(at + p), bright);
        for (const QPoint p : {QPoint(0, 0), QPoint(12, 12), QPoint(6, 5), QPoint(11, 4)})
            QCOMPARE(image.pixelColor(at + p), face);

        list.SortByColumn(2, false);
        image = list.grab().toImage();
        for (int x = 4; x <= 10; ++x)
            QCOMPARE(image.pixelColor(at + QPoint(x, 9)), bright);
        for (const QPoint p : {QPoint(6, 3), QPoint(3, 9), QPoint(4, 7)})
            QCOMPARE(image.pixelColor(at + p), shadow);
        QCOMPARE(image.pixelColor(at + QPoint(6, 8)), face);
    }

    // The focused list takes its window's wheel as well as its own, once; another window keeps its
    // wheel, and a list without the focus takes none.
    void wheelNeedsFocusAndSetting()
    {
        QWidget window;
        auto* list = new ucAdvList(&window);
        auto* panel = new QWidget(&window);
        panel->setGeometry(420, 0, 100, 100);
        panel->setFocusPolicy(Qt::StrongFocus);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Prepare(*list, 10, 100);
        list->SetMouseWheelStep(-3);
        QCOMPARE(list->MouseWheelStep(), 0);
        list->SetMouseWheelStep(4);
        window.activateWindow();
        panel->setFocus();
        QTRY_VERIFY(panel->hasFocus());
        Wheel(*list, -120);
        QCOMPARE(list->VerticalBar().Value, 0);

        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        Wheel(*list, -120);
        QCOMPARE(list->VerticalBar().Value, 4);
        Wheel(*list, -60);
        Wheel(*list, -60);
        QCOMPARE(list->VerticalBar().Value, 8);
        Wheel(*list, 120);
        QCOMPARE(list->VerticalBar().Value, 4);
        Wheel(*panel, -120);
        QCOMPARE(list->VerticalBar().Value, 8);
        QWidget other;
        Wheel(other, -120);
        QCOMPARE(list->VerticalBar().Value, 8);

        // Switching the wheel off counts from the next focus change.
        list->SetMouseWheelEnabled(false);
        Wheel(*list, -120);
        QCOMPARE(list->VerticalBar().Value, 12);
        panel->setFocus();
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        Wheel(*list, -120);
        Wheel(*panel, -120);
        QCOMPARE(list->VerticalBar().Value, 12);
    }

    void headerClickReportsItsColumn_data()
    {
        QTest::addColumn<bool>("sortable");
        QTest::addColumn<bool>("releasedOutside");
        QTest::newRow("sortable") << true << false;
        QTest::newRow("sorting off") << false << false;
        QTest::newRow("sortable, released off the cell") << true << true;
    }
    void headerClickReportsItsColumn()
    {
        QFETCH(bool, sortable);
        QFETCH(bool, releasedOutside);
        ucAdvList list;
        Prepare(list, 10, 5);
        list.SetSortableColumns(sortable);
        QSignalSpy click(&list, &ucAdvList::Click);
        QSignalSpy sorted(&list, &ucAdvList::Sorted);
        QSignalSpy move(&list, &ucAdvList::MouseMove);
        const QPoint header = list.HeaderCellRect(0).center();
        QTest::mousePress(&list, Qt::LeftButton, {}, header);
        QCOMPARE(list.HeaderPressed(), sortable);  // only a sortable header sinks
        QTest::mouseMove(&list, header + QPoint(1, 0));
        QCOMPARE(move.last()[0].toInt(), 0);
        if (releasedOutside) {
            // Straying off the cell raises it and coming back sinks it again; a release off it sorts nothing.
            const QPoint away = header + QPoint(0, 80);
            QTest::mouseMove(&list, away);
            QVERIFY(!list.HeaderPressed());
            QTest::mouseMove(&list, header);
            QVERIFY(list.HeaderPressed());
            QTest::mouseMove(&list, away);
            QTest::mouseRelease(&list, Qt::LeftButton, {}, away);
            QCOMPARE(sorted.size(), 0);
            QCOMPARE(list.PressedHeader(), -1);
            return;
        }
        QTest::mouseRelease(&list, Qt::LeftButton, {}, header + QPoint(1, 0));
        QCOMPARE(click.size(), 1);
        QCOMPARE(click[0][0].toInt(), 0);
        QCOMPARE(sorted.size(), sortable ? 1 : 0);
    }

    // Without a bar its strip holds rows; with one, a column edge under the bar is no resize edge.
    void barStrip()
    {
        ucAdvList list;
        Prepare(list, 10, 5);
        QVERIFY(!list.VerticalBar().Shown);
        QSignalSpy down(&list, &ucAdvList::MouseDown);
        const QPoint inStrip(list.width() - 2 - 17 + 8, SlotPoint(list, 2).y());
        QTest::mouseClick(&list, Qt::LeftButton, {}, inStrip);
        QCOMPARE(down[0][1].toInt(), 2);
        QCOMPARE(list.ListIndex(), 2);

        for (int r = 5; r < 50; ++r)
            list.AddRow(QStringLiteral("row %1").arg(r));
        // Column 2's right edge (302 px) lies under the vertical bar (296..312 px).
        list.resize(315, list.height());
        QVERIFY(list.VerticalBar().Shown);
        const QRect bar = list.BarPieceRect(Qt::Vertical, 2);
        QVERIFY(bar.left() < 302 && 302 < bar.right());
        Hover(list, QPoint(302, 10));
        QCOMPARE(list.ResizeColumn(), -1);
        QCOMPARE(list.cursor().shape(), Qt::ArrowCursor);
        Hover(list, QPoint(102, 10));  // an edge clear of the bar still resizes
        QCOMPARE(list.ResizeColumn(), 0);
        QCOMPARE(list.cursor().shape(), Qt::SizeHorCursor);
    }

    void pointerSelection()
    {
        ucAdvList list;
        Prepare(list, 10, 8);
        QTest::mouseClick(&list, Qt::LeftButton, {}, SlotPoint(list, 1));
        QTest::mouseClick(&list, Qt::LeftButton, Qt::ShiftModifier, SlotPoint(list, 4));
        QCOMPARE(list.SelCount(), 4);
        QCOMPARE(list.ListIndex(), 4);
        QTest::mouseClick(&list, Qt::LeftButton, Qt::ControlModifier, SlotPoint(list, 2));
        QVERIFY(!list.Selected(2));
        QCOMPARE(list.SelCount(), 3);

        // A left drag selects every row it passes over, keeping the current row.
        QTest::mousePress(&list, Qt::LeftButton, {}, SlotPoint(list, 6));
        QTest::mouseMove(&list, SlotPoint(list, 7));
        QTest::mouseRelease(&list, Qt::LeftButton, {}, SlotPoint(list, 7));
        QCOMPARE(list.SelCount(), 2);
        QVERIFY(list.Selected(6) && list.Selected(7));
        QCOMPARE(list.ListIndex(), 6);

        // A right press selects only with RightClickSelect, which needs MultiSelect off.
        QTest::mouseClick(&list, Qt::RightButton, {}, SlotPoint(list, 0));
        QVERIFY(!list.Selected(0));
        list.SetMultiSelect(false);
        list.SetRightClickSelect(true);
        QTest::mouseClick(&list, Qt::RightButton, {}, SlotPoint(list, 0));
        QCOMPARE(list.SelCount(), 1);
        QVERIFY(list.Selected(0));
    }

    void clickCarriesEarlierRow()
    {
        ucAdvList list;
        Prepare(list, 10, 5);
        list.SetSortableColumns(false);
        QSignalSpy click(&list, &ucAdvList::Click);
        QSignalSpy doubleClick(&list, &ucAdvList::DoubleClick);
        QSignalSpy up(&list, &ucAdvList::MouseUp);

        QTest::mouseClick(&list, Qt::LeftButton, {}, SlotPoint(list, 3));
        QCOMPARE(click.size(), 1);
        QCOMPARE(click[0][0].toInt(), -1);
        QCOMPARE(click[0][1].toInt(), 3);
        QCOMPARE(click[0][4].toFloat(), float(SlotPoint(list, 3).x() * 15));  // twips

        list.SetSortableColumns(true);
        const QPoint header = list.HeaderCellRect(1).center();
        QTest::mouseClick(&list, Qt::LeftButton, {}, header);
        QCOMPARE(click.size(), 2);
        QCOMPARE(click[1][0].toInt(), 1);
        QCOMPARE(click[1][1].toInt(), 3);  // still the row clicked before

        QTest::mouseDClick(&list, Qt::LeftButton, {}, header);
        QTest::mouseRelease(&list, Qt::LeftButton, {}, header);
        QCOMPARE(doubleClick.size(), 1);
        QCOMPARE(doubleClick[0][0].toInt(), 1);
        QCOMPARE(doubleClick[0][1].toInt(), 3);
        QCOMPARE(click.size(), 2);  // the release after a double click is no click
        QCOMPARE(up.size(), 3);

        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(40, list.height() - 4));  // below the rows
        QCOMPARE(click.last()[0].toInt(), -1);
        QCOMPARE(click.last()[1].toInt(), -1);
    }

    void colourRules()
    {
        ucAdvList list;
        const OleColor systemFace = list.Color(AdvListColor::ButtonFace);
        list.SetColor(AdvListColor::ButtonFace, RgbColor(1, 2, 3));
        QCOMPARE(list.Color(AdvListColor::ButtonFace), systemFace);  // ignored without CustomColors
        list.SetColorHeaderAsButton(true);
        QVERIFY(!list.ColorHeaderAsButton());

        list.SetCustomColors(true);
        list.SetColor(AdvListColor::ButtonFace, RgbColor(1, 2, 3));
        list.SetColor(AdvListColor::HeaderText, RgbColor(9, 9, 9));
        list.SetColorHeaderAsButton(true);
        QCOMPARE(list.Color(AdvListColor::HeaderFace), RgbColor(1, 2, 3));
        QCOMPARE(list.Color(AdvListColor::HeaderText), list.Color(AdvListColor::ButtonText));

        list.SetColorHeaderAsButton(false);
        list.SetColor(AdvListColor::HeaderShadow, RgbColor(7, 7, 7));
        list.SetCustomColors(false);
        QCOMPARE(list.Color(AdvListColor::ButtonFace), systemFace);
        QCOMPARE(list.Color(AdvListColor::HeaderShadow), RgbColor(7, 7, 7));  // header colours stay

        // Settings go out and come back through the property bag.
        AdvListProperties p = list.Properties();
        p.CustomColors = true;
        p.Colors[int(AdvListColor::Highlight)] = RgbColor(50, 60, 70);
        p.MultiSelect = true;
        p.RightClickSelect = true;
        AdvListProperties read;
        QVERIFY(ReadAdvListProperties(WriteAdvListProperties(p), read, nullptr));
        list.ApplyProperties(read);
        QCOMPARE(list.Color(AdvListColor::Highlight), RgbColor(50, 60, 70));
        QVERIFY(!list.RightClickSelect());
    }

    // Each key lands on the right row, scrolls the least that shows it, selects as a press would and
    // raises the MouseDown a press on that row raises.
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

QTEST_MAIN(TestAdvList)
#include "tst_advlist.moc"
