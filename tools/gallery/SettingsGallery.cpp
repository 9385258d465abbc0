#include "SettingsGallery.h"

#include "GalleryTheme.h"
#include "controls/ucTabContainer.h"
#include "controls/ucTabHead.h"
#include "controls/ucTextButton.h"
#include "dialogs/FolderDropList.h"
#include "dialogs/frmSelectFolder.h"
#include "dialogs/frmSettings.h"
#include "settings/DefaultSettings.h"
#include "theme/ThemeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

void ApplyGalleryTheme(QWidget& dialog, const GalleryTheme& theme)
{
    dialog.setPalette(theme.palette);
    for (ucTextButton* button : dialog.findChildren<ucTextButton*>())
        theme.ApplyTo(*button);
    for (ucTabHead* head : dialog.findChildren<ucTabHead*>())
        theme.ApplyTo(*head);
    for (ucTabContainer* container : dialog.findChildren<ucTabContainer*>())
        theme.ApplyTo(*container);
}

void Touch(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

} // namespace

GalleryShots RenderSettingsGallery()
{
    QTemporaryDir root;
    const QString simulator = root.filePath(QStringLiteral("Trakora Coasters")) + QLatin1Char('/');
    for (const char* folder : {"Tracks", "Screenshots", "Objects", "Data"})
        QDir().mkpath(simulator + QLatin1String(folder));
    const QString program = root.filePath(QStringLiteral("Ridevault")) + QLatin1Char('/');
    QDir().mkpath(program + QStringLiteral("Themes"));
    for (const char* name : {"Midnight.rvltt", "Sunset.RVLTT", "Classic Grey.rvltt"})
        Touch(program + QStringLiteral("Themes/") + QLatin1String(name));

    AppSettings settings;
    Theme theme;
    SetDefaultSettings(settings, theme, ScreenMetrics{1280, 1024, 15, 15}, program, [&] { return simulator; });
    // Folders as a user's would read; the list shows them whether they exist or not.
    settings.SimulatorPath = QStringLiteral("/home/user/Games/Trakora Coasters/");
    settings.MediaPaths = QStringList{settings.SimulatorPath + QStringLiteral("Tracks/"),
                                      QStringLiteral("/home/user/Downloads/Coasters/")};
    settings.ThemeName = QStringLiteral("midnight");
    settings.LargeViewWidth = 1024;
    settings.LargeViewHeight = 768;
    settings.NameDashFilter = false;

    const char* const pageNames[frmSettings::kTabCount] = {"general", "media", "theme", "advanced"};
    GalleryShots shots;
    for (const GalleryTheme& look : {DefaultGalleryTheme(), DarkGalleryTheme()}) {
        const QString suffix = QLatin1Char('_') + look.Name();
        frmSettings dialog(settings, theme, SettingsDialogContext{program, {}, {}, {}, {}});
        ApplyGalleryTheme(dialog, look);
        dialog.MediaPathList()->item(1)->setSelected(true);
        for (int page = 0; page < frmSettings::kTabCount; ++page) {
            dialog.TabHead()->ShowTab(page);
            shots.append({QStringLiteral("settings_%1").arg(QLatin1String(pageNames[page])) + suffix,
                          dialog.grab().toImage()});
        }
        // The tab head as Tab leaves it: the current title framed.
        dialog.TabHead()->ShowTab(1);
        dialog.show();
        dialog.activateWindow();
        QCoreApplication::processEvents();
        dialog.TabHead()->setFocus(Qt::TabFocusReason);
        shots.append({QStringLiteral("settings_tabs_focused") + suffix, dialog.grab().toImage()});
        dialog.hide();
        frmSelectFolder chooser(simulator, UserDrives());
        ApplyGalleryTheme(chooser, look);
        shots.append({QStringLiteral("selectfolder") + suffix, chooser.grab().toImage()});
    }
    return shots;
}
