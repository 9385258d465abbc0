// ucTabHead and ucTabContainer: colours derived from the background, choosing tabs, where tabs stand,
// and that the store-only colours wait for the next redraw.

#include "controls/ucTabContainer.h"
#include "controls/ucTabHead.h"

#include "Pixels.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

namespace {
void AddTabs(ucTabHead& head, std::initializer_list<const char*> titles)
{
    for (const char* title : titles)
        head.AddTab(QString::fromLatin1(title));
}
} // namespace

class tst_tab : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Which factor makes which colour, and where each goes; the rounding, the clamp and the text
    // colour's threshold are the colour arithmetic's test.
    void derivation_data()
    {
        QTest::addColumn<OleColor>("background");
        QTest::addColumn<OleColor>("highlight");
        QTest::addColumn<OleColor>("shadow");
        QTest::addColumn<OleColor>("shadowDark");
        QTest::addColumn<OleColor>("text");
        QTest::newRow("200,100,40") << RgbColor(200, 100, 40) << RgbColor(255, 150, 60) << RgbColor(150, 75, 30)
                                    << RgbColor(100, 50, 20) << RgbColor(255, 255, 255);
        QTest::newRow("200,180,160") << RgbColor(200, 180, 160) << RgbColor(255, 255, 240) << RgbColor(150, 135, 120)
                                     << RgbColor(100, 90, 80) << RgbColor(0, 0, 0);
    }
    void derivation()
    {
        QFETCH(OleColor, background);
        QFETCH(OleColor, highlight);
        QFETCH(OleColor, shadow);
        QFETCH(OleColor, shadowDark);
        QFETCH(OleColor, text);

        // The head derives on a new background whatever AutoColor says.
        ucTabHead head;
        head.SetAutoColor(false);
        head.SetCOLOR_BACKGROUND(background);
        QCOMPARE(head.COLOR_HIGHLIGHT(), highlight);
        QCOMPARE(head.Color_Shadow(), shadow);
        QCOMPARE(head.Color_ShadowDark(), shadowDark);
        QCOMPARE(head.Color_Text(), text);

        // The container's edges: highlight left, dark shadow right and bottom, no top edge.
        ucTabContainer container;
        container.resize(50, 40);
        container.SetCOLOR_BACKGROUND(background);
        const QImage image = Render(container);
        QCOMPARE(image.pixel(0, 20), Rgb(highlight));
        QCOMPARE(image.pixel(49, 20), Rgb(shadowDark));
        QCOMPARE(image.pixel(25, 39), Rgb(shadowDark));
        QCOMPARE(image.pixel(25, 0), Rgb(background));
        QCOMPARE(image.pixel(25, 20), Rgb(background));
    }

    void autoColorOffKeepsContainerEdges()
    {
        ucTabContainer container;
        container.SetAutoColor(false);
        container.SetCOLOR_HIGHLIGHT(RgbColor(1, 2, 3));
        container.SetCOLOR_BACKGROUND(RgbColor(200, 100, 40));
        QCOMPARE(container.COLOR_HIGHLIGHT(), RgbColor(1, 2, 3));
        container.SetAutoColor(true);
        QCOMPARE(container.COLOR_HIGHLIGHT(), RgbColor(255, 150, 60));
    }

    // ShowTab raises TabClick even for the current tab; a left click on a title chooses it, a right
    // click or a click beside the tabs chooses nothing.
    void choosingTabs()
    {
        ucTabHead head;
        head.resize(400, head.height());
        AddTabs(head, {"General", "Media", "Theme", "Advanced"});
        QSignalSpy spy(&head, &ucTabHead::TabClick);
        head.ShowTab(0);
        head.ShowTab(2);
        head.ShowTab(7);
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy[0][0].toInt(), 0);
        QCOMPARE(spy[1][0].toInt(), 2);
        QCOMPARE(head.CurrentTab(), 2);

        QTest::mouseClick(&head, Qt::LeftButton, {}, head.TitleRect(3).center());
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy[2][0].toInt(), 3);
        QCOMPARE(head.CurrentTab(), 3);
        QTest::mouseClick(&head, Qt::RightButton, {}, head.TitleRect(1).center());
        QTest::mouseClick(&head, Qt::LeftButton, {}, QPoint(399, 12));
        QCOMPARE(spy.size(), 3);
    }

    void tabPlaces()
    {
        ucTabHead head;
        AddTabs(head, {"General", "Media", "Theme"});
        // The expected places are in pixels at 15 twips per pixel.
        if (head.logicalDpiX() != 96 || head.logicalDpiY() != 96)
            QSKIP("the screen is not at 96 DPI");
        QCOMPARE(head.height(), 24);
        const QFontMetrics fm(head.font());
        const int w0 = fm.horizontalAdvance(QStringLiteral(" General "));
        const int w1 = fm.horizontalAdvance(QStringLiteral(" Media "));

        // Tab 0 is current: top 0, title 4 px lower; the others start 4 px lower still.
        QCOMPARE(head.TitleRect(0).topLeft(), QPoint(2, 4));
        QCOMPARE(head.TitleRect(0).width(), w0);
        // After the current tab the next one starts on its right edge; the others are 7 px apart.
        QCOMPARE(head.TitleRect(1).topLeft(), QPoint(2 + w0 + 2, 8));
        QCOMPARE(head.TitleRect(2).left(), 2 + w0 + 2 + w1 + 7);
        QCOMPARE(head.TabRect(1).left(), head.TitleRect(1).left() - 2);
        QCOMPARE(head.TabRect(1).left(), head.TabRect(0).right());
        QCOMPARE(head.TabRect(1).top(), 4);
        QCOMPARE(head.TabRect(0).top(), 0);

        head.ShowTab(1);
        QCOMPARE(head.TitleRect(0).topLeft(), QPoint(2, 8));
        QCOMPARE(head.TitleRect(1).topLeft(), QPoint(2 + w0 + 7, 4));
        QCOMPARE(head.TitleRect(2).left(), 2 + w0 + 7 + w1 + 2);
        QCOMPARE(head.TabRect(2).left(), head.TabRect(1).right());
    }

    // The current tab's right edge is in Color_Shadow, which waits for the next redraw; the bottom
    // edge in COLOR_HIGHLIGHT opens under the current tab and is recoloured at once.
    void headEdges()
    {
        ucTabHead head;
        head.resize(300, head.height());
        head.SetCOLOR_BACKGROUND(RgbColor(200, 100, 40));
        AddTabs(head, {"General", "Media"});
        const QPoint edge(head.TitleRect(0).right() + 1, 12);
        QCOMPARE(Render(head).pixel(edge), qRgb(150, 75, 30));
        head.SetColor_Shadow(RgbColor(0, 255, 0));
        QCOMPARE(Render(head).pixel(edge), qRgb(150, 75, 30));
        head.AddTab(QStringLiteral("Theme"));
        QCOMPARE(Render(head).pixel(edge), qRgb(0, 255, 0));

        head.ShowTab(1);
        const QImage image = Render(head);
        const int y = head.height() - 1;
        QCOMPARE(image.pixel(0, y), qRgb(255, 150, 60));
        QCOMPARE(image.pixel(head.TitleRect(1).center().x(), y), qRgb(200, 100, 40));
        QCOMPARE(image.pixel(299, y), qRgb(255, 150, 60));
        head.SetCOLOR_HIGHLIGHT(RgbColor(9, 9, 9));
        QCOMPARE(Render(head).pixel(0, y), qRgb(9, 9, 9));
    }
};

QTEST_MAIN(tst_tab)
#include "tst_tab.moc"
