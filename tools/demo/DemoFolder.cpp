#include "DemoFolder.h"

#include "DemoCatalogue.h"
#include "DemoPicture.h"

#include "library/AddMediaRecord.h"
#include "library/FileScan.h"
#include "library/MediaDatabase.h"
#include "platform/ProgramFolder.h"
#include "platform/Twips.h"
#include "ride/PackageWriter.h"
#include "settings/AppPaths.h"
#include "settings/DefaultSettings.h"
#include "settings/SettingsFile.h"
#include "theme/Theme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <functional>

namespace {

// The window the demo opens with: 960 x 640 pixels, centred on a 1280 x 800 screen.
constexpr ScreenMetrics kDemoScreen{1280, 800, 15.0, 15.0};
constexpr int kDemoWindowWidth = 960;
constexpr int kDemoWindowHeight = 640;

const QSize kBmpSize(400, 300);
const QSize kJpegSize(640, 480);
constexpr int kJpegQuality = 85;

class DemoWriter {
public:
    explicit DemoWriter(DemoWriteResult& result) : m_result(result) {}

    // Writes `bytes` to `path` unless the file already holds exactly them.
    void Write(const QString& path, const QByteArray& bytes)
    {
        if (!m_result.Error.isEmpty())
            return;
        ++m_result.FilesChecked;
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
            return;
        existing.close();
        QSaveFile file(path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly)
            || file.write(bytes) != bytes.size() || !file.commit()) {
            m_result.Error = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
            return;
        }
        ++m_result.FilesWritten;
    }

    // Runs `save` for `path` only when there is no such file yet.
    void WriteWhenMissing(const QString& path, const std::function<bool()>& save)
    {
        if (!m_result.Error.isEmpty())
            return;
        ++m_result.FilesChecked;
        if (QFileInfo::exists(path))
            return;
        if (!save()) {
            m_result.Error = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
            return;
        }
        ++m_result.FilesWritten;
    }

private:
    DemoWriteResult& m_result;
};

QByteArray TrackBytes(const QString& name)
{
    return QStringLiteral("Ridevault demo track: %1\n").arg(name).toUtf8();
}

QByteArray PackageBytes(const DemoMedia& media)
{
    std::vector<PackageSourceFile> files;
    files.push_back({QStringLiteral("tracks\\"), media.PackageTrack, TrackBytes(media.PackageTrack)});
    for (const DemoPackageFile& f : media.PackageFiles)
        files.push_back({f.Folder, f.Name, QStringLiteral("Ridevault demo file %1%2\n").arg(f.Folder, f.Name).toUtf8()});
    const QString name = QFileInfo(media.RelativePath).completeBaseName();
    return BuildPackage(files, {QStringLiteral("Ridevault demo package"), name, QStringLiteral("1.0")});
}

QByteArray ScreenshotBytes(const DemoShot& shot)
{
    const QString caption = QFileInfo(shot.Name).fileName();
    const bool night = caption.contains(QLatin1String("night"), Qt::CaseInsensitive);
    const bool bmp = shot.Format == ShotFormat::Bmp;
    const QImage picture = DrawDemoScreenshot(caption, bmp ? kBmpSize : kJpegSize, night);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, bmp ? "BMP" : "JPG", bmp ? -1 : kJpegQuality);
    return bytes;
}

AppSettings DemoSettings(const QString& programFolder, const QString& mediaFolder, const QString& simulatorPath)
{
    AppSettings settings;
    Theme theme;
    SetDefaultSettings(settings, theme, kDemoScreen, programFolder, [&] { return simulatorPath; });
    settings.WindowWidth = PixelsToTwips(kDemoWindowWidth, kDemoScreen.TwipsPerPixelX);
    settings.WindowHeight = PixelsToTwips(kDemoWindowHeight, kDemoScreen.TwipsPerPixelY);
    settings.WindowLeft = PixelsToTwips((kDemoScreen.WidthPixels - kDemoWindowWidth) / 2, kDemoScreen.TwipsPerPixelX);
    settings.WindowTop = PixelsToTwips((kDemoScreen.HeightPixels - kDemoWindowHeight) / 2, kDemoScreen.TwipsPerPixelY);
    settings.MediaPaths = QStringList{mediaFolder};
    return settings;
}

// Every media file as the program's own scan finds it, then the history of the few that have one.
MediaTable DemoDatabase(const QString& mediaFolder, const AppSettings& settings, const QDateTime& now)
{
    MediaTable table;
    FileScan scan;
    scan.StartFileScan(true, settings.MediaPaths);
    while (scan.FileScanStep(table, NameSchemeOf(settings), [](qint32) {})) {
    }
    for (const DemoMedia& media : DemoCatalogue()) {
        const QString path = QDir::cleanPath(mediaFolder + media.RelativePath);
        for (MediaRecord& record : table.MediaList) {
            if (QDir::cleanPath(record.FilePath) != path)
                continue;
            record.AddDate = FormatMediaDate(now.addDays(-40));
            record.RideCount = media.RideCount;
            if (media.RideCount > 0)
                record.RideDate = FormatMediaDate(now.addDays(-media.DaysSinceRide));
            record.Rating = media.Rating;
            record.Notes = media.Notes;
        }
    }
    return table;
}

} // namespace

QString DemoMediaFolder(const QString& root)
{
    return WithFinalSeparator(QDir(root).filePath(QStringLiteral("media")));
}

QString DemoProgramFolder(const QString& root)
{
    return WithFinalSeparator(QDir(root).filePath(QStringLiteral("program")));
}

DemoWriteResult WriteDemo(const QString& root, const QString& simulatorPath, const QDateTime& now)
{
    DemoWriteResult result;
    DemoWriter writer(result);
    const QString media = DemoMediaFolder(root);
    const QString screenshots = QDir(simulatorPath).filePath(QStringLiteral("Screenshots"));

    for (const DemoMedia& item : DemoCatalogue()) {
        const QString path = media + item.RelativePath;
        writer.Write(path, item.IsPackage() ? PackageBytes(item) : TrackBytes(QFileInfo(path).fileName()));
        for (const DemoShot& shot : item.Shots)
            writer.Write(shot.InSimulator ? QDir(screenshots).filePath(shot.Name) : media + shot.Name,
                         ScreenshotBytes(shot));
    }
    const QString program = DemoProgramFolder(root);
    const AppSettings settings = DemoSettings(program, media, simulatorPath);
    writer.WriteWhenMissing(SettingsFilePath(program),
                            [&] { return QDir().mkpath(program) && SaveSettings(settings, program); });
    writer.WriteWhenMissing(MediaDatabasePath(program),
                            [&] { return SaveMediaDatabase(DemoDatabase(media, settings, now), program); });
    return result;
}
