// The advanced list's colours, pixel by pixel: each of the 17 colours is different, so a bevel
// drawn with a swapped pair, a selection bar in the wrong colour or a missing index border fails.

#include "controls/ucAdvList.h"

#include "Pixels.h"

#include <QtTest>

namespace {
using C = AdvListColor;

OleColor Distinct(C which)
{
    const int i = int(which);
    return RgbColor(10 + 13 * i, 240 - 11 * i, 30 + 7 * i);
}

QRgb Rgb(C which) { return ::Rgb(Distinct(which)); }

// 40 rows over three 200 px columns: both bars shown, row 1 selected, row 2 current, row 0 plain.
void Prepare(ucAdvList& list)
{
    list.SetCustomColors(true);
    for (int i = 0; i < kAdvListColorCount; ++i)
        list.SetColor(C(i), Distinct(C(i)));
    list.AddColumn(QStringLiteral("Track Name"), 0, 200);
    list.AddColumn(QStringLiteral("Author"), 0, 200);
    list.AddColumn(QStringLiteral("Rating"), 1, 200);
    list.resize(400, 300);
    for (int r = 0; r < 40; ++r)
        list.AddRow(QStringLiteral("Wooden Warrior %1\r\nAnna\r\n%2").arg(r).arg(r % 5));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(40, list.RowsTop() + 2 * list.RowPitch() + 5));
    list.SetSelected(2, false);
    list.SetSelected(1, true);
    list.Refresh();
}

int SlotTop(const ucAdvList& list, int slot) { return list.RowsTop() + slot * list.RowPitch(); }

} // namespace

class tst_advlist_paint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The points are taken from a list laid out as the test's own will be.
    void colourAt_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<AdvListColor>("colour");
        ucAdvList l;
        Prepare(l);
        const int midX = l.width() / 2, midY = l.height() / 2;
        const QRect h0 = l.HeaderCellRect(0), h1 = l.HeaderCellRect(1);
        const QRect less = l.BarPieceRect(Qt::Vertical, 0), more = l.BarPieceRect(Qt::Vertical, 1);
        auto add = [](const char* name, QPoint at, C colour) { QTest::newRow(name) << at << colour; };
        // The control's own border is sunken.
        add("border outer left", {0, midY}, C::ButtonDarkShadow);
        add("border inner left", {1, midY}, C::ButtonShadow);
        add("border outer right", {l.width() - 1, midY}, C::ButtonBrightHighlight);
        add("border inner right", {l.width() - 2, midY}, C::ButtonHighlight);
        add("border outer top", {midX, 0}, C::ButtonDarkShadow);
        add("border outer bottom", {midX, l.height() - 1}, C::ButtonBrightHighlight);
        // Header cells are raised.
        add("header outer left", {h1.left(), 10}, C::HeaderHighlight);
        add("header inner left", {h1.left() + 1, 10}, C::HeaderBrightHighlight);
        add("header outer right", {h0.right(), 10}, C::HeaderDarkShadow);
        add("header inner right", {h0.right() - 1, 10}, C::HeaderShadow);
        add("header face", {h0.center().x(), 4}, C::HeaderFace);
        // Rows: the selection bar, a plain row, below the text of a row.
        add("selected row", {h0.right() - 3, SlotTop(l, 1) + 1}, C::Highlight);
        add("plain row", {h0.right() - 3, SlotTop(l, 0) + 1}, C::ListBackground);
        // Scroll bars: workspace behind the marker, button faces and their raised bevels, the corner.
        add("workspace", {more.center().x(), more.top() - 3}, C::Workspace);
        add("button face", less.topLeft() + QPoint(2, 2), C::ButtonFace);
        add("button outer left", {less.left(), less.center().y()}, C::ButtonHighlight);
        add("button inner left", {less.left() + 1, less.center().y()}, C::ButtonBrightHighlight);
        add("button outer right", {less.right(), less.center().y()}, C::ButtonDarkShadow);
        add("button inner right", {less.right() - 1, less.center().y()}, C::ButtonShadow);
        add("corner square", {l.width() - 10, l.height() - 10}, C::ButtonFace);
    }
    void colourAt()
    {
        QFETCH(QPoint, at);
        QFETCH(AdvListColor, colour);
        ucAdvList list;
        Prepare(list);
        QVERIFY(list.VerticalBar().Shown && list.HorizontalBar().Shown);
        QCOMPARE(QColor(Render(list).pixel(at)), QColor(Rgb(colour)));
    }

    // A selected row's text is in the highlight text colour, a plain row's in the list text colour;
    // the dotted index border's top line runs above the text of the current row only, in the list
    // text colour.
    void textAndIndexBorderColours()
    {
        ucAdvList list;
        Prepare(list);
        auto count = [&list](int top, int bottom, C colour) { return CountInRows(Render(list), top, bottom, Rgb(colour)); };
        const int pitch = list.RowPitch(), row0 = SlotTop(list, 0), row1 = SlotTop(list, 1), row2 = SlotTop(list, 2);
        QVERIFY(count(row1, row1 + pitch, C::HighlightText) > 0);
        QCOMPARE(count(row1, row1 + pitch, C::ListText), 0);
        QVERIFY(count(row0, row0 + pitch, C::ListText) > 0);
        QCOMPARE(count(row0, row0 + pitch, C::HighlightText), 0);
        QVERIFY(count(2, list.RowsTop(), C::HeaderText) > 0);

        QVERIFY(count(row2 + 1, row2 + 2, C::ListText) > 60);
        QCOMPARE(count(row0 + 1, row0 + 2, C::ListText), 0);
        list.SetHideIndexBorder(true);
        QCOMPARE(count(row2 + 1, row2 + 2, C::ListText), 0);
    }
};

QTEST_MAIN(tst_advlist_paint)
#include "tst_advlist_paint.moc"
