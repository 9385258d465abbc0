#pragma once
// Helpers shared by the advanced-list widget tests: a list with a known number of row slots, the
// centre of a slot, and pointer moves and wheel turns delivered straight to a widget.

#include "controls/ucAdvList.h"

#include "WidgetClicks.h"

#include <QtTest>

// A list whose rows area holds exactly `slots` rows, with three 100 px columns.
inline void Prepare(ucAdvList& list, int slots, int rows)
{
    list.AddColumn("Name", 0, 100);
    list.AddColumn("Author", 0, 100);
    list.AddColumn("Rating", 1, 100);
    list.resize(400, 4 + list.HeaderHeight() + slots * list.RowPitch());
    for (int r = 0; r < rows; ++r)
        list.AddRow(QStringLiteral("row %1\r\nauthor\r\n%2").arg(r, 2, 10, QLatin1Char('0')).arg(r % 7));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
}

inline QPoint SlotPoint(const ucAdvList& list, int slot)
{
    return {40, list.RowsTop() + slot * list.RowPitch() + list.RowPitch() / 2};
}

// A move with no button held; QTest moves the real cursor for those, which offscreen does not see.
inline void Hover(QWidget& widget, const QPoint& pos)
{
    SendMouse(&widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

inline void Wheel(QWidget& widget, int delta)
{
    const QPointF pos(50, 50);
    QWheelEvent wheel(pos, widget.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
}
