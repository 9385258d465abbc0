#pragma once
// The state the whole program shares: the media table, the settings, the current theme, the program
// folder and the selection. `main` owns the one instance and hands it to the windows; tests build their
// own in temporary folders.

#include <QString>

#include "library/MediaRecord.h"
#include "settings/AppSettings.h"
#include "theme/PreviousColors.h"
#include "theme/Theme.h"

// The record shown in the information panel and the list row that holds it.
struct MediaSelection {
    qint32 SelectedMediaIndex = -1;  // index into MediaList, -1 for none
    qint32 SelectedRowIndex = -1;    // row of the main list, -1 when unknown (after a search or a sort)
};

struct AppState {
    QString ProgramFolder;  // ends in a separator
    MediaTable Media;
    AppSettings Settings;
    Theme CurrentTheme;
    MediaSelection Selection;
    PreviousColors RecentColors;  // the colour picker's 25 previous colours, kept for the run only
};
