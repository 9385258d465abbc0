// The parts of program start that are the same on every system.

#include "platform/ProgramStart.h"

#include "platform/WineLocale.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

bool IsWindowsExecutable(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.read(2) == "MZ";
}

QString DefaultWinePrefix()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}

QString ToWindowsPath(const QString& nativePath, const QString& winePrefix)
{
    // Compare canonical forms where they exist, so a path reached through a symbolic link still
    // lands on the drive that holds its target.
    auto canonical = [](const QString& path) {
        const QString c = QFileInfo(path).canonicalFilePath();
        return c.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : c;
    };
    const QString path = canonical(nativePath);

    QString bestDrive = QStringLiteral("z:");
    QString bestRoot = QStringLiteral("/");
    bool found = false;
    const QDir devices(winePrefix + QStringLiteral("/dosdevices"));
    const QStringList drives = devices.entryList({QStringLiteral("?:")}, QDir::AllEntries | QDir::System);
    for (const QString& drive : drives) {
        const QFileInfo link(devices.filePath(drive));
        if (!link.isDir())
            continue;
        const QString root = link.canonicalFilePath();
        const bool holds = root == QLatin1String("/") || path == root || path.startsWith(root + QLatin1Char('/'));
        if (holds && (!found || root.size() > bestRoot.size())) {
            bestDrive = drive;
            bestRoot = root;
            found = true;
        }
    }
    QString rest = path.mid(bestRoot == QLatin1String("/") ? 0 : bestRoot.size());
    if (rest.isEmpty())
        rest = QStringLiteral("/");
    return bestDrive.toUpper() + QString(rest).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

StartedProgram StartProgram(const ProgramStartPlan& plan)
{
    QProcess process;
    process.setProgram(plan.Executable);
    process.setArguments(plan.Arguments);
    process.setWorkingDirectory(plan.WorkingFolder);
    // A program under Wine (the plan runs "wine" only then) gets a locale that reads our UTF-8 paths.
    if (plan.Executable == QLatin1String("wine"))
        process.setProcessEnvironment(WineProcessEnvironment(QProcessEnvironment::systemEnvironment()));
    // The program outlives Ridevault and has its own window; it does not write into Ridevault's
    // terminal (Wine is chatty there) nor keep Ridevault's output open after Ridevault has ended.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 processId = 0;
    if (!process.startDetached(&processId))
        return {};
    return WatchStartedProcess(processId);
}

StartedProgram StartProgram(const ProgramCommand& command)
{
    return StartProgram(PlanProgramStart(command, DefaultWinePrefix()));
}
