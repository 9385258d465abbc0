// ucStatusBar: field layout from the right by minimum widths, overflow, the height that follows the
// font, and the separator colours.

#include "controls/ucStatusBar.h"

#include "controls/FontConvert.h"
#include "controls/TextMetrics.h"

#include "Pixels.h"

#include <QTest>

namespace {
// The main window's two fields of at least 200 px on a 600 px bar: field 1 starts at 394.
void TwoFields(ucStatusBar& bar)
{
    bar.CreateField(200, 0, false);
    bar.CreateField(200, 1, false);
    bar.resize(600, bar.height());
}
} // namespace

class tst_statusbar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data()
    {
        QTest::addColumn<int>("barWidth");
        QTest::addColumn<QList<int>>("minWidths");
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("600, 200+200") << 600 << QList<int>{200, 200} << QList<int>{0, 394} << QList<int>{394, 206};
        QTest::newRow("300 overflows") << 300 << QList<int>{200, 200} << QList<int>{0, 206} << QList<int>{206, 206};
        QTest::newRow("field 1 starts exactly at MinWidth(0)")
            << 406 << QList<int>{200, 200} << QList<int>{0, 200} << QList<int>{200, 206};
        QTest::newRow("one field stretches") << 600 << QList<int>{200} << QList<int>{0} << QList<int>{600};
        QTest::newRow("one field too narrow") << 150 << QList<int>{200} << QList<int>{0} << QList<int>{206};
        QTest::newRow("three fields") << 800 << QList<int>{100, 50, 120} << QList<int>{0, 618, 674}
                                      << QList<int>{618, 56, 126};
        QTest::newRow("three fields overflow") << 200 << QList<int>{100, 50, 120} << QList<int>{0, 106, 162}
                                               << QList<int>{106, 56, 126};
    }
    void layout()
    {
        QFETCH(int, barWidth);
        QFETCH(QList<int>, minWidths);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, widths);
        ucStatusBar bar;
        for (int w : minWidths)
            bar.CreateField(w, 0, false);
        bar.resize(barWidth, bar.height());
        QCOMPARE(bar.FieldCount(), minWidths.size());
        for (int i = 0; i < minWidths.size(); ++i) {
            QCOMPARE(bar.FieldLeft(i), lefts[i]);
            QCOMPARE(bar.FieldWidth(i), widths[i]);
            QCOMPARE(bar.FieldTextRect(i), QRect(lefts[i] + 3, 2, widths[i] - 3, bar.height() - 4));
        }
    }

    void updateFieldIgnoresBadIndex()
    {
        ucStatusBar bar;
        TwoFields(bar);
        bar.UpdateField(1, QStringLiteral("Passive File Scan in Progress..."));
        bar.UpdateField(5, QStringLiteral("lost"));
        bar.UpdateField(-1, QStringLiteral("lost"));
        bar.BoldField(5, true);
        bar.BoldField(0, true);
        QCOMPARE(bar.FieldText(0), QString());
        QCOMPARE(bar.FieldText(1), QStringLiteral("Passive File Scan in Progress..."));
        QVERIFY(bar.FieldBold(0));
        QVERIFY(!bar.FieldBold(1));
    }

    void heightFollowsFont()
    {
        ucStatusBar bar;
        FontRecord font;
        font.Name = QStringLiteral("Liberation Sans");
        for (const double size : {20.0, 8.0}) {
            font.SetSize(size);
            bar.SetFont(font);
            QCOMPARE(bar.height(), CaptionTextHeight(ToQFont(font)) + 4);
        }
    }

    void drawing()
    {
        ucStatusBar bar;
        bar.SetColorFace(RgbColor(10, 10, 10));
        bar.SetColorHighlight(RgbColor(250, 250, 250));
        bar.SetColorShadow(RgbColor(100, 100, 100));
        TwoFields(bar);
        const QImage image = Render(bar);
        const int mid = bar.height() / 2;
        QCOMPARE(image.pixel(300, 0), qRgb(250, 250, 250));  // top line
        QCOMPARE(image.pixel(394, mid), qRgb(100, 100, 100));
        QCOMPARE(image.pixel(395, mid), qRgb(250, 250, 250));
        QCOMPARE(image.pixel(393, mid), qRgb(10, 10, 10));
        QCOMPARE(image.pixel(396, bar.height() - 1), qRgb(10, 10, 10));
    }
};

QTEST_MAIN(tst_statusbar)
#include "tst_statusbar.moc"
