// frmMain: the commands that reach outside the window - riding, the simulator's programs, the file
// browser, help and web pages, and the dialogs of the View and Help menus.

#include "app/frmMain.h"
#include "dialogs/frmAbout.h"

void frmMain::RideFile()
{
}

void frmMain::CheckApps()
{
}

void frmMain::StartEditor()
{
}

void frmMain::StartTerraformer()
{
}

void frmMain::ShowInFolder()
{
}

void frmMain::ShowHelpContents()
{
}

void frmMain::OpenHomePage()
{
}

void frmMain::CheckForUpdates()
{
}

void frmMain::ShowInformation()
{
}

void frmMain::ShowSettings()
{
}

void frmMain::ShowAbout()
{
    frmAbout about(this);
    about.exec();
}
