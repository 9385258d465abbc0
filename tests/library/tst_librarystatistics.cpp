// The library overview: the counts, the two top-ten lists and the months of the chart. The faults
// worth catching: a never-ridden record counted somewhere, equal counts or dates in the wrong order,
// an eleventh entry, and a ride put one month off (or a year off around January).

#include "library/LibraryStatistics.h"

#include <QTest>

namespace {

MediaRecord Ridden(const char* title, qint32 rideCount, const char* rideDate, qint32 fileType = FileTypeTrack)
{
    MediaRecord r;
    r.Title = QString::fromUtf8(title);
    r.RideCount = rideCount;
    r.RideDate = QString::fromUtf8(rideDate);
    r.FileType = fileType;
    r.TypeName = TypeNameOf(fileType);
    return r;
}

QStringList Titles(const std::vector<RankedRecord>& list)
{
    QStringList titles;
    for (const RankedRecord& r : list)
        titles << r.Title;
    return titles;
}

} // namespace

class TestLibraryStatistics : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsLeaveNeverRiddenOut();
    void topTenOrderAndTies();
    void chartMonth_data();
    void chartMonth();
};

void TestLibraryStatistics::countsLeaveNeverRiddenOut()
{
    const std::vector<MediaRecord> records = {
        Ridden("a", 5, "03/01/2026 10:00:00"),
        Ridden("b", 0, "", FileTypePackage),
        Ridden("c", 0, "02/01/2026 10:00:00", FileTypePackage),  // a date but no ride: never ridden
        Ridden("d", -4, "", 7),                                    // a damaged count is no ride either
        Ridden("e", 2, "not a date"),
    };
    const LibraryStatistics s = ComputeLibraryStatistics(records, QDate(2026, 3, 15));
    QCOMPARE(s.Records, 5);
    QCOMPARE(s.Tracks, 2);
    QCOMPARE(s.Packages, 2);
    QCOMPARE(s.TotalRides, qint64(7));
    QCOMPARE(s.NeverRidden, 3);
    QCOMPARE(Titles(s.MostRidden), QStringList({"a", "e"}));
    QCOMPARE(Titles(s.RecentlyRidden), QStringList({"a"}));
    qint32 charted = 0;
    for (const MonthRides& m : s.RidesPerMonth)
        charted += m.Rides;
    QCOMPARE(charted, 1);
    QCOMPARE(s.MostRidden[1], (RankedRecord{4, "e", 2, "not a date"}));
}

void TestLibraryStatistics::topTenOrderAndTies()
{
    std::vector<MediaRecord> records;
    // Twelve ridden records: counts 1..12 except that r3, r7 and r11 all have 20 rides; each was
    // last ridden on day (13 - i) of January, and r8 and r9 at the same moment.
    for (int i = 0; i < 12; ++i) {
        const int count = (i == 3 || i == 7 || i == 11) ? 20 : i + 1;
        const QString date = QStringLiteral("01/%1/2026 08:00:00").arg(13 - (i == 9 ? 8 : i), 2, 10, QLatin1Char('0'));
        records.push_back(Ridden(qPrintable(QStringLiteral("r%1").arg(i)), count, qPrintable(date)));
    }
    records.insert(records.begin() + 5, Ridden("never", 0, ""));
    // Titles keep their r-number; from r5 on the record index is one higher.
    const LibraryStatistics s = ComputeLibraryStatistics(records, QDate(2026, 1, 31));
    QCOMPARE(Titles(s.MostRidden),
             QStringList({"r3", "r7", "r11", "r10", "r9", "r8", "r6", "r5", "r4", "r2"}));
    QCOMPARE(s.MostRidden[1].Index, 8);
    QCOMPARE(Titles(s.RecentlyRidden),
             QStringList({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
    QCOMPARE(s.RidesPerMonth.back(), (MonthRides{2026, 1, 12}));
}

void TestLibraryStatistics::chartMonth_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("rideDate");
    QTest::addColumn<int>("slot");  // -1: outside the chart
    const QDate december(2026, 12, 7);
    QTest::newRow("this month") << december << "12/07/2026 09:00:00" << 23;
    QTest::newRow("later this month") << december << "12/31/2026 23:59:59" << 23;
    QTest::newRow("last day of last month") << december << "11/30/2026 23:59:59" << 22;
    QTest::newRow("a year ago") << december << "12/01/2025 00:00:00" << 11;
    QTest::newRow("first month of the chart") << december << "01/01/2025 00:00:00" << 0;
    QTest::newRow("just before the chart") << december << "12/31/2024 23:59:59" << -1;
    QTest::newRow("next year") << december << "01/01/2027 00:00:00" << -1;
    const QDate january(2026, 1, 15);
    QTest::newRow("December before a January") << january << "12/20/2025 12:00:00" << 22;
    QTest::newRow("chart starts in February") << january << "02/03/2024 12:00:00" << 0;
    QTest::newRow("January two years back is out") << january << "01/31/2024 12:00:00" << -1;
}

void TestLibraryStatistics::chartMonth()
{
    QFETCH(QDate, today);
    QFETCH(QString, rideDate);
    QFETCH(int, slot);
    const LibraryStatistics s = ComputeLibraryStatistics({Ridden("x", 1, qPrintable(rideDate))}, today);
    QCOMPARE(s.RidesPerMonth.size(), size_t(kChartMonths));
    QCOMPARE(s.RidesPerMonth.back().Year, today.year());
    QCOMPARE(s.RidesPerMonth.back().Month, today.month());
    for (int i = 0; i < kChartMonths; ++i)
        QCOMPARE(s.RidesPerMonth[size_t(i)].Rides, i == slot ? 1 : 0);
}

QTEST_APPLESS_MAIN(TestLibraryStatistics)
#include "tst_librarystatistics.moc"
