#include "dialogs/frmStatistics.h"

#include "controls/SystemColors.h"
#include "controls/ucFrame.h"
#include "controls/ucTextButton.h"
#include "dialogs/DialogText.h"
#include "dialogs/RidesChart.h"
#include "library/RowText.h"
#include "theme/Theme.h"

#include <QGuiApplication>
#include <QLabel>

namespace {

constexpr int kMargin = 8;
constexpr int kFormWidth = 560;
constexpr int kInnerWidth = kFormWidth - 2 * kMargin;
constexpr int kTitleHeight = 18;
constexpr int kRowHeight = 16;
constexpr int kFiguresHeight = kTitleHeight + 2 * kRowHeight + kMargin;
constexpr int kListWidth = (kInnerWidth - kMargin) / 2;
constexpr int kListHeight = kTitleHeight + kTopListLength * kRowHeight + kMargin;
constexpr int kChartHeight = 170;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kListTop = kMargin + kFiguresHeight + kMargin;
constexpr int kChartTop = kListTop + kListHeight + kMargin;
constexpr int kFormHeight = kChartTop + kChartHeight + kMargin + kButtonHeight + kMargin;

// Three figures on the first line, two on the second, each a caption and its number.
constexpr int kFigureColumnWidth = kInnerWidth / 3;
constexpr int kFigureCaptionWidth = 80;
const char* const kFigureCaptions[frmStatistics::kFigureCount] = {"Records:", "Tracks:", "Packages:",
                                                                  "Total rides:", "Never ridden:"};

QColor Resolve(OleColor color)
{
    return ToQColor(color, QGuiApplication::palette());
}

} // namespace

frmStatistics::frmStatistics(const LibraryStatistics& s, const Theme& theme, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Library Statistics..."));
    setFont(DialogText::Font());
    setFixedSize(kFormWidth, kFormHeight);

    ucFrame* figures = AddFrame(QStringLiteral("Library"), QRect(kMargin, kMargin, kInnerWidth, kFiguresHeight));
    const qint64 values[kFigureCount] = {s.Records, s.Tracks, s.Packages, s.TotalRides, s.NeverRidden};
    for (int i = 0; i < kFigureCount; ++i) {
        const int left = kMargin + (i % 3) * kFigureColumnWidth;
        const int top = kTitleHeight + 2 + (i / 3) * kRowHeight;
        auto* caption = new QLabel(QLatin1String(kFigureCaptions[i]), figures);
        caption->setGeometry(left, top, kFigureCaptionWidth, DialogText::kLineHeight);
        m_lblFigure[i] = new QLabel(FormatCount(values[i]), figures);
        m_lblFigure[i]->setGeometry(left + kFigureCaptionWidth, top, kFigureColumnWidth - kFigureCaptionWidth - kMargin,
                                    DialogText::kLineHeight);
        m_lblFigure[i]->setAccessibleName(QLatin1String(kFigureCaptions[i]) + QLatin1Char(' ') + m_lblFigure[i]->text());
    }

    FillTopList(AddFrame(QStringLiteral("Most Ridden"), QRect(kMargin, kListTop, kListWidth, kListHeight)),
                m_mostRidden, s.MostRidden, false);
    FillTopList(AddFrame(QStringLiteral("Recently Ridden"),
                         QRect(kFormWidth - kMargin - kListWidth, kListTop, kListWidth, kListHeight)),
                m_recent, s.RecentlyRidden, true);

    ucFrame* chartFrame = AddFrame(QStringLiteral("Last Rides per Month"),
                                   QRect(kMargin, kChartTop, kInnerWidth, kChartHeight));
    m_chart = new RidesChart(chartFrame);
    m_chart->setGeometry(kMargin, kTitleHeight + 2, kInnerWidth - 2 * kMargin, kChartHeight - kTitleHeight - 2 - kMargin);
    m_chart->SetMonths(s.RidesPerMonth);

    m_btnOkay = new ucTextButton(QStringLiteral("OK"), this);
    m_btnOkay->setGeometry(kFormWidth - kMargin - kButtonWidth, kFormHeight - kMargin - kButtonHeight,
                           kButtonWidth, kButtonHeight);
    connect(m_btnOkay, &ucTextButton::Click, this, &QDialog::accept);

    ApplyTheme(theme);
}

ucFrame* frmStatistics::AddFrame(const QString& title, const QRect& geometry)
{
    auto* frame = new ucFrame(this);
    frame->SetBorderStyle(1);
    frame->setGeometry(geometry);
    frame->setAccessibleName(title);
    auto* caption = new QLabel(title, frame);
    QFont bold = font();
    bold.setBold(true);
    caption->setFont(bold);
    caption->setGeometry(kMargin, 4, geometry.width() - 2 * kMargin, DialogText::kLineHeight);
    return frame;
}

void frmStatistics::FillTopList(ucFrame* frame, TopList& rows, const std::vector<RankedRecord>& ranked, bool byDate)
{
    const int valueWidth = byDate ? QFontMetrics(font()).horizontalAdvance(QStringLiteral("00/00/0000 00:00:00")) + 4
                                  : 60;
    const int titleWidth = kListWidth - 2 * kMargin - valueWidth - 4;
    for (int i = 0; i < kTopListLength; ++i) {
        const int top = kTitleHeight + 2 + i * kRowHeight;
        const bool shown = size_t(i) < ranked.size();
        const QString title = shown ? ranked[size_t(i)].Title : QString();
        const QString value = !shown ? QString() : byDate ? ranked[size_t(i)].RideDate : FormatCount(ranked[size_t(i)].RideCount);
        rows[i].Title = new QLabel(QFontMetrics(font()).elidedText(title, Qt::ElideRight, titleWidth), frame);
        rows[i].Title->setGeometry(kMargin, top, titleWidth, DialogText::kLineHeight);
        rows[i].Title->setToolTip(title);
        rows[i].Title->setAccessibleName(title + QLatin1Char(' ') + value);
        rows[i].Value = new QLabel(value, frame);
        rows[i].Value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows[i].Value->setGeometry(kListWidth - kMargin - valueWidth, top, valueWidth, DialogText::kLineHeight);
        rows[i].Title->setVisible(shown);
        rows[i].Value->setVisible(shown);
    }
}

void frmStatistics::ApplyTheme(const Theme& t)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Resolve(t.WindowFace));
    palette.setColor(QPalette::Active, QPalette::WindowText, Resolve(t.WindowText));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Resolve(t.WindowText));
    setPalette(palette);
    for (ucFrame* frame : findChildren<ucFrame*>())
        frame->SetColors(t.WindowGroup());
    m_btnOkay->SetColors(t.ButtonGroup());
    m_chart->SetColors(Resolve(t.ListBackground), Resolve(t.ListHighlight), Resolve(t.ListText));
}

void ShowStatistics(const MediaTable& table, const Theme& theme, QWidget* owner)
{
    frmStatistics statistics(ComputeLibraryStatistics(table.MediaList, QDate::currentDate()), theme, owner);
    statistics.exec();
}
