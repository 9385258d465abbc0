#pragma once
// The staging folder of a package installation: ".ridevault-staging-XXXXXX" directly in the
// simulator folder (six letters or digits), where every stream is inflated before the first file
// moves into place. It lives on the targets' file system, so moving a file into place is a rename.
//
// It outlives its installation only when the program was stopped part-way. What it holds was never
// moved into place, so the clean-up and the next installation remove it whole.

#include <QString>

// The QTemporaryDir template for a staging folder in simulatorFolder.
QString StagingFolderTemplate(const QString& simulatorFolder);

// True for a name of exactly the staging pattern.
bool IsStagingFolderName(const QString& name);

// Removes every real folder (never a link) of the staging pattern directly in simulatorFolder, with
// all it holds (links inside are removed, never followed). Returns how many were removed.
int RemoveLeftoverStaging(const QString& simulatorFolder);
