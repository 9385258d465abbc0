#pragma once
// The month chart of the statistics window: one bar per month, oldest on the left, the highest
// count written at the top of the scale, the month names under the bars (only each quarter's first
// when they do not all fit) and the year under each January. Drawn by hand in the colours it is
// given, so it follows the theme like the program's own controls.

#include "library/LibraryStatistics.h"

#include <QColor>
#include <QWidget>

#include <vector>

class RidesChart : public QWidget {
    Q_OBJECT
public:
    explicit RidesChart(QWidget* parent = nullptr);

    void SetMonths(std::vector<MonthRides> months);
    const std::vector<MonthRides>& Months() const { return m_months; }
    void SetColors(const QColor& back, const QColor& bar, const QColor& text);

    // The rectangle of month i's bar (empty for a month without rides), for tests and pictures.
    QRect BarRect(int i) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect PlotArea() const;
    qint32 Highest() const;

    std::vector<MonthRides> m_months;
    QColor m_back = Qt::white;
    QColor m_bar = Qt::darkBlue;
    QColor m_text = Qt::black;
};
