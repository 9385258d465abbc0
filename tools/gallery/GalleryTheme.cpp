#include "GalleryTheme.h"

#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTabContainer.h"
#include "controls/ucTabHead.h"
#include "controls/ucTextButton.h"

#include <QApplication>

QString GalleryTheme::Name() const
{
    return custom ? QStringLiteral("dark") : QStringLiteral("default");
}

void GalleryTheme::ApplyTo(ucFrame& frame) const
{
    if (!custom)
        return;
    frame.SetColorFace(face);
    frame.SetColorHighlight(highlight);
    frame.SetColorBrightHighlight(brightHighlight);
    frame.SetColorShadow(shadow);
    frame.SetColorDarkShadow(darkShadow);
}

void GalleryTheme::ApplyTo(ucTextButton& button) const
{
    if (!custom)
        return;
    button.SetColorFace(face);
    button.SetColorText(text);
    button.SetColorHighlight(highlight);
    button.SetColorBrightHighlight(brightHighlight);
    button.SetColorShadow(shadow);
    button.SetColorDarkShadow(darkShadow);
}

void GalleryTheme::ApplyTo(ucStatusBar& bar) const
{
    if (!custom)
        return;
    bar.SetColorFace(face);
    bar.SetColorText(text);
    bar.SetColorHighlight(brightHighlight);
    bar.SetColorShadow(darkShadow);
}

void GalleryTheme::ApplyTo(ucTabHead& head) const
{
    if (custom)
        head.SetCOLOR_BACKGROUND(face);
}

void GalleryTheme::ApplyTo(ucTabContainer& container) const
{
    if (custom)
        container.SetCOLOR_BACKGROUND(face);
}

GalleryTheme DefaultGalleryTheme()
{
    GalleryTheme theme;
    theme.palette = QApplication::palette();
    return theme;
}

GalleryTheme DarkGalleryTheme()
{
    GalleryTheme theme;
    theme.custom = true;
    theme.face = RgbColor(52, 54, 60);
    theme.text = RgbColor(226, 226, 220);
    theme.highlight = RgbColor(78, 80, 88);
    theme.brightHighlight = RgbColor(112, 116, 126);
    theme.shadow = RgbColor(34, 35, 39);
    theme.darkShadow = RgbColor(14, 14, 16);

    QPalette p;
    const QColor window(52, 54, 60);
    const QColor text(226, 226, 220);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(30, 31, 35));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(70, 110, 170));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, QColor(112, 116, 126));
    p.setColor(QPalette::Midlight, QColor(78, 80, 88));
    p.setColor(QPalette::Dark, QColor(34, 35, 39));
    p.setColor(QPalette::Shadow, QColor(14, 14, 16));
    theme.palette = p;
    return theme;
}
