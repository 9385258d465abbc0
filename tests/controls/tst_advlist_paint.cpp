// The advanced list's colours, pixel by pixel: each of the 17 colours is different, so a bevel
// drawn with a swapped pair, a selection bar in the wrong colour or a missing index border fails.

#include "controls/ucAdvList.h"

#include <QImage>
#include <QtTest>

#include <functional>

namespace {
using C = AdvListColor;
using Where = std::function<QPoint(const ucAdvList&)>;

OleColor Distinct(C which)
{
    const int i = int(which);
    return RgbColor(10 + 13 * i, 240 - 11 * i, 30 + 7 * i);
}

QRgb Rgb(C which)
{
    const OleColor c = Distinct(which);
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

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

QImage Render(ucAdvList& list)
{
    QImage image(list.size(), QImage::Format_RGB32);
    list.render(&image);
    return image;
}

int CountInRows(const QImage& image, int top, int bottom, QRgb colour)
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}
} // namespace
Q_DECLARE_METATYPE(Where)

class tst_advlist_paint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colourAt_data();
    void colourAt();
    void textColours();
    void indexBorderOnTheCurrentRowOnly();
};

void tst_advlist_paint::colourAt_data()
{
    QTest::addColumn<Where>("where");
    QTest::addColumn<AdvListColor>("colour");
    auto add = [](const char* name, Where where, C colour) { QTest::newRow(name) << where << colour; };
    // The control's own border is sunken.
    add("border outer left", [](const ucAdvList& l) { return QPoint(0, l.height() / 2); }, C::ButtonDarkShadow);
    add("border inner left", [](const ucAdvList& l) { return QPoint(1, l.height() / 2); }, C::ButtonShadow);
    add("border outer right", [](const ucAdvList& l) { return QPoint(l.width() - 1, l.height() / 2); },
        C::ButtonBrightHighlight);
    add("border inner right", [](const ucAdvList& l) { return QPoint(l.width() - 2, l.height() / 2); },
        C::ButtonHighlight);
    add("border outer top", [](const ucAdvList& l) { return QPoint(l.width() / 2, 0); }, C::ButtonDarkShadow);
    add("border outer bottom", [](const ucAdvList& l) { return QPoint(l.width() / 2, l.height() - 1); },
        C::ButtonBrightHighlight);
    // Header cells are raised.
    add("header outer left", [](const ucAdvList& l) { return QPoint(l.HeaderCellRect(1).left(), 10); },
        C::HeaderHighlight);
    add("header inner left", [](const ucAdvList& l) { return QPoint(l.HeaderCellRect(1).left() + 1, 10); },
        C::HeaderBrightHighlight);
    add("header outer right", [](const ucAdvList& l) { return QPoint(l.HeaderCellRect(0).right(), 10); },
        C::HeaderDarkShadow);
    add("header inner right", [](const ucAdvList& l) { return QPoint(l.HeaderCellRect(0).right() - 1, 10); },
        C::HeaderShadow);
    add("header face", [](const ucAdvList& l) { return QPoint(l.HeaderCellRect(0).center().x(), 4); }, C::HeaderFace);
    // Rows: the selection bar, a plain row, below the text of a row.
    add("selected row", [](const ucAdvList& l) { return QPoint(l.HeaderCellRect(0).right() - 3, SlotTop(l, 1) + 1); },
        C::Highlight);
    add("plain row", [](const ucAdvList& l) { return QPoint(l.HeaderCellRect(0).right() - 3, SlotTop(l, 0) + 1); },
        C::ListBackground);
    // Scroll bars: workspace behind the marker, button faces and their raised bevels, the corner.
    add("workspace", [](const ucAdvList& l) {
        const QRect more = l.BarPieceRect(Qt::Vertical, 1);
        return QPoint(more.center().x(), more.top() - 3);
    }, C::Workspace);
    add("button face", [](const ucAdvList& l) { return l.BarPieceRect(Qt::Vertical, 0).topLeft() + QPoint(2, 2); },
        C::ButtonFace);
    add("button outer left", [](const ucAdvList& l) {
        const QRect less = l.BarPieceRect(Qt::Vertical, 0);
        return QPoint(less.left(), less.center().y());
    }, C::ButtonHighlight);
    add("button inner left", [](const ucAdvList& l) {
        const QRect less = l.BarPieceRect(Qt::Vertical, 0);
        return QPoint(less.left() + 1, less.center().y());
    }, C::ButtonBrightHighlight);
    add("button outer right", [](const ucAdvList& l) {
        const QRect less = l.BarPieceRect(Qt::Vertical, 0);
        return QPoint(less.right(), less.center().y());
    }, C::ButtonDarkShadow);
    add("button inner right", [](const ucAdvList& l) {
        const QRect less = l.BarPieceRect(Qt::Vertical, 0);
        return QPoint(less.right() - 1, less.center().y());
    }, C::ButtonShadow);
    add("corner square", [](const ucAdvList& l) { return QPoint(l.width() - 10, l.height() - 10); }, C::ButtonFace);
}

void tst_advlist_paint::colourAt()
{
    QFETCH(Where, where);
    QFETCH(AdvListColor, colour);
    ucAdvList list;
    Prepare(list);
    QVERIFY(list.VerticalBar().Shown && list.HorizontalBar().Shown);
    const QPoint at = where(list);
    QCOMPARE(QColor(Render(list).pixel(at)), QColor(Rgb(colour)));
}

void tst_advlist_paint::textColours()
{
    ucAdvList list;
    Prepare(list);
    const QImage image = Render(list);
    const int pitch = list.RowPitch();
    // A selected row's text is in the highlight text colour, a plain row's in the list text colour.
    QVERIFY(CountInRows(image, SlotTop(list, 1), SlotTop(list, 1) + pitch, Rgb(C::HighlightText)) > 0);
    QCOMPARE(CountInRows(image, SlotTop(list, 1), SlotTop(list, 1) + pitch, Rgb(C::ListText)), 0);
    QVERIFY(CountInRows(image, SlotTop(list, 0), SlotTop(list, 0) + pitch, Rgb(C::ListText)) > 0);
    QCOMPARE(CountInRows(image, SlotTop(list, 0), SlotTop(list, 0) + pitch, Rgb(C::HighlightText)), 0);
    QVERIFY(CountInRows(image, 2, list.RowsTop(), Rgb(C::HeaderText)) > 0);
}

void tst_advlist_paint::indexBorderOnTheCurrentRowOnly()
{
    ucAdvList list;
    Prepare(list);
    // The dotted border's top line runs above the text of the current row, in the list text colour.
    auto borderPixels = [&list](int slot) {
        const QImage image = Render(list);
        const int y = SlotTop(list, slot) + 1;
        int count = 0;
        for (int x = 2; x < list.width() - 19; ++x)
            count += image.pixel(x, y) == Rgb(C::ListText) ? 1 : 0;
        return count;
    };
    QVERIFY(borderPixels(2) > 60);
    QCOMPARE(borderPixels(0), 0);
    list.SetHideIndexBorder(true);
    QCOMPARE(borderPixels(2), 0);
}

QTEST_MAIN(tst_advlist_paint)
#include "tst_advlist_paint.moc"
