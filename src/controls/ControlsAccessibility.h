#pragma once
// What assistive technology (a screen reader, desktop automation) learns about the program's own
// controls. Each control installs the factory when it is built, so every window that uses one is
// readable without further steps:
//   ucTextButton   a push button named by its caption, whose press action raises Click;
//   ucFrame        a grouping named by its accessible name;
//   ucStatusBar    a status bar with one static text per field, changes reported;
//   ucTabHead      a page tab list of page tabs named by their titles, the current one selected,
//                  each chosen by its press action as by a click;
//   ucAdvList      a table (controls/AdvListAccessibility.h).

class QAccessibleInterface;
class QObject;
class QString;

// Installs ControlsAccessibleFactory once per process.
void InstallControlsAccessibility();
QAccessibleInterface* ControlsAccessibleFactory(const QString& className, QObject* object);
