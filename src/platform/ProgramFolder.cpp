#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString WithFinalSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder)
{
    const QFileInfo info(executableFolder);
    if (!executableFolder.isEmpty() && info.isDir() && info.isWritable() && InstalledDocumentFolder(executableFolder).isEmpty())
        return WithFinalSeparator(QDir::toNativeSeparators(executableFolder));
    return WithFinalSeparator(QDir::toNativeSeparators(userDataFolder));
}

QString InstalledDocumentFolder(const QString& executableFolder)
{
    if (executableFolder.isEmpty())
        return QString();
    const QString folder = QDir::cleanPath(executableFolder + QStringLiteral("/../share/doc/ridevault"));
    return QFileInfo(folder).isDir() ? QDir::toNativeSeparators(folder) : QString();
}

QString ProgramFolder()
{
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString chosen = ChooseProgramFolder(QCoreApplication::applicationDirPath(), userData);
    // The per-user folder may not exist on a first run; everything that follows writes into it.
    QDir().mkpath(chosen);
    return chosen;
}
