#include "StatisticsGallery.h"

#include "GalleryTheme.h"
#include "dialogs/frmStatistics.h"
#include "theme/ThemeFile.h"

namespace {

const char* const kTitles[] = {"Loop Master", "Big Drop", "Corkscrew Canyon", "Looping Star", "Zephyr",
                               "Dropzone", "Wild Mouse", "Helix", "Big Loop", "Quiet Ride",
                               "Thunder Run", "Night Flight", "Eagle Dive", "Sidewinder", "Vortex",
                               "Timber Wolf", "Blue Streak", "Comet", "Cyclone", "Twister"};

std::vector<MediaRecord> MadeUpLibrary()
{
    std::vector<MediaRecord> records;
    for (int i = 0; i < 40; ++i) {
        MediaRecord r;
        r.Title = QLatin1String(kTitles[i % 20]) + (i >= 20 ? QStringLiteral(" II") : QString());
        r.FileType = i % 7 == 3 ? FileTypePackage : FileTypeTrack;
        r.RideCount = i % 6 == 5 ? 0 : (i * 37) % 61 + 1;
        if (r.RideCount > 0) {
            const QDate day = QDate(2026, 12, 7).addDays(-((i * 53) % 700));
            r.RideDate = day.toString(QStringLiteral("MM/dd/yyyy")) + QStringLiteral(" 1%1:2%2:00").arg(i % 10).arg(i % 6);
        }
        records.push_back(r);
    }
    return records;
}

// The dark look of the other pictures, in the colours this window uses.
Theme DarkStatisticsTheme()
{
    const GalleryTheme dark = DarkGalleryTheme();
    Theme t = DefaultTheme();
    t.WindowFace = t.ButtonFace = dark.face;
    t.WindowText = t.ButtonText = dark.text;
    t.WindowHighlight = t.ButtonHighlight = dark.highlight;
    t.WindowBrightHighlight = t.ButtonBrightHighlight = dark.brightHighlight;
    t.WindowShadow = t.ButtonShadow = dark.shadow;
    t.WindowDarkShadow = t.ButtonDarkShadow = dark.darkShadow;
    t.ListBackground = RgbColor(30, 31, 35);
    t.ListText = RgbColor(226, 226, 220);
    t.ListHighlight = RgbColor(70, 110, 170);
    return t;
}

} // namespace

GalleryShots RenderStatisticsGallery()
{
    const QDate today(2026, 12, 7);
    const LibraryStatistics filled = ComputeLibraryStatistics(MadeUpLibrary(), today);
    GalleryShots shots;
    {
        frmStatistics window(filled, DefaultTheme());
        shots.append({QStringLiteral("statistics_default"), window.grab().toImage()});
    }
    {
        frmStatistics window(filled, DarkStatisticsTheme());
        shots.append({QStringLiteral("statistics_dark"), window.grab().toImage()});
    }
    {
        frmStatistics window(ComputeLibraryStatistics({}, today), DefaultTheme());
        shots.append({QStringLiteral("statistics_empty_default"), window.grab().toImage()});
    }
    return shots;
}
