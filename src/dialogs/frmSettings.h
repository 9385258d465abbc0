#pragma once
// frmSettings ("Ridevault Settings..."): the modal dialog in which the user edits AppSettings, on
// four tabs - "General" (name scheme, large preview size), "Media" (the media folders), "Theme"
// and "Advanced" (the simulator folder).
//
// The media folder list and "Defaults" change the settings at once; the other controls reach them
// only through "OK", which also loads and applies the chosen theme and saves the settings file.
// "Cancel" (and Escape, and the close box) reloads the settings file, undoing every change the
// dialog made to the settings; a theme already applied with "Apply" stays on screen. Without a
// settings file nothing is undone. Neither starts a scan.
//
// Keyboard: Ctrl+Tab and Ctrl+PgDn show the next page, Ctrl+Shift+Tab and Ctrl+PgUp the one before
// (both wrap around); the tab head takes the focus with Tab and moves with Left and Right. Enter is
// "OK" and Escape "Cancel" wherever the focus is, except on a button, which Enter presses. Delete
// in the media folder list is "Remove".
//
// A settings file that cannot be written is shown to the user; the settings stay in effect.
//
// Confirmations ask through frmMessageBox, folders through frmSelectFolder and the simulator's
// program through ShowOpenFileDialog; all three have test hooks, so every flow runs unattended.

#include "settings/AppSettings.h"
#include "settings/DefaultSettings.h"
#include "theme/Theme.h"

#include <QDialog>
#include <QList>

#include <functional>

class FolderDropList;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class ucTabContainer;
class ucTabHead;
class ucTextButton;

// What the dialog needs from the window that opens it, besides the settings and the theme.
struct SettingsDialogContext {
    QString ProgramFolder;          // holds the settings file; "..." starts there without a simulator
    ScreenMetrics Screen;           // "Defaults" centres the default window on this screen
    SimulatorFinder FindSimulator;  // "Defaults" looks for the simulator with it
    // Shows the current theme on the main window ("OK", "Apply"). May be empty.
    std::function<void()> ApplyTheme;
    // Shows the theme editor modally over owner ("Editor"); the theme list is read again after it.
    // May be empty.
    std::function<void(QWidget* owner)> EditThemes;
};

class frmSettings : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTabCount = 4;
    static constexpr int kNameSchemeCount = 5;

    frmSettings(AppSettings& settings, Theme& theme, SettingsDialogContext context, QWidget* owner = nullptr);

    // Copies the settings into every control.
    void LoadControls();
    void FillMediaPathList();
    void FillThemeList();
    void ShowSimulatorPath();

    // The commands, as their buttons run them.
    void PressOkay();
    void PressDefaults();
    void AddMediaPath();
    void RemoveMediaPaths();
    void ClearMediaPaths();
    void OpenThemeEditor();
    void ApplySelectedTheme();
    void BrowseSimulator();
    void AddDroppedFolders(const QStringList& folders);
    // "Cancel": the settings file read back, then the dialog closes.
    void reject() override;
    // The page `step` tabs after the current one, wrapping around.
    void StepPage(int step);

    // The controls, for tests and the gallery.
    ucTabHead* TabHead() const { return m_tabHead; }
    ucTabContainer* TabFrame(int index) const { return m_tabFrame[index]; }
    QCheckBox* NameSchemeCheck(int index) const { return m_chkNameScheme[index]; }
    QRadioButton* LargeViewSizeOptionButton(int index) const { return m_optLargeViewSize[index]; }
    FolderDropList* MediaPathList() const { return m_lstMediaPaths; }
    QListWidget* ThemeList() const { return m_lstThemes; }
    QLineEdit* TrakoraPathBox() const { return m_txtTrakoraPath; }
    // "Add", "Remove", "Clear"
    ucTextButton* MediaListButton(int index) const { return m_btnMediaList[index]; }
    // "Editor", "Apply"
    ucTextButton* ThemeButton(int index) const { return m_btnTheme[index]; }
    ucTextButton* BrowseButton() const { return m_btnBrowse; }
    ucTextButton* OkayButton() const { return m_btnOkay; }
    ucTextButton* CancelButton() const { return m_btnCancel; }
    ucTextButton* DefaultsButton() const { return m_btnDefaults; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildGeneralPage(QWidget* page);
    void BuildMediaPage(QWidget* page);
    void BuildThemePage(QWidget* page);
    void BuildAdvancedPage(QWidget* page);
    void ConnectCommands();
    void ConnectKeys();
    void ShowTabFrame(int index);
    // ThemeName from the theme list, then that theme loaded (the built-in one when it cannot be) and
    // applied: what "OK" and "Apply" share.
    void TakeAndApplyTheme();
    bool Confirm(const QString& text, const QString& caption);

    AppSettings& m_settings;
    Theme& m_theme;
    SettingsDialogContext m_context;

    ucTabHead* m_tabHead = nullptr;
    QList<ucTabContainer*> m_tabFrame;
    QList<QCheckBox*> m_chkNameScheme;
    QList<QRadioButton*> m_optLargeViewSize;
    FolderDropList* m_lstMediaPaths = nullptr;
    QList<ucTextButton*> m_btnMediaList;
    QListWidget* m_lstThemes = nullptr;
    QList<ucTextButton*> m_btnTheme;
    QLineEdit* m_txtTrakoraPath = nullptr;
    ucTextButton* m_btnBrowse = nullptr;
    ucTextButton* m_btnOkay = nullptr;
    ucTextButton* m_btnCancel = nullptr;
    ucTextButton* m_btnDefaults = nullptr;
};
