#pragma once
// mApp_Theme: the built-in theme and the theme files "<name>.rvltt" in the themes folder.
//
// Layout (most significant byte first): "THME"; five font blocks in the order Menu, Button, Header,
// Info, List, each the face name (4-byte length and its bytes), Size as a single-precision float,
// Bold, Italic, Strikethrough and Underline as one byte each (0xFF / 0x00), Charset and Weight as
// 32-bit values; then 25 32-bit slots: the Button, Header, List and Window colours, the scroll-bar
// filler, PreviewWidth and PreviewHeight. Nothing follows. The built-in theme is 229 bytes.
//
// Fonts are set Name, Size, Bold, Italic, Strikethrough, Underline, Charset, Weight - Weight last,
// so a file that says Bold with Weight 400 gives a font that is not bold.
//
// A file that cannot be read whole changes nothing: the load fails and the caller falls back to
// the built-in theme. Saves are atomic.

#include "theme/Theme.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

inline constexpr char kThemeFileExtension[] = ".rvltt";

// The built-in theme: every font Arial 8.25, system colours, a 160 x 120 preview.
Theme DefaultTheme();
// The whole theme back to the built-in one; themeName (the settings' ThemeName) becomes "".
void SetDefaultTheme(Theme& theme, QString& themeName);

// themePath & name & ".rvltt" (a separator added to a themePath without one). "" for an empty
// themePath, which names no folder.
QString ThemeFilePath(const QString& themePath, const QString& name);

// Reads the named theme into theme; False (theme unchanged) when it is missing, not a theme file
// ("THME" in any letter case) or cannot be read whole. The name and the extension match the file's
// in any letter case.
bool LoadTheme(Theme& theme, const QString& themePath, const QString& name);
// Writes the theme under that name, replacing an existing file; False when it could not be written.
bool SaveTheme(const Theme& theme, const QString& themePath, const QString& name);

// The same for any file path.
bool ReadThemeFile(const QString& filePath, Theme& theme, QString* error = nullptr);
bool WriteThemeFile(const Theme& theme, const QString& filePath);

// The same decoding and encoding on bytes in memory. *error (when given) says in one line why
// DecodeTheme failed.
bool DecodeTheme(QByteArrayView bytes, Theme& theme, QString* error = nullptr);
QByteArray EncodeTheme(const Theme& theme);
