#pragma once
// The stand-in program's one window.

#include "StandIn.h"

#include <QWidget>

class QLabel;

class StandInWindow : public QWidget {
    Q_OBJECT

public:
    StandInWindow(StandInKind kind, const StandInRequest& request, const QString& simulatorFolder);

    // Grabs the window into a BMP in the Screenshots folder; the path written, or "" on failure.
    QString takeScreenshot();

private:
    StandInKind m_kind;
    QString m_trackPath;
    QString m_simulatorFolder;
    QLabel* m_status = nullptr;
};
