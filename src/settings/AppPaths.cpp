#include "settings/AppPaths.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString In(const QString& folder, const char* name)
{
    return WithFinalSeparator(folder) + QLatin1String(name);
}

} // namespace

QString SettingsFilePath(const QString& programFolder) { return In(programFolder, kSettingsFileName); }

QString ThemesFolderPath(const QString& programFolder)
{
    return In(programFolder, kThemesFolderName) + QDir::separator();
}

QString HelpFilePath(const QString& programFolder) { return In(programFolder, kHelpFileName); }

QString HelpDocumentPath(const QString& programFolder, const QString& executableFolder)
{
    const QString helpFile = HelpFilePath(programFolder);
    if (QFileInfo(helpFile).isFile())
        return helpFile;
    const QString beside = In(executableFolder, kHelpPageFileName);
    const QString installed = InstalledDocumentFolder(executableFolder);
    if (!QFileInfo(beside).isFile() && !installed.isEmpty())
        return In(installed, kHelpPageFileName);
    return beside;
}

QString SimulatorExePath(const QString& simulatorFolder) { return In(simulatorFolder, kSimulatorExeName); }

QString SimulatorTracksFolderPath(const QString& simulatorFolder)
{
    return In(simulatorFolder, kSimulatorTracksFolderName) + QDir::separator();
}
