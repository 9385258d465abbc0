#pragma once
// ShowOpenFileDialog: the system's open-file dialog (QFileDialog) for one file.
//
// The filter is written as pairs "description|patterns|description|patterns" (":" separates as "|"
// does), patterns separated by ";" (as in "Trakora Simulator|TrakoraSimulator*.exe"). Patterns match ignoring letter case on every
// system, as they would on Windows: the Linux file dialogs compare case-sensitively, so there each
// letter of a pattern becomes a bracket of both cases.
//
// Test hook: SetNextAnswer queues chosen file names ("" answers as Cancel would). While the queue
// holds one, ShowOpenFileDialog records what it was asked (LastRequest) and returns the first queued
// name instead of showing the dialog. The program itself never queues an answer.

#include <QList>
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

struct OpenFileRequest {
    bool FileMustExist = true;
    QString Filter;
    QString InitialFolder;
    QString Title;
    QString DefaultExtension;  // without the dot: "exe"

    bool operator==(const OpenFileRequest&) const = default;
};

// Shows the dialog modally over owner. On a choice fileName becomes the chosen path (native
// separators) and the result is true; otherwise fileName becomes "" and the result is false.
bool ShowOpenFileDialog(QString& fileName, const OpenFileRequest& request, QWidget* owner);

// The dialog as ShowOpenFileDialog would show it, for tests and for a caller that wants more.
QFileDialog* CreateOpenFileDialog(const OpenFileRequest& request, QWidget* owner);
// The filter as QFileDialog's name filters: "Trakora Simulator ([Tt][Rr]...*.[Ee][Xx][Ee])".
QStringList OpenFileNameFilters(const QString& filter);

namespace OpenFileDialogHook {
void SetNextAnswer(const QString& fileName);
int PendingAnswers();
void ClearNextAnswers();
// What the last pre-answered call asked for.
OpenFileRequest LastRequest();
} // namespace OpenFileDialogHook
