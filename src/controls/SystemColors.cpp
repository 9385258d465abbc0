#include "controls/SystemColors.h"

#include "theme/ColorSpace.h"


#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifndef Q_OS_WIN
struct RoleOfIndex {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour index (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30) to the palette role that plays
// the same part in a Qt desktop. The 3-D edges follow the Windows order from light to dark:
// BTNHIGHLIGHT (20) Light, 3DLIGHT (22) Midlight, BTNSHADOW (16) Dark, 3DDKSHADOW (21) Shadow.
constexpr RoleOfIndex kRoles[31] = {
    {QPalette::Active, QPalette::Midlight},         // 0 scroll bar track
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Mid},            // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window background
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Button},           // 10 active border
    {QPalette::Inactive, QPalette::Button},         // 11 inactive border
    {QPalette::Active, QPalette::Mid},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 selection
    {QPalette::Active, QPalette::HighlightedText},  // 14 selected text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tooltip background
    {QPalette::Active, QPalette::Button},           // 25 (unused by Windows)
    {QPalette::Active, QPalette::Link},             // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},        // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},            // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
};
#endif

} // namespace

OleColor SystemColor(int index, const QPalette& palette)
{
#ifdef Q_OS_WIN
    Q_UNUSED(palette);
    return static_cast<OleColor>(GetSysColor(index));
#else
    if (index < 0 || index >= static_cast<int>(std::size(kRoles)))
        return 0;
    return FromQColor(palette.color(kRoles[index].group, kRoles[index].role));
#endif
}

OleColor TranslateColor(OleColor color, const QPalette& palette)
{
    return TranslateColor(color, [&palette](int index) { return SystemColor(index, palette); });
}

QColor ToQColor(OleColor color, const QPalette& palette)
{
    const OleColor rgb = TranslateColor(color, palette);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

OleColor FromQColor(const QColor& color)
{
    const QColor c = color.toRgb();
    return RgbColor(c.red(), c.green(), c.blue());
}
