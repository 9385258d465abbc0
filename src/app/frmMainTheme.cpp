// frmMain: ApplyTheme, which hands every part its colours and fonts, measures the theme fonts and
// sets the sizes and vertical positions that follow from them, then runs the resize layout. System
// colour references (the default theme) are resolved against the desktop's palette: the program's
// own controls at every paint, labels and text boxes here, again whenever the palette changes.
//
// Every distance here is in pixels.

#include "app/InfoPanel.h"
#include "app/MainMenuBar.h"
#include "app/ThemedWidget.h"
#include "app/frmMain.h"
#include "controls/FontConvert.h"
#include "controls/TextMetrics.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTextButton.h"
#include "platform/Twips.h"
#include "session/AppState.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

void frmMain::ApplyTheme()
{
    const Theme& theme = m_state.CurrentTheme;
    ApplyThemeColors();

    // 1. Menu bar and drop-downs.
    m_fmeMenuArea->ApplyTheme(theme);

    // 2. The list's fonts (its colours came with ApplyThemeColors).
    m_alMain->SetListFont(theme.ListFont);
    m_alMain->SetHeaderFont(theme.HeaderFont);

    // 3. Information panel.
    m_fmeInfoArea->ApplyTheme(theme);

    // 4. Search line, centred on the clear button.
    const int x = 8;
    const int y = 4;
    FitButton(m_btnClearSearch, theme.ButtonFont);
    m_btnClearSearch->move(m_btnClearSearch->x(), y);
    const QFont listFont = ToQFont(theme.ListFont);
    const int searchHeight = CaptionTextHeight(listFont);
    const int searchTop = std::max(int(RoundHalfEven((m_btnClearSearch->height() - searchHeight) * 0.5 + y)), 4);
    FitLabel(m_lblSearch, listFont, searchHeight);
    m_lblSearch->move(x, searchTop);
    m_txtSearch->setFont(listFont);
    m_txtSearch->setGeometry(m_lblSearch->x() + m_lblSearch->width() + 4, searchTop, m_txtSearch->width(),
                             searchHeight);
    m_fmeSearchArea->resize(m_fmeSearchArea->width(),
                            std::max(m_btnClearSearch->height() + 8, searchTop + searchHeight + 4));

    // 5. Status bar (its height follows the font).
    m_sbMain->SetFont(theme.InfoFont);

    // 6.
    RefreshDisplay();
}

void frmMain::ApplyThemeColors()
{
    const Theme& t = m_state.CurrentTheme;
    SetBackColor(this, QPalette::Window, t.WindowFace);
    m_fmeMenuArea->ApplyThemeColors(t);

    // The list's scroll bars take the Window group, not the Button group.
    m_alMain->SetButtonColors(t.WindowGroup());
    m_alMain->SetColor(AdvListColor::ListBackground, t.ListBackground);
    m_alMain->SetColor(AdvListColor::ListText, t.ListText);
    m_alMain->SetColor(AdvListColor::Highlight, t.ListHighlight);
    m_alMain->SetColor(AdvListColor::HighlightText, t.ListHighlightText);
    m_alMain->SetColor(AdvListColor::Workspace, t.ListScrollbarFiller);
    m_alMain->SetHeaderColors(t.HeaderGroup());

    m_fmeInfoArea->ApplyThemeColors(t);

    // The search caption sits on the Window group's face, so it takes that group's text colour.
    m_fmeSearchArea->SetColors(t.WindowGroup());
    SetForeColor(m_lblSearch, QPalette::WindowText, t.WindowText);
    m_btnClearSearch->SetColors(t.ButtonGroup());
    SetForeColor(m_txtSearch, QPalette::Text, t.ListText);
    SetBackColor(m_txtSearch, QPalette::Base, t.ListBackground);

    // The status bar's two edges are the Window group's bright highlight and dark shadow.
    m_sbMain->SetColorFace(t.WindowFace);
    m_sbMain->SetColorText(t.WindowText);
    m_sbMain->SetColorHighlight(t.WindowBrightHighlight);
    m_sbMain->SetColorShadow(t.WindowDarkShadow);
}
