#pragma once
// The demo that the build writes (and scripts/run.sh starts when no simulator is installed):
//
//   <root>/media/    the tracks, packages and screenshots of DemoCatalogue()
//   <root>/program/  a program folder: the settings point SimulatorPath at the stand-in simulator
//                    folder and MediaPaths at media/, and the database already lists every file
//
// Writing is idempotent: a media file or screenshot is rewritten only when its bytes differ, and
// the settings and database are written only when missing, so what a user changed while trying
// the demo (rides, ratings, settings) survives a rebuild. Delete <root>/program to start afresh.

#include <QDateTime>
#include <QString>

QString DemoMediaFolder(const QString& root);    // ends in a separator
QString DemoProgramFolder(const QString& root);  // ends in a separator

struct DemoWriteResult {
    int FilesChecked = 0;  // every file the demo consists of
    int FilesWritten = 0;  // those that were missing or different
    QString Error;         // the first file that could not be written; "" when all went well
};

// simulatorPath ends in a separator; one screenshot goes into its "Screenshots" folder. `now`
// dates the database's records.
DemoWriteResult WriteDemo(const QString& root, const QString& simulatorPath,
                          const QDateTime& now = QDateTime::currentDateTime());
