// frmMain: the menu bar, its three drop-downs, the File entries and which commands are enabled.

#include "app/ClickLabel.h"
#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucTextButton.h"
#include "library/MediaValidation.h"
#include "session/AppState.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

void frmMain::HideMenus()
{
    for (ucFrame* menu : fmeMenu)
        menu->hide();
}

void frmMain::MenuClick(int index)
{
    // Clicking the title of the open drop-down closes it and opens it again.
    HideMenus();
    QCoreApplication::processEvents();
    m_openMenuIndex = -1;
    switch (index) {
    case 0:
    case 1:
    case 2: {
        ucFrame* menu = fmeMenu[index];
        menu->move(lblMenu[index]->x() - 4, fmeMenuArea->height() - 4);
        menu->show();
        menu->raise();
        menu->setFocus(Qt::MouseFocusReason);
        m_openMenuIndex = index;
        break;
    }
    case 3:
        RideFile();
        break;
    case 4:
        StartEditor();
        break;
    case 5:
        StartTerraformer();
        break;
    case 6:
        ShowInFolder();
        break;
    default:
        break;
    }
}

void frmMain::MenuMouseMove(int index)
{
    // An open drop-down follows the mouse along the three titles.
    if (index < 3 && m_openMenuIndex >= 0 && index != m_openMenuIndex)
        MenuClick(index);
}

void frmMain::MenuLostFocus(int index)
{
    m_openMenuIndex = -1;
    fmeMenu[index]->hide();
}

void frmMain::FileMenuClick(int index)
{
    switch (index) {
    case 0:
        ValidateMediaList();
        break;
    case 1:
        StartFileScan(false);
        break;
    case 2:
        StartFileScan(true);
        break;
    case 3:
        close();
        break;
    default:
        break;
    }
}

void frmMain::ViewMenuClick(int index)
{
    if (index == 0)
        ShowInformation();
    else if (index == 1)
        ShowSettings();
}

void frmMain::HelpMenuClick(int index)
{
    switch (index) {
    case 0:
        ShowHelpContents();
        break;
    case 1:
        OpenHomePage();
        break;
    case 2:
        CheckForUpdates();
        break;
    case 3:
        ShowAbout();
        break;
    default:
        break;
    }
}

void frmMain::MenuEnabled(bool enabled)
{
    for (int i = 3; i <= 6; ++i)
        lblMenu[i]->setEnabled(enabled);
    for (QWidget* box : InfoBoxes())
        box->setEnabled(enabled);
    // The editor and the terraformer work on tracks only.
    const qint32 selected = m_state.Selection.SelectedMediaIndex;
    if (enabled && selected >= 0 && selected < m_state.Media.MediaCount()
        && m_state.Media.MediaList[selected].FileType == FileTypePackage) {
        lblMenu[4]->setEnabled(false);
        lblMenu[5]->setEnabled(false);
    }
}

void frmMain::StartFileScan(bool aggressive)
{
    m_timers->StartFileScan(aggressive);
}

void frmMain::ValidateMediaList()
{
    setCursor(Qt::WaitCursor);
    const qint32 removed = ::ValidateMediaList(m_state.Media, m_state.Settings.MediaPaths,
                                               [this] { m_rows->FillMediaList(); });
    // Keys are table indices: once records went, the shown record may no longer be the selected
    // index, so nothing stays selected.
    if (removed > 0) {
        m_state.Selection = MediaSelection{};
        btnUpdateInfo->setEnabled(false);
        MenuEnabled(false);
    }
    unsetCursor();
}
