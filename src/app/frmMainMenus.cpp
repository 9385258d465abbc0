// frmMain: running the commands of the table, which are enabled, and the File entries.

#include "app/InfoPanel.h"
#include "app/MainMenuBar.h"
#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "dialogs/frmMessageBox.h"
#include "dialogs/frmRestoreBackup.h"
#include "library/MediaValidation.h"
#include "session/AppState.h"
#include "session/ProgramSession.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Keys are table indices: once the table changed, a record is found again by its path.
QString RecordPath(const MediaTable& table, qint32 index)
{
    return index >= 0 && index < table.MediaCount() ? table.MediaList[size_t(index)].FilePath : QString();
}

qint32 FindRecordByPath(const MediaTable& table, const QString& path)
{
    for (qint32 i = 0; i < table.MediaCount() && !path.isEmpty(); ++i) {
        if (table.MediaList[size_t(i)].FilePath == path)
            return i;
    }
    return -1;
}

} // namespace

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
    AskToStorePanelEdits();
    setCursor(Qt::WaitCursor);
    // Once records went, the selected record is found again before the list is refilled, or
    // nothing stays selected.
    MediaSelection& selection = m_state.Selection;
    const QString selectedPath = RecordPath(m_state.Media, selection.SelectedMediaIndex);
    ::ValidateMediaList(m_state.Media, m_state.Settings.MediaPaths, [&] {
        selection.SelectedMediaIndex = FindRecordByPath(m_state.Media, selectedPath);
        m_rows->ForgetGoneMarks();
        m_rows->FillMediaList();
    });
    m_timers->StartFingerprintFill();
    unsetCursor();
}

void frmMain::RestoreBackup()
{
    const std::vector<DatabaseBackup> backups = ProgramDatabaseBackups(m_state);
    const QString chosen = frmRestoreBackup::ChooseBackup(backups, m_state.CurrentTheme, this);
    const auto backup = std::find_if(backups.begin(), backups.end(),
                                     [&](const DatabaseBackup& b) { return b.File == chosen; });
    if (chosen.isEmpty() || backup == backups.end())
        return;
    const QStringList cells = frmRestoreBackup::RowCells(*backup);
    const MessageAnswer answer = frmMessageBox::ShowMessage(
        QStringLiteral("Restore the backup of %1 (%2 records)?\r\nThe database as it is now is kept as a backup "
                       "first, so this can be undone the same way.")
            .arg(cells[0], cells[1]),
        QStringLiteral("Confirm Restoring Backup..."), this, MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    AskToStorePanelEdits();
    const QString selectedPath = RecordPath(m_state.Media, m_state.Selection.SelectedMediaIndex);
    QString error;
    setCursor(Qt::WaitCursor);
    const bool restored = RestoreProgramDatabase(m_state, chosen, &error);
    if (restored) {
        m_timers->StartFingerprintFill();
        m_state.Selection.SelectedMediaIndex = FindRecordByPath(m_state.Media, selectedPath);
        m_rows->FillMediaList();
        if (m_state.Selection.SelectedMediaIndex >= 0)
            ShowFileInfo();
    }
    unsetCursor();
    if (!restored)
        frmMessageBox::ShowMessage(QStringLiteral("The backup could not be restored!\r\n%1\r\nThe database is "
                                                  "unchanged.").arg(error),
                                   QStringLiteral("Restore Failed..."), this, MessageIcon::Error, MessageButtons::OK);
}
