#pragma once
// The main window's commands in one table: where each sits (a drop-down or the bar), its caption,
// the handler that runs it, when it is enabled and its access key. The menu bar builds its labels
// from it, the keyboard and assistive technology reach the commands through those labels, and the
// tests run commands by name. A new menu entry is one row in MainCommands.cpp.
//
// Labels keep the design's control arrays as object names: the bar's labels are lblMenu0..6 (the
// three drop-down titles, then the direct commands), a drop-down's entries are lblFileMenu0..,
// lblViewMenu0.., lblHelpMenu0.. in the order of the table.

#include <QString>

#include <span>

class frmMain;

enum class MainCommand {
    ValidateMediaList,
    RestoreBackup,
    PassiveFileScan,
    AggressiveFileScan,
    Exit,
    TrakoraInformation,
    Settings,
    Statistics,
    HelpContents,
    HomePage,
    CheckForUpdates,
    About,
    Ride,
    Edit,
    Terraform,
    Folder,
};

// The drop-downs in bar order; Bar is a direct command on the bar's right.
enum class MainMenu { File, View, Help, Bar };
inline constexpr int kDropMenuCount = 3;

enum class CommandEnable {
    Always,
    Selection,      // a record is selected
    SelectedTrack,  // a track is selected: the editor and the terraformer work on tracks only
};

struct DropMenuRow {
    const char* Caption;
    const char* EntryArray;  // the object name of its entries, before their index
    const char* LineArray;   // the same for its separator lines
    char AccessKey;          // Alt+AccessKey opens it
};

struct MainCommandRow {
    MainCommand Command;
    MainMenu Menu;
    const char* Caption;
    void (frmMain::*Handler)();
    CommandEnable Enable;
    char AccessKey;       // Alt+AccessKey runs it; 0 for none
    bool SeparatorAbove;  // a drop-down line directly above the entry
};

std::span<const DropMenuRow> DropMenus();
std::span<const MainCommandRow> MainCommands();
const MainCommandRow& CommandRow(MainCommand command);

// The position of the command's label among the labels of its drop-down, or among the bar's
// labels (after the drop-down titles), and the object name that follows from it.
int CommandLabelIndex(MainCommand command);
QString CommandObjectName(MainCommand command);
// Where the access key's letter is in the caption (the first one, letter case ignored); -1 for none.
int AccessKeyIndex(const char* caption, char accessKey);
