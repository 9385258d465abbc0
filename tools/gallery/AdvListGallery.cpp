#include "AdvListGallery.h"

#include "controls/ucAdvList.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <memory>

namespace {

struct ThemeColor {
    AdvListColor which;
    OleColor color;
};

const ThemeColor kDarkTheme[] = {
    {AdvListColor::ListBackground, RgbColor(30, 30, 34)},
    {AdvListColor::ListText, RgbColor(220, 220, 220)},
    {AdvListColor::Workspace, RgbColor(48, 48, 54)},
    {AdvListColor::Highlight, RgbColor(70, 110, 170)},
    {AdvListColor::HighlightText, RgbColor(255, 255, 255)},
    {AdvListColor::ButtonFace, RgbColor(62, 62, 68)},
    {AdvListColor::ButtonText, RgbColor(230, 230, 230)},
    {AdvListColor::ButtonShadow, RgbColor(36, 36, 40)},
    {AdvListColor::ButtonDarkShadow, RgbColor(14, 14, 16)},
    {AdvListColor::ButtonHighlight, RgbColor(84, 84, 92)},
    {AdvListColor::ButtonBrightHighlight, RgbColor(116, 116, 126)},
    {AdvListColor::HeaderFace, RgbColor(74, 58, 40)},
    {AdvListColor::HeaderText, RgbColor(255, 222, 170)},
    {AdvListColor::HeaderShadow, RgbColor(42, 32, 20)},
    {AdvListColor::HeaderDarkShadow, RgbColor(20, 14, 8)},
    {AdvListColor::HeaderHighlight, RgbColor(104, 84, 60)},
    {AdvListColor::HeaderBrightHighlight, RgbColor(150, 120, 84)},
};

void Fill(ucAdvList& list, int rows)
{
    const char* const names[] = {"Steel Phantom", "blue streak", "Anaconda", "10 Loops", "9 Inversions",
                                 "Wooden Warrior", "apex", "Zephyr", "Maverick", "Gravity Well"};
    for (int r = 0; r < rows; ++r) {
        list.AddRow(QStringLiteral("%1 %2\r\nAuthor %3\r\n%4\r\n%5\r\n06/%6/2004 12:00:00\r\n%7\r\n05/01/2004 "
                                   "09:30:00\r\n%8")
                        .arg(QString::fromLatin1(names[r % 10]))
                        .arg(r / 10 + 1)
                        .arg(QChar('A' + (r * 7) % 26))
                        .arg(r % 6)
                        .arg(r * 3 % 11)
                        .arg(r % 28 + 1, 2, 10, QLatin1Char('0'))
                        .arg(r % 3 == 0 ? "Package" : "Track")
                        .arg(r),
                    true);
    }
    list.Refresh();
}

void Press(ucAdvList& list, QEvent::Type type, const QPoint& pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, pos, list.mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&list, &event);
}

void Click(ucAdvList& list, const QPoint& pos)
{
    Press(list, QEvent::MouseButtonPress, pos);
    Press(list, QEvent::MouseButtonRelease, pos);
}

// A list laid out as the main window uses it, shown off-screen so that it has its real size.
std::unique_ptr<ucAdvList> MakeList(bool dark)
{
    auto list = std::make_unique<ucAdvList>();
    list->setAttribute(Qt::WA_DontShowOnScreen);
    list->resize(560, 260);
    list->show();
    if (dark) {
        list->SetCustomColors(true);
        for (const ThemeColor& c : kDarkTheme)
            list->SetColor(c.which, c.color);
    }
    list->SetHideLastColumn(true);
    const std::pair<const char*, int> columns[] = {{"Track Name", 150}, {"Author", 90},  {"Rating", 50},
                                                   {"Ridden", 50},      {"Ride Date", 125}, {"Type", 60},
                                                   {"Add Date", 125},   {"Key", 50}};
    for (const auto& [title, width] : columns)
        list->AddColumn(QString::fromLatin1(title), width == 50 ? 1 : 0, width);
    return list;
}

} // namespace

QList<std::pair<QString, QImage>> RenderAdvListGallery()
{
    QList<std::pair<QString, QImage>> shots;
    for (const bool dark : {false, true}) {
        const QString prefix = QStringLiteral("advlist_%1_").arg(dark ? "dark" : "default");
        const auto shot = [&](const QString& name, ucAdvList& list) {
            shots.append({prefix + name, list.grab().toImage()});
        };

        auto list = MakeList(dark);
        shot(QStringLiteral("empty"), *list);
        Fill(*list, 40);
        shot(QStringLiteral("filled"), *list);

        list->SortByColumn(0, false);
        shot(QStringLiteral("sorted_ascending"), *list);
        list->SortByColumn(0, true);
        shot(QStringLiteral("sorted_descending"), *list);

        for (const int row : {2, 3, 4, 7})
            list->SetSelected(row, true);
        list->SetListIndex(3);
        list->ScrollList(-10);
        shot(QStringLiteral("selected_rows"), *list);

        list->ScrollList(12);
        const QRect back = list->BarPieceRect(Qt::Horizontal, 2);
        Click(*list, QPoint(back.right() - 20, back.center().y()));
        Click(*list, QPoint(back.right() - 20, back.center().y()));
        shot(QStringLiteral("scrolled"), *list);

        list->ScrollList(-100);
        Click(*list, QPoint(back.left() + 20, back.center().y()));
        Click(*list, QPoint(back.left() + 20, back.center().y()));
        const QPoint header = list->HeaderCellRect(1).center();
        Press(*list, QEvent::MouseButtonPress, header);
        shot(QStringLiteral("pressed_header"), *list);
        Press(*list, QEvent::MouseButtonRelease, header);
    }
    return shots;
}
