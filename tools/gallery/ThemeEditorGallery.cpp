#include "ThemeEditorGallery.h"

#include "GalleryTheme.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmColorPicker.h"
#include "dialogs/frmEditTheme.h"
#include "settings/AppSettings.h"
#include "theme/ThemeFile.h"

namespace {

void ApplyGalleryTheme(QWidget& dialog, const GalleryTheme& look)
{
    dialog.setPalette(look.palette);
    for (ucTextButton* button : dialog.findChildren<ucTextButton*>())
        look.ApplyTo(*button);
}

// The dark look as a theme record: the gallery's dark group in all three 3-D groups, dark list
// colours, and larger, bolder fonts for the menu and the headers.
Theme DarkTheme(const GalleryTheme& look)
{
    Theme theme = DefaultTheme();
    for (OleColor* group : {&theme.HeaderFace, &theme.ButtonFace, &theme.WindowFace}) {
        group[0] = look.face;
        group[1] = look.text;
        group[2] = look.highlight;
        group[3] = look.brightHighlight;
        group[4] = look.shadow;
        group[5] = look.darkShadow;
    }
    theme.ListBackground = RgbColor(30, 31, 35);
    theme.ListText = RgbColor(226, 226, 220);
    theme.ListHighlight = RgbColor(70, 110, 170);
    theme.ListHighlightText = RgbColor(255, 255, 255);
    theme.ListScrollbarFiller = RgbColor(24, 24, 28);
    theme.MenuFont.SetSize(10);
    theme.MenuFont.SetBold(true);
    theme.HeaderFont.Name = QStringLiteral("Liberation Serif");
    theme.HeaderFont.SetSize(9);
    theme.HeaderFont.Italic = true;
    theme.PreviewWidth = 240;
    theme.PreviewHeight = 180;
    return theme;
}

} // namespace

GalleryShots RenderThemeEditorGallery()
{
    GalleryShots shots;
    for (const GalleryTheme& look : {DefaultGalleryTheme(), DarkGalleryTheme()}) {
        const QString suffix = QLatin1Char('_') + look.Name();
        AppSettings settings;
        Theme theme = look.custom ? DarkTheme(look) : DefaultTheme();
        PreviousColors previous;
        {
            frmEditTheme editor(theme, settings, previous, [] {});
            ApplyGalleryTheme(editor, look);
            shots.append({QStringLiteral("themeeditor") + suffix, editor.grab().toImage()});
        }
        {
            for (int i = 0; i < 6; ++i)
                previous.Add(RgbColor(40 * i, 200 - 30 * i, 120));
            frmColorPicker picker(previous);
            ApplyGalleryTheme(picker, look);
            frmColorPicker::SetNextAnswer(RgbColor(70, 110, 170));
            OleColor colour = RgbColor(128, 64, 32);
            picker.ChooseColor(colour, nullptr);
            shots.append({QStringLiteral("colorpicker_chosen") + suffix, picker.grab().toImage()});
        }
    }
    return shots;
}
