#pragma once
// MainMenuBar: the main window's menu bar (fmeMenuArea), built from the command table. Three titles
// open their drop-downs (fmeMenu, ucFrame panels that lie over the window below the bar); the
// direct commands sit right-aligned. It decides nothing about the commands beyond their enable rule:
// a chosen command leaves as CommandChosen, and the window runs it.
//
// Keyboard: F10 opens the first drop-down, Alt+F / Alt+V / Alt+H open theirs, Alt+R / Alt+E /
// Alt+T / Alt+O run "Ride!", "Edit", "Terraform", "Folder"; the letters are underlined while Alt is
// held. In an open drop-down Up and Down move along the entries, Left and Right to the neighbouring
// drop-down, Enter or Space runs the entry, and Escape closes it (FocusReturned).

#include "app/MainCommands.h"

#include <QWidget>

#include <array>
#include <vector>

class ClickLabel;
class ucFrame;
struct Theme;

class MainMenuBar : public QWidget {
    Q_OBJECT
public:
    // The drop-downs are children of window, created after the bar so that they lie on top.
    explicit MainMenuBar(QWidget* window);

    // Fonts, colours and sizes from the theme; the bar's height follows the menu font.
    void ApplyTheme(const Theme& theme);
    // Only the colours (the desktop's palette changed).
    void ApplyThemeColors(const Theme& theme);
    // Spans width; the direct commands keep 8 px to the right edge and 16 px between them.
    void Layout(int width);

    // Hides every drop-down, lets pending events run, then shows drop-down `menu` below its title
    // with the focus; by the keyboard its first entry is current. Opening the open one reopens it.
    void OpenMenu(int menu, Qt::FocusReason reason = Qt::MouseFocusReason);
    void CloseMenus();
    int OpenMenuIndex() const { return m_openMenuIndex; }

    // The enable rules of the table for the current selection.
    void SetSelection(bool hasSelection, bool isTrack);
    bool IsEnabled(MainCommand command) const;

    ClickLabel* Label(MainCommand command) const;
    ClickLabel* Title(int menu) const { return m_lblMenu[size_t(menu)]; }
    ucFrame* DropMenu(int menu) const { return m_fmeMenu[size_t(menu)]; }

Q_SIGNALS:
    void CommandChosen(MainCommand command);
    // Escape or a chosen entry in a drop-down, or a press on the empty bar: the list takes the
    // focus back.
    void FocusReturned();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateShortcuts(QWidget* window);
    void ChooseFromMenu(MainCommand command);
    void MoveCurrent(int step);
    void SetCurrentEntry(int entry);
    void ShowMnemonics(bool shown);
    bool DropMenuKey(int menu, int key);

    struct Entry {
        MainCommand Command;
        ClickLabel* Label;
    };
    std::vector<ClickLabel*> m_lblMenu;                     // the titles, then the direct commands
    std::vector<MainCommand> m_barCommands;                 // the command of m_lblMenu[kDropMenuCount + i]
    std::array<ucFrame*, kDropMenuCount> m_fmeMenu{};
    std::array<std::vector<Entry>, kDropMenuCount> m_entries;
    std::array<std::vector<QWidget*>, kDropMenuCount> m_lineMenu;  // separators, top to bottom
    std::array<std::vector<int>, kDropMenuCount> m_linesAbove;     // the entry below each separator
    int m_openMenuIndex = -1;
    int m_currentEntry = -1;  // the entry the keyboard is on in the open drop-down, or -1
    bool m_hasSelection = false;
    bool m_isTrack = false;
};
