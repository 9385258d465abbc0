#include "app/MainCommands.h"

#include "app/frmMain.h"

#include <algorithm>

namespace {

const DropMenuRow kDropMenus[kDropMenuCount] = {
    {"File", "lblFileMenu", "lineFileMenu", 'F'},
    {"View", "lblViewMenu", "lineViewMenu", 'V'},
    {"Help", "lblHelpMenu", "lineHelpMenu", 'H'},
};

using M = MainCommand;
using E = CommandEnable;
const MainCommandRow kCommands[] = {
    {M::ValidateMediaList, MainMenu::File, "Validate Media List", &frmMain::ValidateMediaList, E::Always, 0, false},
    {M::RestoreBackup, MainMenu::File, "Restore Backup...", &frmMain::RestoreBackup, E::Always, 0, false},
    {M::PassiveFileScan, MainMenu::File, "Start Passive File Scan", &frmMain::StartPassiveFileScan, E::Always, 0, true},
    {M::AggressiveFileScan, MainMenu::File, "Start Agressive File Scan", &frmMain::StartAggressiveFileScan, E::Always, 0, false},
    {M::Exit, MainMenu::File, "Exit", &frmMain::Exit, E::Always, 0, true},
    {M::TrakoraInformation, MainMenu::View, "Trakora Information", &frmMain::ShowInformation, E::Always, 0, false},
    {M::Settings, MainMenu::View, "Settings...", &frmMain::ShowSettings, E::Always, 0, true},
    {M::Statistics, MainMenu::View, "Statistics...", &frmMain::ShowLibraryStatistics, E::Always, 0, false},
    {M::HelpContents, MainMenu::Help, "Contents...", &frmMain::ShowHelpContents, E::Always, 0, false},
    {M::HomePage, MainMenu::Help, "Halvorn Studios", &frmMain::OpenHomePage, E::Always, 0, true},
    {M::CheckForUpdates, MainMenu::Help, "Check for Updates", &frmMain::CheckForUpdates, E::Always, 0, false},
    {M::About, MainMenu::Help, "About...", &frmMain::ShowAbout, E::Always, 0, true},
    {M::Ride, MainMenu::Bar, "Ride!", &frmMain::RideFile, E::Selection, 'R', false},
    {M::Edit, MainMenu::Bar, "Edit", &frmMain::StartEditor, E::SelectedTrack, 'E', false},
    {M::Terraform, MainMenu::Bar, "Terraform", &frmMain::StartTerraformer, E::SelectedTrack, 'T', false},
    {M::Folder, MainMenu::Bar, "Folder", &frmMain::ShowInFolder, E::Selection, 'O', false},
};

} // namespace

std::span<const DropMenuRow> DropMenus()
{
    return kDropMenus;
}

std::span<const MainCommandRow> MainCommands()
{
    return kCommands;
}

const MainCommandRow& CommandRow(MainCommand command)
{
    return *std::find_if(std::begin(kCommands), std::end(kCommands),
                         [command](const MainCommandRow& row) { return row.Command == command; });
}

int CommandLabelIndex(MainCommand command)
{
    const MainMenu menu = CommandRow(command).Menu;
    int index = menu == MainMenu::Bar ? kDropMenuCount : 0;
    for (const MainCommandRow& row : kCommands) {
        if (row.Command == command)
            break;
        if (row.Menu == menu)
            ++index;
    }
    return index;
}

QString CommandObjectName(MainCommand command)
{
    const MainMenu menu = CommandRow(command).Menu;
    const char* array = menu == MainMenu::Bar ? "lblMenu" : kDropMenus[int(menu)].EntryArray;
    return QLatin1String(array) + QString::number(CommandLabelIndex(command));
}

int AccessKeyIndex(const char* caption, char accessKey)
{
    if (accessKey == 0)
        return -1;
    return int(QLatin1String(caption).indexOf(QLatin1Char(accessKey), 0, Qt::CaseInsensitive));
}
