#pragma once
// The settings file "Ridevault.rvltdat" in the program folder.
//
// Layout (most significant byte first), five chunks in a fixed order:
//   "RVLT" magic, version tag ("1000", never checked)
//   "LAST" WindowState, WindowLeft, WindowTop, WindowWidth, WindowHeight, ColumnWidths(0..6)
//   "FLTR" the five name-scheme flags, one byte each (written 0xFF / 0x00, any non-zero reads True)
//   "SETS" LargeViewWidth, LargeViewHeight, ThemeName
//   "PATH" MediaPathCount, then that many MediaPaths
//   "ROOT" SimulatorPath, ThemePath
// Numbers are 32-bit, texts a 4-byte length and their bytes. Only the magic is checked: the chunk
// tags are markers, so a file with misspelt tags but the right layout still loads.
//
// A file that cannot be read whole (it ends early, or holds a negative folder count) changes
// nothing: it is decoded into a copy that replaces the settings only once every field was read,
// and the program's load keeps the file's bytes as "Ridevault.rvltdat.damaged" before the next save
// can replace them. Saves are atomic.

#include "settings/AppSettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Each load and save below returns False on failure and then, when error is given, says in one line
// why ("cannot write /p/Ridevault.rvltdat: Permission denied"), for the message the user sees.

// Reads programFolder's settings file into settings. False (settings unchanged) when there is no
// file, its magic is not "RVLT", or it cannot be read whole; a file that is there but does not load
// is kept as a ".damaged" copy.
[[nodiscard]] bool LoadSettings(AppSettings& settings, const QString& programFolder, QString* error = nullptr);
// Writes the settings file, replacing the old one only once the new one is complete.
[[nodiscard]] bool SaveSettings(const AppSettings& settings, const QString& programFolder, QString* error = nullptr);

// The same for any file path.
[[nodiscard]] bool ReadSettingsFile(const QString& filePath, AppSettings& settings, QString* error = nullptr);
[[nodiscard]] bool WriteSettingsFile(const AppSettings& settings, const QString& filePath, QString* error = nullptr);

// Decoding and encoding of the bytes in memory.
[[nodiscard]] bool DecodeSettings(QByteArrayView bytes, AppSettings& settings, QString* error = nullptr);
QByteArray EncodeSettings(const AppSettings& settings);
