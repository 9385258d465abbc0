#pragma once
// The two looks the gallery shows: the system colours (every control left at its default colour
// references) and a dark theme of custom RGB colours applied to each control.

#include "theme/OleColor.h"

#include <QPalette>

class ucFrame;
class ucStatusBar;
class ucTabContainer;
class ucTabHead;
class ucTextButton;

struct GalleryTheme {
    bool custom = false;
    OleColor face = 0;
    OleColor text = 0;
    OleColor highlight = 0;
    OleColor brightHighlight = 0;
    OleColor shadow = 0;
    OleColor darkShadow = 0;
    // For the dialogs' own texts and fields, which draw with the palette.
    QPalette palette;

    QString Name() const;
    void ApplyTo(ucFrame& frame) const;
    void ApplyTo(ucTextButton& button) const;
    void ApplyTo(ucStatusBar& bar) const;
    void ApplyTo(ucTabHead& head) const;
    void ApplyTo(ucTabContainer& container) const;
};

GalleryTheme DefaultGalleryTheme();
GalleryTheme DarkGalleryTheme();
