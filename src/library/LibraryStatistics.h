#pragma once
// The library overview: how many records of each kind, how often they were ridden, the ten most
// ridden and the ten most recently ridden, and the rides of the last two years month by month.
//
// The database keeps one RideDate per record, the date of its last ride, so the month chart counts
// for each month the records whose last ride falls in it; earlier rides of the same record left no
// date behind.

#include "library/MediaRecord.h"

#include <QDate>
#include <QString>

#include <vector>

inline constexpr int kTopListLength = 10;
inline constexpr int kChartMonths = 24;

struct RankedRecord {
    qint32 Index = 0;   // in MediaList
    QString Title;
    qint32 RideCount = 0;
    QString RideDate;   // as stored

    bool operator==(const RankedRecord&) const = default;
};

struct MonthRides {
    int Year = 0;
    int Month = 0;   // 1..12
    qint32 Rides = 0;  // records last ridden in that month

    bool operator==(const MonthRides&) const = default;
};

struct LibraryStatistics {
    qint32 Records = 0;
    qint32 Tracks = 0;
    qint32 Packages = 0;       // the rest of Records is of unknown type
    qint64 TotalRides = 0;     // sum of the RideCounts above zero
    qint32 NeverRidden = 0;    // RideCount zero (or below)
    // RideCount from high to low; equal counts in record order. Never-ridden records are left out.
    std::vector<RankedRecord> MostRidden;
    // RideDate (day and time) from late to early; equal moments in record order. Never-ridden
    // records and records without a readable RideDate are left out, here and in the chart.
    std::vector<RankedRecord> RecentlyRidden;
    // kChartMonths months, oldest first, the last one being the month of `today`.
    std::vector<MonthRides> RidesPerMonth;
};

LibraryStatistics ComputeLibraryStatistics(const std::vector<MediaRecord>& records, QDate today);
