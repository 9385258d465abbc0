// frmMain: the commands that reach outside the window - riding, the simulator's programs, the file
// browser, help and web pages, and the dialogs of the View and Help menus.

#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "controls/ucStatusBar.h"
#include "dialogs/OpenDocument.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmEditTheme.h"
#include "dialogs/frmInfo.h"
#include "dialogs/frmMessageBox.h"
#include "dialogs/frmSettings.h"
#include "dialogs/frmStatistics.h"
#include "library/MediaDatabase.h"
#include "platform/ShowInFileManager.h"
#include "ride/AppFileInfo.h"
#include "ride/CleanupInstalledFiles.h"
#include "session/AppState.h"
#include "settings/AppPaths.h"
#include "settings/MakerWebSite.h"

#include <QCoreApplication>

namespace {

const MediaRecord* SelectedRecord(const AppState& state)
{
    const qint32 index = state.Selection.SelectedMediaIndex;
    return index >= 0 && index < state.Media.MediaCount() ? &state.Media.MediaList[size_t(index)] : nullptr;
}

QString RideOverText(qsizetype removedFiles)
{
    if (removedFiles == 0)
        return QStringLiteral("Ride over.");
    return QStringLiteral("Ride over: %1 installed file%2 removed.")
        .arg(removedFiles)
        .arg(removedFiles == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

void frmMain::RideFile()
{
    MediaSelection& selection = m_state.Selection;
    const RidePlaces places{m_state.Settings.SimulatorPath, m_state.ProgramFolder,
                            MediaDatabasePath(m_state.ProgramFolder)};
    const RideResult result
        = RideMediaRecord(m_state.Media, selection.SelectedMediaIndex, places, m_rides, [&](qint32 index) {
              selection.SelectedRowIndex = SelectedRow();
              m_rows->RewriteRecordRow(index, selection.SelectedRowIndex);
          });
    if (const std::optional<RideMessage> message = RideFailureMessage(result.Outcome)) {
        frmMessageBox::ShowMessage(message->Text, message->Title, this,
                                   message->IsError ? MessageIcon::Error : MessageIcon::Warning, MessageButtons::OK);
        return;
    }
    if (result.Outcome == RideOutcome::NothingSelected)
        return;
    m_monitor.Watch(result.Simulator);
    m_sbMain->UpdateField(0, result.Outcome == RideOutcome::Started
                               ? QStringLiteral("Riding %1...").arg(SelectedRecord(m_state)->Title)
                               : QStringLiteral("The simulator could not be started."));
    if (!result.DatabaseSaved)
        ReportSaveFailure({places.DatabaseFile});
}

void frmMain::CheckApps()
{
    m_monitor.Tick();
}

// The simulator's window has gone: what the package installed goes too (from the simulator folder
// as it is set now, in case the user changed it during the ride).
void frmMain::RideOver()
{
    const CleanupResult removed = CleanupInstalledFiles(m_state.Settings.SimulatorPath, m_state.ProgramFolder);
    m_sbMain->UpdateField(0, RideOverText(removed.deleted.size()));
}

void frmMain::StartTool(SimulatorProgram program)
{
    if (const MediaRecord* record = SelectedRecord(m_state))
        StartSimulatorTool(m_state.Settings.SimulatorPath, program, record->FilePath, m_rides.StartProgram);
}

void frmMain::StartEditor()
{
    StartTool(SimulatorProgram::Editor);
}

void frmMain::StartTerraformer()
{
    StartTool(SimulatorProgram::Terraformer);
}

void frmMain::ShowInFolder()
{
    if (const MediaRecord* record = SelectedRecord(m_state))
        ShowInFileManager(record->FilePath, [](const QString& folder) { OpenDocument(folder); });
}

void frmMain::ShowHelpContents()
{
    OpenDocument(HelpDocumentPath(m_state.ProgramFolder, QCoreApplication::applicationDirPath()));
}

void frmMain::OpenHomePage()
{
    OpenDocument(QLatin1String(kMakerHomePage));
}

void frmMain::CheckForUpdates()
{
    OpenDocument(VersionCheckAddress());
}

void frmMain::ShowInformation()
{
    frmInfo info(SimulatorVersionTexts(m_state.Settings.SimulatorPath), this);
    info.exec();
}

void frmMain::ShowLibraryStatistics()
{
    ShowStatistics(m_state.Media, m_state.CurrentTheme, this);
}

void frmMain::ShowSettings()
{
    SettingsDialogContext context;
    context.ProgramFolder = m_state.ProgramFolder;
    context.Screen = m_screen;
    context.FindSimulator = m_findSimulator;
    context.ApplyTheme = [this] { ApplyTheme(); };
    context.EditThemes = [this](QWidget* owner) { EditTheme(owner); };
    frmSettings settings(m_state.Settings, m_state.CurrentTheme, std::move(context), this);
    settings.exec();
    AskToStorePanelEdits();
    ShowFileInfo();
    StartLiveFolders();  // the media folders may have changed
}

void frmMain::ShowAbout()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::EditTheme(QWidget* owner)
{
    frmEditTheme::EditTheme(m_state.CurrentTheme, m_state.Settings, m_state.RecentColors, [this] { ApplyTheme(); },
                            owner);
}
