#pragma once
// frmMain: the program's main window ("Ridevault"), the library browser. It coordinates its parts:
// the menu bar (MainMenuBar), the information panel (InfoPanel), the search bar, the media list
// (alMain, its rows owned by MediaListPresenter) and the status bar, and drives the background work
// through its two timers (MainTimers). The parts talk to the window through signals; the window
// owns the selection and runs the commands of the command table (MainCommands.h).
//
// The window works on the program-wide state that main owns (AppState) and never keeps a copy of
// it. Its own layout is in pixels; twips appear only where the settings store them (the window
// rectangle) and where the list reports them (column widths), converted through platform/Twips.h.
//
// The window's files, by concern: frmMain.cpp (start-up, shutdown, events), frmMainLayout.cpp
// (the controls and the resize layout), frmMainMenus.cpp (running commands, which are enabled, the
// File entries), frmMainList.cpp (list, search and selection), frmMainInfo.cpp (information panel
// and preview), frmMainTheme.cpp (ApplyTheme), frmMainCommands.cpp (commands that reach outside
// the window), frmMainLive.cpp (the watched media folders).

#include "app/MainCommands.h"
#include "ride/FindWindowByTitle.h"
#include "ride/Ride.h"
#include "ride/SimulatorMonitor.h"
#include "ride/SimulatorPrograms.h"
#include "settings/DefaultSettings.h"

#include <QWidget>

#include <memory>

struct AppState;
class InfoPanel;
class LiveMediaFolders;
class MainMenuBar;
struct OpenedFiles;
class MainTimers;
class MediaListPresenter;
class QLabel;
class QLineEdit;
class ucAdvList;
class ucFrame;
class ucStatusBar;
class ucTextButton;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // Runs the whole start-up: settings and theme (through findSimulator for the defaults), the
    // columns, the window rectangle, the database, the list, the theme, then the monitor and a
    // passive scan. The caller shows the window.
    frmMain(AppState& state, const ScreenMetrics& screen, SimulatorFinder findSimulator, QWidget* parent = nullptr);
    ~frmMain() override;

    // Public methods.
    void RefreshDisplay();            // the resize layout, once
    void ShowFileInfo();              // the selected record into the information panel
    // Before anything replaces the information panel's fields: edits not yet stored with "Update"
    // are stored, or dropped (the panel shows the stored fields again), as the user answers
    // "Update <Title>?".
    void AskToStorePanelEdits();
    // The refresh after a ride: the whole record, or only the thumbnail while edits are pending.
    void RefreshAfterRide();
    qint32 FindRowByKey(qint32 key) const;
    void MenuEnabled(bool enabled);   // the record commands and the four information boxes
    // Files the core added from outside (command line, a second start): their rows, the first one
    // selected and shown, the status line, and the window brought to the front.
    void ShowOpenedFiles(const OpenedFiles& opened);

    // Makes the window look like the current theme, then lays it out (RefreshDisplay). Calling it
    // again with the same theme changes nothing.
    void ApplyTheme();

    // Runs a command of the table when its enable rule allows it, with every drop-down closed.
    void Run(MainCommand command);

    // The commands' handlers (the table's rows point here).
    void ValidateMediaList();
    void RestoreBackup();
    void StartPassiveFileScan();
    void StartAggressiveFileScan();
    void Exit();
    void RideFile();
    void StartEditor();
    void StartTerraformer();
    void ShowInFolder();
    void ShowHelpContents();
    void OpenHomePage();
    void CheckForUpdates();
    void ShowInformation();
    void ShowSettings();
    void ShowLibraryStatistics();
    void ShowAbout();

    void StartFileScan(bool aggressive);
    void UpdateInfo();                // btnUpdateInfo: store the four edited fields
    void ShowPreview();               // the large preview of the shown screenshot
    // The tick of tmrCheckApps.
    void CheckApps();
    // The theme editor, modal over owner (the settings dialog's "Editor"); Apply and Save show the
    // edited theme on this window.
    void EditTheme(QWidget* owner);

    // State that the other parts of the program and the tests read.
    AppState& State() { return m_state; }
    int OpenMenuIndex() const;
    bool HasPreview() const;
    MainMenuBar& MenuBar() { return *m_fmeMenuArea; }
    MediaListPresenter& Rows() { return *m_rows; }
    MainTimers& Timers() { return *m_timers; }
    LiveMediaFolders& LiveFolders() { return *m_live; }
    bool SimulatorWasRunning() const { return m_monitor.SimulatorWasRunning(); }

    // How the commands reach outside the window: program start, the zlib probe and the clock of
    // the ride (kept with the ride's InstalledTrack), and the search for the simulator's window.
    // The program keeps the real ones; tests put recorders in their place.
    RideContext& Rides() { return m_rides; }
    SimulatorMonitor::WindowFinder& SimulatorWindowFinder() { return m_findSimulatorWindow; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmMain.cpp
    void Form_Load(const ScreenMetrics& screen, const SimulatorFinder& findSimulator);
    bool Form_Unload();
    void RecordWindowRectangle();
    void ReportSaveFailure(const QStringList& paths);
    // frmMainLayout.cpp
    void CreateControls();
    void CreateSearchBar();
    // frmMainList.cpp
    void SearchChanged();
    void ClearSearch();
    void ListMouseDown(int row);
    void ListDoubleClick();
    void ListSorted();
    void RowsRefilled();
    qint32 SelectedRow();
    void ClearSelection();
    // frmMainTheme.cpp
    void ApplyThemeColors();
    // frmMainLive.cpp: the media folders' changes while the program runs
    void StartLiveFolders();
    void LiveFileAdded(const QString& path);
    void LiveFileGone(const QString& path);
    void LiveWatchLimitReached();
    // frmMainCommands.cpp
    void StartTool(SimulatorProgram program);
    void RideOver();

    AppState& m_state;
    double m_twipsPerPixelX = 15.0;
    double m_twipsPerPixelY = 15.0;
    // What the settings dialog's "Defaults" needs again after start-up.
    ScreenMetrics m_screen;
    SimulatorFinder m_findSimulator;

    // The window's parts, created once (frmMainLayout.cpp).
    MainMenuBar* m_fmeMenuArea = nullptr;
    InfoPanel* m_fmeInfoArea = nullptr;
    ucFrame* m_fmeSearchArea = nullptr;
    QLabel* m_lblSearch = nullptr;
    QLineEdit* m_txtSearch = nullptr;
    ucTextButton* m_btnClearSearch = nullptr;
    ucAdvList* m_alMain = nullptr;
    ucStatusBar* m_sbMain = nullptr;
    int m_pressedRow = -1;  // the row under the last press on the list, -1 for none

    std::unique_ptr<MediaListPresenter> m_rows;
    std::unique_ptr<MainTimers> m_timers;
    std::unique_ptr<LiveMediaFolders> m_live;
    bool m_liveLimitShown = false;  // the status bar said once that the folders are no longer watched

    // The ride and the simulator monitor (tmrCheckApps), frmMainCommands.cpp.
    RideContext m_rides;
    SimulatorMonitor::WindowFinder m_findSimulatorWindow = FindWindowByTitle;
    SimulatorMonitor m_monitor{[this] { RideOver(); }, [this] { RefreshAfterRide(); },
                               [this](const QString& title) { return m_findSimulatorWindow(title); }};
};
