// frmMain: running the commands of the table, which are enabled, and the File entries.

#include "app/InfoPanel.h"
#include "app/MainMenuBar.h"
#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "library/MediaValidation.h"
#include "session/AppState.h"

#include <QCoreApplication>

void frmMain::Run(MainCommand command)
{
    if (!m_fmeMenuArea->IsEnabled(command))
        return;
    if (m_fmeMenuArea->OpenMenuIndex() >= 0) {
        m_fmeMenuArea->CloseMenus();
        QCoreApplication::processEvents();
    }
    (this->*CommandRow(command).Handler)();
}

int frmMain::OpenMenuIndex() const
{
    return m_fmeMenuArea->OpenMenuIndex();
}

void frmMain::MenuEnabled(bool enabled)
{
    const qint32 selected = m_state.Selection.SelectedMediaIndex;
    const bool isTrack = enabled && selected >= 0 && selected < m_state.Media.MediaCount()
        && m_state.Media.MediaList[size_t(selected)].FileType != FileTypePackage;
    m_fmeMenuArea->SetSelection(enabled, isTrack);
    m_fmeInfoArea->SetEditable(enabled);
}

void frmMain::StartFileScan(bool aggressive)
{
    m_timers->StartFileScan(aggressive);
}

void frmMain::StartPassiveFileScan()
{
    StartFileScan(false);
}

void frmMain::StartAggressiveFileScan()
{
    StartFileScan(true);
}

void frmMain::Exit()
{
    close();
}

void frmMain::ValidateMediaList()
{
    setCursor(Qt::WaitCursor);
    // Keys are table indices: once records went, the selected record is found again by its path
    // before the list is refilled, or nothing stays selected.
    MediaSelection& selection = m_state.Selection;
    const qint32 selected = selection.SelectedMediaIndex;
    const QString selectedPath = selected >= 0 && selected < m_state.Media.MediaCount()
        ? m_state.Media.MediaList[size_t(selected)].FilePath
        : QString();
    ::ValidateMediaList(m_state.Media, m_state.Settings.MediaPaths, [&] {
        selection.SelectedMediaIndex = -1;
        for (qint32 i = 0; i < m_state.Media.MediaCount() && !selectedPath.isEmpty(); ++i) {
            if (m_state.Media.MediaList[size_t(i)].FilePath == selectedPath) {
                selection.SelectedMediaIndex = i;
                break;
            }
        }
        m_rows->ForgetGoneMarks();
        m_rows->FillMediaList();
    });
    unsetCursor();
}
