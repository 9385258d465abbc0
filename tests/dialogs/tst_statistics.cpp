// The statistics window shows what the overview computed: the five figures with thousands
// separators, as many list rows as there are ranked records (no stale or empty rows), bars whose
// heights follow the month counts, drawn in the theme's list colours. (Opening it from the menu and
// closing it with "OK" is the main window's test.)

#include "dialogs/RidesChart.h"
#include "dialogs/frmStatistics.h"
#include "theme/ThemeFile.h"

#include <QLabel>
#include <QTest>

class TestStatistics : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheComputedFigures();
};

void TestStatistics::showsTheComputedFigures()
{
    std::vector<MediaRecord> records(3);
    records[0].Title = QStringLiteral("Big Drop");
    records[0].RideCount = 1200;
    records[0].RideDate = QStringLiteral("11/05/2026 10:00:00");
    records[1].Title = QStringLiteral("Helix");
    records[1].RideCount = 3;
    records[1].RideDate = QStringLiteral("11/20/2026 10:00:00");
    records[1].FileType = FileTypePackage;
    records[2].Title = QStringLiteral("Zephyr");
    records[2].RideCount = 1;
    records[2].RideDate = QStringLiteral("01/02/2025 10:00:00");
    Theme theme = DefaultTheme();
    theme.ListBackground = RgbColor(10, 20, 30);
    theme.ListHighlight = RgbColor(200, 100, 50);
    frmStatistics window(ComputeLibraryStatistics(records, QDate(2026, 12, 7)), theme);

    const QStringList figures{"3", "2", "1", "1,204", "0"};
    for (int i = 0; i < frmStatistics::kFigureCount; ++i)
        QCOMPARE(window.FigureLabel(i)->text(), figures[i]);
    QCOMPARE(window.MostRiddenTitle(0)->text(), QStringLiteral("Big Drop"));
    QCOMPARE(window.MostRiddenValue(0)->text(), QStringLiteral("1,200"));
    QCOMPARE(window.RecentTitle(0)->text(), QStringLiteral("Helix"));
    QCOMPARE(window.RecentValue(0)->text(), QStringLiteral("11/20/2026 10:00:00"));
    QVERIFY(!window.MostRiddenTitle(2)->isHidden());
    QVERIFY(window.MostRiddenTitle(3)->isHidden());
    QVERIFY(window.RecentValue(3)->isHidden());

    // November 2026 (two last rides) stands twice as high as January 2025 (one); December has none.
    RidesChart* chart = window.Chart();
    const QRect november = chart->BarRect(22);
    const QRect january = chart->BarRect(0);
    QVERIFY(chart->BarRect(23).isEmpty());
    QVERIFY(!january.isEmpty());
    QCOMPARE(november.bottom(), january.bottom());
    QVERIFY(qAbs(november.height() - 2 * january.height()) <= 1);

    const QImage picture = chart->grab().toImage();
    QCOMPARE(picture.pixelColor(november.center()), QColor(200, 100, 50));
    QCOMPARE(picture.pixelColor(chart->BarRect(22).topLeft() - QPoint(0, 3)), QColor(10, 20, 30));
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
