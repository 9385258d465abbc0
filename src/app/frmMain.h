#pragma once
// frmMain: the program's main window ("Ridevault"), the library browser. It shows the media list
// (alMain) under a menu bar, an information panel and a search bar, with a status bar below, and
// drives the background work through its two timers (MainTimers).
//
// The window works on the program-wide state that main owns (AppState) and never keeps a copy of
// it. Its own layout is in pixels; twips appear only where the settings store them (the window
// rectangle) and where the list reports them (column widths), converted through platform/Twips.h.
//
// The window's files, by concern: frmMain.cpp (start-up, shutdown, keyboard), frmMainLayout.cpp
// (the controls and the resize layout), frmMainMenus.cpp (menu bar, drop-downs, File entries),
// frmMainList.cpp (list and search events), frmMainInfo.cpp (information panel and preview),
// frmMainTheme.cpp (ApplyTheme), frmMainCommands.cpp (commands that reach outside the window).

#include "controls/cDIB.h"
#include "ride/FindWindowByTitle.h"
#include "ride/Ride.h"
#include "ride/SimulatorMonitor.h"
#include "ride/SimulatorPrograms.h"
#include "settings/DefaultSettings.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

struct AppState;
struct OpenedFiles;
class ClickLabel;
class MainTimers;
class MediaListPresenter;
class PictureBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
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
    void RideFile();                  // ride the selected record
    qint32 FindRowByKey(qint32 key) const;
    void MenuEnabled(bool enabled);   // the record commands and the four information boxes
    // Files the core added from outside (command line, a second start): their rows, the first one
    // selected and shown, the status line, and the window brought to the front.
    void ShowOpenedFiles(const OpenedFiles& opened);

    // Makes the window look like the current theme, then lays it out (RefreshDisplay). Calling it
    // again with the same theme changes nothing.
    void ApplyTheme();

    // Commands of the menus.
    void MenuClick(int index);        // lblMenu(index): open a drop-down or run a command
    void FileMenuClick(int index);    // lblFileMenu(index)
    void ViewMenuClick(int index);
    void HelpMenuClick(int index);
    void StartFileScan(bool aggressive);
    void ValidateMediaList();
    void UpdateInfo();                // btnUpdateInfo: store the four edited fields
    void ShowPreview();               // the large preview of the shown screenshot

    // Commands that reach outside the window (frmMainCommands.cpp). CheckApps is the tick of
    // tmrCheckApps.
    void CheckApps();
    void StartEditor();
    void StartTerraformer();
    void ShowInFolder();
    void ShowHelpContents();
    void OpenHomePage();
    void CheckForUpdates();
    void ShowInformation();
    void ShowSettings();
    void ShowAbout();
    // The theme editor, modal over owner (the settings dialog's "Editor"); Apply and Save show the
    // edited theme on this window.
    void EditTheme(QWidget* owner);

    // State that the other parts of the program and the tests read.
    AppState& State() { return m_state; }
    int OpenMenuIndex() const { return m_openMenuIndex; }
    bool HasPreview() const { return m_hasPreview; }
    int InfoLineHeight() const { return m_infoLineHeight; }
    const cDIB& Screenshot() const { return m_screenshot; }
    MediaListPresenter& Rows() { return *m_rows; }
    MainTimers& Timers() { return *m_timers; }
    bool SimulatorWasRunning() const { return m_monitor.SimulatorWasRunning(); }

    // How the commands reach outside the window: program start, the zlib probe and the clock of
    // the ride (kept with the ride's InstalledTrack), and the search for the simulator's window.
    // The program keeps the real ones; tests put recorders in their place.
    RideContext& Rides() { return m_rides; }
    SimulatorMonitor::WindowFinder& SimulatorWindowFinder() { return m_findSimulatorWindow; }

protected:
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
    void CreateMenus();
    void CreateInfoPanel();
    void CreateSearchBar();
    // frmMainMenus.cpp
    void HideMenus();
    void MenuMouseMove(int index);
    void MenuLostFocus(int index);
    // frmMainList.cpp
    void SearchChanged();
    void ClearSearch();
    void ListMouseDown(int row);
    void ListSorted();
    // frmMainInfo.cpp
    void ShowScreenshot(const QStringList& candidates);
    void InfoFocus(int index, bool focused);
    void InfoEnter();
    // frmMainTheme.cpp
    void ApplyThemeColors();
    // frmMainCommands.cpp
    void StartTool(SimulatorProgram program);
    void RideOver();

    std::array<QWidget*, 4> InfoBoxes() const;

    AppState& m_state;
    double m_twipsPerPixelX = 15.0;
    double m_twipsPerPixelY = 15.0;
    // What the settings dialog's "Defaults" needs again after start-up.
    ScreenMetrics m_screen;
    SimulatorFinder m_findSimulator;

    // Form-level state.
    int m_openMenuIndex = -1;
    bool m_hasPreview = false;
    int m_infoLineHeight = 0;  // pixels; the line height of the information panel's font
    cDIB m_screenshot;         // the decoded screenshot, shared with the large preview

    // Menu bar.
    QWidget* fmeMenuArea = nullptr;
    std::array<ClickLabel*, 7> lblMenu{};
    std::array<ucFrame*, 3> fmeMenu{};
    std::array<std::vector<ClickLabel*>, 3> lblDropMenu;  // lblFileMenu, lblViewMenu, lblHelpMenu
    std::array<std::vector<QWidget*>, 3> lineDropMenu;    // lineFileMenu, lineViewMenu, lineHelpMenu

    // Information panel.
    ucFrame* fmeInfoArea = nullptr;
    std::array<QLabel*, 4> lblInfo{};
    std::array<QLineEdit*, 3> txtInfo{};  // Title, Author, Rating
    QPlainTextEdit* txtNotes = nullptr;   // txtInfo(3), Notes
    QLabel* lblFileInfo = nullptr;
    QLineEdit* txtFileInfo = nullptr;
    ucTextButton* btnUpdateInfo = nullptr;
    ucFrame* fmePreviewBorder = nullptr;
    PictureBox* pbPreview = nullptr;

    // Search bar, list and status bar.
    ucFrame* fmeSearchArea = nullptr;
    QLabel* lblSearch = nullptr;
    QLineEdit* txtSearch = nullptr;
    ucTextButton* btnClearSearch = nullptr;
    ucAdvList* alMain = nullptr;
    ucStatusBar* sbMain = nullptr;

    std::unique_ptr<MediaListPresenter> m_rows;
    std::unique_ptr<MainTimers> m_timers;

    // The ride and the simulator monitor (tmrCheckApps), frmMainCommands.cpp.
    RideContext m_rides;
    SimulatorMonitor::WindowFinder m_findSimulatorWindow = FindWindowByTitle;
    SimulatorMonitor m_monitor{[this] { RideOver(); }, [this] { ShowFileInfo(); },
                               [this](const QString& title) { return m_findSimulatorWindow(title); }};
};
