#pragma once
// frmStatistics: "Library Statistics...", the overview of the media library.
//
//   frame "Library"          records, tracks, packages, total rides, never ridden
//   frame "Most Ridden"      the ten records with the most rides and their counts
//   frame "Recently Ridden"  the ten records ridden last and their ride dates
//   frame "Last Rides per Month"  the month chart (RidesChart) of the last two years
//   OK
//
// The window only shows what LibraryStatistics computed; it is drawn in the theme's window,
// button and list colours.

#include "library/LibraryStatistics.h"

#include <QDialog>

#include <array>

class QLabel;
class RidesChart;
class ucFrame;
class ucTextButton;
struct Theme;

class frmStatistics : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFigureCount = 5;

    frmStatistics(const LibraryStatistics& statistics, const Theme& theme, QWidget* owner = nullptr);

    QLabel* FigureLabel(int figure) const { return m_lblFigure[figure]; }
    // Row i of a top-ten list: the title and its count or date; hidden past the list's end.
    QLabel* MostRiddenTitle(int i) const { return m_mostRidden[i].Title; }
    QLabel* MostRiddenValue(int i) const { return m_mostRidden[i].Value; }
    QLabel* RecentTitle(int i) const { return m_recent[i].Title; }
    QLabel* RecentValue(int i) const { return m_recent[i].Value; }
    RidesChart* Chart() const { return m_chart; }
    ucTextButton* OkayButton() const { return m_btnOkay; }

private:
    struct ListRow {
        QLabel* Title = nullptr;
        QLabel* Value = nullptr;
    };
    using TopList = std::array<ListRow, kTopListLength>;

    ucFrame* AddFrame(const QString& title, const QRect& geometry);
    void FillTopList(ucFrame* frame, TopList& rows, const std::vector<RankedRecord>& ranked, bool byDate);
    void ApplyTheme(const Theme& theme);

    std::array<QLabel*, kFigureCount> m_lblFigure{};
    TopList m_mostRidden{};
    TopList m_recent{};
    RidesChart* m_chart = nullptr;
    ucTextButton* m_btnOkay = nullptr;
};

// Computes the statistics of the records as of today and shows them modally over owner.
void ShowStatistics(const MediaTable& table, const Theme& theme, QWidget* owner);
