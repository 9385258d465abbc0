#pragma once
// A main window on a temporary program folder: lay out the database, settings and media files the
// test needs, then open frmMain over its own AppState the way main does.

#include "TestFolder.h"

#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "app/frmMain.h"
#include "session/AppState.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class ucAdvList;

// 1280 x 1024 pixels at 15 twips per pixel (96 DPI), as the offscreen screen is.
ScreenMetrics TestScreen();

// A track (or package, by extension) record with a title, an author and a ride count.
MediaRecord TestRecord(const QString& path, const QString& title, const QString& author = QString(),
                       qint32 rideCount = 0);

class MainWindowFixture {
public:
    MainWindowFixture();

    QString ProgramFolder() const { return folder.path() + QLatin1Char('/'); }
    void WriteDatabase(const std::vector<MediaRecord>& records);
    // The settings file: the defaults of a first start, changed by edit.
    void WriteSettings(const std::function<void(AppSettings&, Theme&)>& edit);
    // Opens the window (closing a previous one without saving) and shows it.
    frmMain& Open();
    // Closes the window through its close box; true when it closed.
    bool Close();

    template <typename T>
    T* Child(const QString& name) const { return window->findChild<T*>(name); }
    ucAdvList* List() const;
    // The titles (cell 0) of the list's rows, top to bottom.
    QStringList ListTitles() const;
    // A point in the first cell of a row, and a left click there.
    QPoint RowPoint(int row) const;
    void ClickRow(int row) const;
    // A left click on the label of that name: a menu title or a drop-down's entry.
    void ClickLabel(const QString& name) const;
    // The text of one field of the status bar.
    QString StatusText(int field) const;

    TestFolder folder;
    AppState state;
    std::unique_ptr<frmMain> window;
};
