#include "settings/DefaultSettings.h"

#include "platform/Twips.h"
#include "settings/AppPaths.h"
#include "theme/ThemeFile.h"

#include <algorithm>
#include <cmath>
#include <iterator>

void SetDefaultSettings(AppSettings& settings, Theme& theme, const ScreenMetrics& screen,
                        const QString& programFolder, const SimulatorFinder& findSimulator)
{
    settings.NameReplaceUnderscores = true;
    settings.NameTrimSpaces = true;
    settings.NameAutoFormat = true;
    settings.NameBracketFilter = true;
    settings.NameDashFilter = true;
    settings.LargeViewWidth = 640;
    settings.LargeViewHeight = 480;
    settings.WindowState = 0;

    settings.WindowWidth = PixelsToTwips(640, screen.TwipsPerPixelX);
    settings.WindowHeight = PixelsToTwips(480, screen.TwipsPerPixelY);

    // Centred, rounded down (towards minus infinity on a screen smaller than the window).
    const int screenWidth = PixelsToTwips(screen.WidthPixels, screen.TwipsPerPixelX);
    const int screenHeight = PixelsToTwips(screen.HeightPixels, screen.TwipsPerPixelY);
    settings.WindowLeft = static_cast<qint32>(std::floor((screenWidth - settings.WindowWidth) * 0.5));
    settings.WindowTop = static_cast<qint32>(std::floor((screenHeight - settings.WindowHeight) * 0.5));

    constexpr qint32 kColumnWidths[] = {200, 100, 65, 65, 130, 50, 130};
    std::copy(std::begin(kColumnWidths), std::end(kColumnWidths), settings.ColumnWidths.begin());

    SetDefaultTheme(theme, settings.ThemeName);

    settings.MediaPaths.clear();

    settings.ThemePath = ThemesFolderPath(programFolder);
    settings.ThemeName = QStringLiteral("Default");

    const QString simulator = findSimulator ? findSimulator() : QString();
    settings.SimulatorPath = simulator;
    if (!simulator.isEmpty())
        settings.MediaPaths = QStringList{SimulatorTracksFolderPath(simulator)};
}
