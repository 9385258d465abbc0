#include "library/RecordDate.h"

namespace {

// The number written by count digits at `at`, or -1 when one of them is not a digit.
int DigitsAt(QStringView text, qsizetype at, int count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = text[at + i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

bool IsSeparatorAt(QStringView text, qsizetype at)
{
    return at < text.size() && !text[at].isDigit();
}

} // namespace

int RecordDay(QStringView stored)
{
    const int month = DigitsAt(stored, 0, 2);
    const int day = DigitsAt(stored, 3, 2);
    const int year = DigitsAt(stored, 6, 4);
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 0 || !IsSeparatorAt(stored, 2)
        || !IsSeparatorAt(stored, 5))
        return 0;
    return year * 10000 + month * 100 + day;
}

qint64 RecordMoment(QStringView stored)
{
    const int day = RecordDay(stored);
    if (day == 0)
        return 0;
    const int hour = DigitsAt(stored, 11, 2);
    const int minute = DigitsAt(stored, 14, 2);
    const int second = DigitsAt(stored, 17, 2);
    const bool timeReadable = hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60
                              && IsSeparatorAt(stored, 13) && IsSeparatorAt(stored, 16);
    const qint64 time = timeReadable ? hour * 10000 + minute * 100 + second : 0;
    return qint64(day) * 1000000 + time;
}
