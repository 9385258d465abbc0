// Windows: Explorer selects the file itself.

#include "platform/ShowInFileManager.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

void ShowInFileManager(const QString& filePath, const std::function<void(const QString& folder)>& openFolder)
{
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    // Explorer reads its own command line: the quotes belong right after the comma, which Qt's
    // argument quoting would not produce.
    explorer.setNativeArguments(QStringLiteral("/select,\"") + QDir::toNativeSeparators(filePath) + QLatin1Char('"'));
    if (!explorer.startDetached())
        openFolder(QFileInfo(filePath).absolutePath());
}
