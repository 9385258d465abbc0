#pragma once
// A program file that exists but cannot be loaded whole would be replaced by the next save. Before
// that happens its bytes are copied aside, so whatever the user had in it can still be recovered.

#include <QString>

// Copies filePath to the first free "<file>.damaged", "<file>.damaged.1", ...; returns the copy's
// path, or an empty text when there was no file or the copy failed.
QString KeepDamagedCopy(const QString& filePath);
