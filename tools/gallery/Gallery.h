#pragma once
// Pictures of the program's controls and dialogs in the states a reviewer wants to see, each under
// the system colours and under a dark custom-colour theme, named like "frame_styles_dark".

#include <QImage>
#include <QList>
#include <QString>

#include <utility>

using GalleryShots = QList<std::pair<QString, QImage>>;

// Frames in every border style, text buttons (pressed, disabled, aligned), status bars with two
// fields, tab heads with four tabs over their containers, and a stretched drawing surface.
GalleryShots RenderControlsGallery();
// The message box with each icon and the Yes/No/Cancel set, the five-button set, the input box and
// the about box.
GalleryShots RenderDialogsGallery();
// Both of the above, the advanced list's own pictures, the settings dialog's (SettingsGallery.h),
// the theme editor's and colour picker's (ThemeEditorGallery.h), the main window's
// (MainWindowGallery.h) and the statistics window's (StatisticsGallery.h).
GalleryShots RenderGallery();

// Saves each picture as <folder>/<name>.png, creating the folder; returns the files written, or an
// empty list with error set when the folder or a file cannot be written.
QStringList WriteGallery(const GalleryShots& shots, const QString& folder, QString* error);
