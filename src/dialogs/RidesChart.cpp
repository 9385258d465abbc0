#include "dialogs/RidesChart.h"

#include "library/RowText.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kPad = 4;
constexpr int kBarGap = 2;
} // namespace

RidesChart::RidesChart(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Records last ridden per month"));
}

void RidesChart::SetMonths(std::vector<MonthRides> months)
{
    m_months = std::move(months);
    QStringList described;
    for (const MonthRides& m : m_months)
        described << QStringLiteral("%1 %2: %3").arg(QLocale::c().monthName(m.Month)).arg(m.Year).arg(m.Rides);
    setAccessibleDescription(described.join(QStringLiteral(", ")));
    update();
}

void RidesChart::SetColors(const QColor& back, const QColor& bar, const QColor& text)
{
    m_back = back;
    m_bar = bar;
    m_text = text;
    update();
}

qint32 RidesChart::Highest() const
{
    qint32 highest = 0;
    for (const MonthRides& m : m_months)
        highest = std::max(highest, m.Rides);
    return highest;
}

QRect RidesChart::PlotArea() const
{
    const QFontMetrics metrics(font());
    const int scaleWidth = metrics.horizontalAdvance(FormatCount(std::max(Highest(), 1))) + kPad;
    const int labelHeight = 2 * metrics.height();
    return QRect(kPad + scaleWidth + kPad, kPad + metrics.height() / 2,
                 std::max(width() - scaleWidth - 3 * kPad, 1),
                 std::max(height() - labelHeight - metrics.height() / 2 - 2 * kPad, 1));
}

QRect RidesChart::BarRect(int i) const
{
    if (i < 0 || i >= int(m_months.size()) || m_months[size_t(i)].Rides <= 0)
        return {};
    const QRect plot = PlotArea();
    const int count = int(m_months.size());
    const int left = plot.left() + plot.width() * i / count;
    const int right = plot.left() + plot.width() * (i + 1) / count - kBarGap;
    // Rounded up, so that a single ride among thousands still shows as a line.
    const qint64 rides = m_months[size_t(i)].Rides;
    const int barHeight = int((rides * plot.height() + Highest() - 1) / Highest());
    return QRect(QPoint(left, plot.bottom() - barHeight + 1), QPoint(std::max(right, left), plot.bottom()));
}

void RidesChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    const QRect plot = PlotArea();
    const QFontMetrics metrics(font());
    painter.setPen(m_text);

    // The scale: the highest count at the top (when there is one), 0 at the base line.
    const QRect scale(kPad, plot.top() - metrics.height() / 2, plot.left() - 2 * kPad, metrics.height());
    if (Highest() > 0)
        painter.drawText(scale, Qt::AlignRight | Qt::AlignVCenter, FormatCount(Highest()));
    painter.drawText(scale.translated(0, plot.height()), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    painter.drawLine(plot.bottomLeft() + QPoint(0, 1), plot.bottomRight() + QPoint(0, 1));

    // Every month is named under its bar when the names fit with room between them, otherwise
    // only the first month of each quarter; the year goes under each January and under the first
    // bar when the next January is not close by.
    const int count = int(m_months.size());
    const int slot = count > 0 ? plot.width() / count : 0;
    const bool everyMonth = metrics.horizontalAdvance(QStringLiteral("May")) + 6 <= slot;
    for (int i = 0; i < count; ++i) {
        painter.fillRect(BarRect(i), m_bar);
        const MonthRides& m = m_months[size_t(i)];
        const int left = plot.left() + plot.width() * i / count;
        const QRect label(left, plot.bottom() + 3, 3 * slot, metrics.height());
        if (everyMonth || m.Month % 3 == 1)
            painter.drawText(label, Qt::AlignLeft | Qt::AlignTop, QLocale::c().monthName(m.Month, QLocale::ShortFormat));
        if (m.Month == 1 || (i == 0 && m.Month <= 10))
            painter.drawText(label.translated(0, metrics.height()), Qt::AlignLeft | Qt::AlignTop, QString::number(m.Year));
    }
}
