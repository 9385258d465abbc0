#pragma once
// The version strings of a program's version resource, as the "Trakora Information..." window and
// `ridevault-cli versions` show them for the simulator's three programs.

#include "ride/SimulatorPrograms.h"

#include <QString>

#include <array>

// Each field is the version resource's string of the same key, or "" when the resource lacks it.
struct AppFileInfo {
    QString CompanyName;
    QString FileDescription;
    QString FileVersion;
    QString InternalName;
    QString LegalCopyright;
    QString OriginalFileName;
    QString ProductName;
    QString ProductVersion;
};

// Fills info from the version resource of the executable at path: the string table of the first
// language listed under \VarFileInfo\Translation (the first table of \StringFileInfo when the
// resource has no translation list), each value cut at its first NUL and to 255 characters.
// False, with info untouched, when the file is missing, is no Windows executable, or has no
// readable version resource.
bool GetAppFileInfo(const QString& path, AppFileInfo& info);

// The row text of one program: "----" when the program is missing or has no version resource,
// else its FileVersion with every "," shown as " ." ("1, 6, 0, 3" reads "1 . 6 . 0 . 3").
QString SimulatorVersionText(const QString& simulatorPath, SimulatorProgram program);
// The three rows in the order of kSimulatorPrograms: simulator, editor, terraformer.
std::array<QString, 3> SimulatorVersionTexts(const QString& simulatorPath);
