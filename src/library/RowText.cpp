#include "library/RowText.h"

QString FormatCount(qint64 value)
{
    // Computed on the magnitude as unsigned, so the most negative value has digits too.
    const bool negative = value < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude);
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3 + 1);
    if (negative)
        grouped += QLatin1Char('-');
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(',');
        grouped += digits[i];
    }
    return grouped;
}

QString BuildRowText(const MediaRecord& record, qint32 index)
{
    static const QString separator = QStringLiteral("\r\n");
    QString row;
    row.reserve(record.Title.size() + record.Author.size() + record.Rating.size() + record.RideDate.size()
                + record.AddDate.size() + 40);
    row += record.Title;
    row += separator;
    row += record.Author;
    row += separator;
    row += record.Rating;
    row += separator;
    row += FormatCount(record.RideCount);
    row += separator;
    row += record.RideDate;
    row += separator;
    row += TypeNameOf(record.FileType);
    row += separator;
    row += record.AddDate;
    row += separator;
    row += QString::number(index);
    return row;
}

bool RowTextMatches(QStringView rowText, QStringView searchText)
{
    return rowText.contains(searchText, Qt::CaseInsensitive);
}
