#include "settings/SimulatorDiscovery.h"

#include "platform/ProgramFolder.h"
#include "settings/AppPaths.h"

#include <QDir>
#include <QFileInfo>

bool FolderHasFileIgnoringCase(const QString& folder, const QString& name)
{
    if (QFileInfo(WithFinalSeparator(folder) + name).isFile())
        return true;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& file : files)
        if (file.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

SimulatorDiscovery DiscoverSimulator(const Registry& registry)
{
    SimulatorDiscovery found;
    const QString key = QLatin1String(kSimulatorRegistryKey);
    const QString valueName = QLatin1String(kSimulatorRegistryValue);
    QString installPath;
    if (!registry.RegGetStringValue(kHkeyCurrentUser, key, valueName, installPath)) {
        found.WhyNot = QStringLiteral("no \"%1\" value under HKEY_CURRENT_USER\\%2 in %3")
                           .arg(valueName, key, registry.Describe());
        return found;
    }
    const QString folder = WithFinalSeparator(registry.LocalPath(installPath));
    if (folder.isEmpty()) {
        found.WhyNot = QStringLiteral("\"%1\" holds \"%2\", which is not a folder of this machine")
                           .arg(valueName, installPath);
        return found;
    }
    if (!FolderHasFileIgnoringCase(folder, QLatin1String(kSimulatorExeName))) {
        found.WhyNot = QStringLiteral("\"%1\" names %2, which holds no %3")
                           .arg(valueName, folder, QLatin1String(kSimulatorExeName));
        return found;
    }
    found.Folder = folder;
    return found;
}
