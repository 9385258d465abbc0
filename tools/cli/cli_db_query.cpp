// ridevault-cli db find / db stats: the search box's language and the library overview on a
// database file.

#include "CliCommon.h"
#include "CliDatabase.h"

#include "library/FieldSearch.h"
#include "library/LibraryStatistics.h"
#include "library/RowText.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

namespace {

QJsonArray RankedToJson(const std::vector<RankedRecord>& list)
{
    QJsonArray array;
    for (const RankedRecord& r : list)
        array.append(QJsonObject{{QStringLiteral("index"), r.Index},
                                 {QStringLiteral("Title"), r.Title},
                                 {QStringLiteral("RideCount"), r.RideCount},
                                 {QStringLiteral("RideDate"), r.RideDate}});
    return array;
}

} // namespace

// Prints the index of every record that the query matches, one per line, in record order.
int RunDbFind(const QStringList& args)
{
    CliRequireArgs(args, 2, 2, QStringLiteral("ridevault-cli db find DB_FILE QUERY"));
    const std::vector<MediaRecord> records = CliReadDatabase(args[0]);
    const FieldSearch search(args[1]);
    QTextStream out(stdout);
    for (qint32 i = 0; i < qint32(records.size()); ++i)
        if (search.Matches(records[size_t(i)], BuildRowText(records[size_t(i)], i)))
            out << i << '\n';
    return 0;
}

// The overview as JSON; --today YYYY-MM-DD sets the last month of the chart (default: today).
int RunDbStats(const QStringList& arguments)
{
    QStringList args = arguments;
    const QStringList todayText = CliTakeOption(args, QStringLiteral("--today"));
    CliRefuseUnknownOptions(args);
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli db stats DB_FILE [--today YYYY-MM-DD]"));
    QDate today = QDate::currentDate();
    if (!todayText.isEmpty()) {
        today = QDate::fromString(todayText.first(), Qt::ISODate);
        if (!today.isValid())
            throw CliError(QStringLiteral("--today must be a date YYYY-MM-DD, not %1").arg(todayText.first()));
    }
    const LibraryStatistics s = ComputeLibraryStatistics(CliReadDatabase(args[0]), today);
    QJsonArray months;
    for (const MonthRides& m : s.RidesPerMonth)
        months.append(QJsonObject{
            {QStringLiteral("month"), QStringLiteral("%1-%2").arg(m.Year, 4, 10, QLatin1Char('0')).arg(m.Month, 2, 10, QLatin1Char('0'))},
            {QStringLiteral("rides"), m.Rides}});
    CliPrintJson(QJsonDocument(QJsonObject{
        {QStringLiteral("records"), s.Records},
        {QStringLiteral("tracks"), s.Tracks},
        {QStringLiteral("packages"), s.Packages},
        {QStringLiteral("totalRides"), s.TotalRides},
        {QStringLiteral("neverRidden"), s.NeverRidden},
        {QStringLiteral("mostRidden"), RankedToJson(s.MostRidden)},
        {QStringLiteral("recentlyRidden"), RankedToJson(s.RecentlyRidden)},
        {QStringLiteral("ridesPerMonth"), months},
    }));
    return 0;
}
