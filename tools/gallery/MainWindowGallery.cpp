#include "MainWindowGallery.h"

#include "GalleryTheme.h"
#include "app/MainMenuBar.h"
#include "app/MainTimers.h"
#include "app/frmMain.h"
#include "controls/ucAdvList.h"
#include "library/MediaDatabase.h"
#include "session/AppState.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

namespace {

const char* const kTitles[] = {"Loop Master", "Big Drop", "Corkscrew Canyon", "Looping Star", "Zephyr",
                               "Dropzone", "Wild Mouse", "Helix", "Big Loop", "Quiet Ride",
                               "Thunder Run", "Night Flight", "Eagle Dive", "Sidewinder", "Vortex",
                               "Timber Wolf", "Blue Streak", "Comet", "Cyclone", "Twister"};
const char* const kAuthors[] = {"Anna", "John Smith", "", "Anna", "Mira", ""};

Theme DarkTheme()
{
    const GalleryTheme dark = DarkGalleryTheme();
    Theme t = DefaultTheme();
    t.WindowFace = t.ButtonFace = t.HeaderFace = dark.face;
    t.WindowText = t.ButtonText = t.HeaderText = dark.text;
    t.WindowHighlight = t.ButtonHighlight = t.HeaderHighlight = dark.highlight;
    t.WindowBrightHighlight = t.ButtonBrightHighlight = t.HeaderBrightHighlight = dark.brightHighlight;
    t.WindowShadow = t.ButtonShadow = t.HeaderShadow = dark.shadow;
    t.WindowDarkShadow = t.ButtonDarkShadow = t.HeaderDarkShadow = dark.darkShadow;
    t.ListBackground = RgbColor(30, 31, 35);
    t.ListText = RgbColor(226, 226, 220);
    t.ListHighlight = RgbColor(70, 110, 170);
    t.ListHighlightText = RgbColor(255, 255, 255);
    t.ListScrollbarFiller = RgbColor(40, 41, 46);
    return t;
}

// A sky-and-track picture, so the thumbnail shows a real stretched image.
void WriteScreenshot(const QString& path)
{
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(220, 235, 250));
    painter.fillRect(image.rect(), sky);
    painter.fillRect(0, 190, 320, 50, QColor(70, 140, 60));
    painter.setPen(QPen(QColor(200, 40, 40), 6));
    painter.drawArc(60, 60, 200, 220, 0, 180 * 16);
    painter.end();
    image.save(path);
}

void PressRow(ucAdvList* list, int row)
{
    const QPoint pos(30, list->RowsTop() + row * list->RowPitch() + 2);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, pos, list->mapToGlobal(pos), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &event);
    }
}

} // namespace

GalleryShots RenderMainWindowGallery()
{
    GalleryShots shots;
    for (const bool dark : {false, true}) {
        QTemporaryDir folder;
        const QString program = folder.path() + QStringLiteral("/");
        const QString media = program + QStringLiteral("Media/");
        QDir().mkpath(media);
        QDir().mkpath(program + QStringLiteral("Themes"));

        MediaTable table;
        for (int i = 0; i < 20; ++i) {
            MediaRecord r;
            r.FileType = i % 4 == 3 ? FileTypePackage : FileTypeTrack;
            r.TypeName = TypeNameOf(r.FileType);
            r.FilePath = media + QStringLiteral("track%1").arg(i) + (r.FileType ? ".tkpack" : ".tktrack");
            r.Title = QLatin1String(kTitles[i]);
            r.Author = QLatin1String(kAuthors[i % 6]);
            r.Rating = QString(i % 5 + 1, QLatin1Char('*'));
            r.RideCount = (i * 37) % 23;
            r.RideDate = r.RideCount ? QStringLiteral("%1/14/2024 19:%2:05").arg(i % 12 + 1, 2, 10, QLatin1Char('0')).arg(i + 10) : QString();
            r.AddDate = QStringLiteral("03/%1/2023 10:15:00").arg(i + 1, 2, 10, QLatin1Char('0'));
            r.Notes = i == 0 ? QStringLiteral("Best ridden at night.") : QString();
            table.Append(r);
        }
        if (!SaveMediaDatabase(table, program))
            qWarning("cannot write the gallery's database");
        WriteScreenshot(media + QStringLiteral("track0.bmp"));

        AppSettings settings;
        Theme theme;
        SetDefaultSettings(settings, theme, ScreenMetrics{1280, 1024, 15.0, 15.0}, program, [] { return QString(); });
        settings.WindowWidth = 760 * 15;
        settings.WindowHeight = 520 * 15;
        QString error;
        if (dark) {
            settings.ThemeName = QStringLiteral("Dark");
            if (!SaveTheme(DarkTheme(), settings.ThemePath, settings.ThemeName, &error))
                qWarning("gallery: %s", qPrintable(error));
        }
        if (!SaveSettings(settings, program, &error))
            qWarning("gallery: %s", qPrintable(error));

        AppState state;
        state.ProgramFolder = program;
        frmMain window(state, ScreenMetrics{1280, 1024, 15.0, 15.0}, [] { return QString(); });
        window.Timers().StopFileScan();
        const QString suffix = dark ? QStringLiteral("_dark") : QStringLiteral("_default");
        shots.append({QStringLiteral("mainwindow_filled") + suffix, window.grab().toImage()});

        auto* list = window.findChild<ucAdvList*>(QStringLiteral("alMain"));
        PressRow(list, window.FindRowByKey(0));  // "Loop Master", the track with a screenshot
        shots.append({QStringLiteral("mainwindow_selected") + suffix, window.grab().toImage()});

        window.MenuBar().OpenMenu(0);
        shots.append({QStringLiteral("mainwindow_file_menu") + suffix, window.grab().toImage()});
        // Opened from the keyboard, the first entry is the current one.
        window.MenuBar().OpenMenu(1, Qt::ShortcutFocusReason);
        shots.append({QStringLiteral("mainwindow_view_menu_keyboard") + suffix, window.grab().toImage()});
    }
    return shots;
}
