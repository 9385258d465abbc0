#pragma once
// The current theme: five fonts, 23 colours and the size of the screenshot preview. Everything the
// main window draws takes its colours and fonts from one of these.
//
// A Theme built by its constructor is blank (zero colours); DefaultTheme() is the built-in theme.

#include "theme/ColorGroup.h"
#include "theme/FontRecord.h"
#include "theme/OleColor.h"

struct Theme {
    FontRecord ListFont;    // media list rows and the search line ("List Font")
    FontRecord HeaderFont;  // list column headers ("Header Font")
    FontRecord InfoFont;    // information panel and status bar ("Info Font")
    FontRecord MenuFont;    // menu bar and drop-down menus ("Menu Font")
    FontRecord ButtonFont;  // text buttons ("Button Font")

    OleColor ListBackground = 0;
    OleColor ListText = 0;
    OleColor ListHighlight = 0;      // background of selected rows
    OleColor ListHighlightText = 0;  // text of selected rows

    // Each 3-D group has a face, a text colour, and two light and two dark edges (inner, outer).
    OleColor HeaderFace = 0;
    OleColor HeaderText = 0;
    OleColor HeaderHighlight = 0;
    OleColor HeaderBrightHighlight = 0;
    OleColor HeaderShadow = 0;
    OleColor HeaderDarkShadow = 0;

    OleColor ButtonFace = 0;
    OleColor ButtonText = 0;
    OleColor ButtonHighlight = 0;
    OleColor ButtonBrightHighlight = 0;
    OleColor ButtonShadow = 0;
    OleColor ButtonDarkShadow = 0;

    OleColor WindowFace = 0;
    OleColor WindowText = 0;
    OleColor WindowHighlight = 0;
    OleColor WindowBrightHighlight = 0;
    OleColor WindowShadow = 0;
    OleColor WindowDarkShadow = 0;

    OleColor ListScrollbarFiller = 0;  // list workspace and the corner between the scroll bars ("Scrollbar Filler")

    qint32 PreviewWidth = 0;   // screenshot preview box of the main window, in pixels
    qint32 PreviewHeight = 0;

    ColorGroup WindowGroup() const
    {
        return {WindowFace, WindowText, WindowHighlight, WindowBrightHighlight, WindowShadow, WindowDarkShadow};
    }
    ColorGroup ButtonGroup() const
    {
        return {ButtonFace, ButtonText, ButtonHighlight, ButtonBrightHighlight, ButtonShadow, ButtonDarkShadow};
    }
    ColorGroup HeaderGroup() const
    {
        return {HeaderFace, HeaderText, HeaderHighlight, HeaderBrightHighlight, HeaderShadow, HeaderDarkShadow};
    }

    bool operator==(const Theme&) const = default;
};
