#include "library/LibraryStatistics.h"

#include "library/RecordDate.h"

#include <algorithm>

namespace {

RankedRecord Ranked(const std::vector<MediaRecord>& records, qint32 index)
{
    const MediaRecord& r = records[size_t(index)];
    return RankedRecord{index, r.Title, r.RideCount, r.RideDate};
}

// The first kTopListLength indices by key from high to low, ties in index order.
template <typename Key>
std::vector<RankedRecord> TopTen(const std::vector<MediaRecord>& records, std::vector<std::pair<Key, qint32>> keyed)
{
    const auto higherFirst = [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    };
    const size_t length = std::min(keyed.size(), size_t(kTopListLength));
    std::partial_sort(keyed.begin(), keyed.begin() + std::ptrdiff_t(length), keyed.end(), higherFirst);
    std::vector<RankedRecord> top;
    for (size_t i = 0; i < length; ++i)
        top.push_back(Ranked(records, keyed[i].second));
    return top;
}

} // namespace

LibraryStatistics ComputeLibraryStatistics(const std::vector<MediaRecord>& records, QDate today)
{
    LibraryStatistics s;
    s.Records = qint32(records.size());

    const QDate first = QDate(today.year(), today.month(), 1).addMonths(1 - kChartMonths);
    for (int i = 0; i < kChartMonths; ++i) {
        const QDate month = first.addMonths(i);
        s.RidesPerMonth.push_back(MonthRides{month.year(), month.month(), 0});
    }

    std::vector<std::pair<qint32, qint32>> byCount;
    std::vector<std::pair<qint64, qint32>> byMoment;
    for (qint32 i = 0; i < s.Records; ++i) {
        const MediaRecord& r = records[size_t(i)];
        s.Tracks += r.FileType == FileTypeTrack ? 1 : 0;
        s.Packages += r.FileType == FileTypePackage ? 1 : 0;
        if (r.RideCount <= 0) {
            ++s.NeverRidden;  // whatever its RideDate says, it shows in no list and no month
            continue;
        }
        s.TotalRides += r.RideCount;
        byCount.emplace_back(r.RideCount, i);
        const qint64 moment = RecordMoment(r.RideDate);
        if (moment == 0)
            continue;
        byMoment.emplace_back(moment, i);
        const int day = int(moment / 1000000);
        const int monthsBack = (today.year() - day / 10000) * 12 + today.month() - day / 100 % 100;
        if (monthsBack >= 0 && monthsBack < kChartMonths)
            ++s.RidesPerMonth[size_t(kChartMonths - 1 - monthsBack)].Rides;
    }
    s.MostRidden = TopTen(records, std::move(byCount));
    s.RecentlyRidden = TopTen(records, std::move(byMoment));
    return s;
}
