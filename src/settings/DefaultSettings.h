#pragma once
// SetDefaultSettings: every setting to its default, so the program has a value for each even when
// there is no settings file. The start-up calls it before LoadSettings; the settings dialog's
// "Defaults" button calls it again. It resets the theme to the built-in one as well.

#include "settings/AppSettings.h"
#include "theme/Theme.h"

#include <QString>

#include <functional>

// The screen the default window is centred on. The program passes the primary screen's values.
struct ScreenMetrics {
    int WidthPixels = 0;
    int HeightPixels = 0;
    double TwipsPerPixelX = 15.0;
    double TwipsPerPixelY = 15.0;
};

// The simulator's folder (ending in a separator) or "" when there is none: the program passes
// DiscoverSimulator over the current user's registry, tests a temporary Wine prefix or a fixed answer.
using SimulatorFinder = std::function<QString()>;

// In this order: name-scheme flags on, a 640 x 480 large preview, a normal 640 x 480 pixel window
// centred on the screen (in twips), the column widths 200, 100, 65, 65, 130, 50, 130 (element 7 kept),
// the built-in theme, no media folders, ThemePath = programFolder's "Themes" folder and ThemeName
// "Default", and last the simulator: when found it is SimulatorPath and its "Tracks" folder the one
// media folder, else SimulatorPath is "".
void SetDefaultSettings(AppSettings& settings, Theme& theme, const ScreenMetrics& screen,
                        const QString& programFolder, const SimulatorFinder& findSimulator);
