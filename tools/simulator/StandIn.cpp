#include "StandIn.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>

QString StandInName(StandInKind kind)
{
    switch (kind) {
    case StandInKind::Simulator:
        return QStringLiteral("TrakoraSimulator");
    case StandInKind::Editor:
        return QStringLiteral("TrakoraEditor");
    case StandInKind::Terraformer:
        return QStringLiteral("TrakoraTerraformer");
    }
    return {};
}

StandInRequest ParseStandInArguments(StandInKind kind, const QStringList& arguments)
{
    StandInRequest request;
    if (arguments.isEmpty())
        return request;
    if (kind == StandInKind::Simulator) {
        if (arguments.size() != 2 || arguments[0].compare(QLatin1String("-s"), Qt::CaseInsensitive) != 0)
            request.Error = QStringLiteral("expected: -s \"track file\"");
        else
            request.TrackPath = arguments[1];
    } else if (arguments.size() != 1) {
        request.Error = QStringLiteral("expected: \"track file\"");
    } else {
        request.TrackPath = arguments[0];
    }
    return request;
}

QString StandInWindowTitle(StandInKind kind, const QString& trackPath)
{
    const QString track = QFileInfo(trackPath).fileName();
    return track.isEmpty() ? StandInName(kind) : StandInName(kind) + QStringLiteral(" - ") + track;
}

namespace {

QString ScreenshotFolder(const QString& simulatorFolder)
{
    const QDir simulator(simulatorFolder);
    const QStringList folders = simulator.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& f : folders)
        if (f.compare(QLatin1String("Screenshots"), Qt::CaseInsensitive) == 0)
            return simulator.filePath(f);
    return simulator.filePath(QStringLiteral("Screenshots"));
}

} // namespace

QStringList FilesTheProgramReads(const QString& simulatorFolder)
{
    const QDir simulator(simulatorFolder);
    const QString screenshots = QFileInfo(ScreenshotFolder(simulatorFolder)).fileName() + QLatin1Char('/');
    QStringList files;
    const QStringList folders = simulator.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& folder : folders) {
        QDirIterator it(simulator.filePath(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = simulator.relativeFilePath(it.next());
            if (!relative.startsWith(screenshots))
                files << relative;
        }
    }
    files.sort(Qt::CaseInsensitive);
    return files;
}

QString SaveScreenshot(const QImage& picture, const QString& simulatorFolder, const QString& trackPath)
{
    const QString folder = ScreenshotFolder(simulatorFolder);
    if (!QDir().mkpath(folder))
        return {};
    QString base = QFileInfo(trackPath).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("Screenshot");
    QString path = QDir(folder).filePath(base + QStringLiteral(".bmp"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1 %2.bmp").arg(base).arg(n));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "BMP") || !file.commit())
        return {};
    return path;
}
