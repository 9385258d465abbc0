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

// Each load and save below returns False on failure and then, when error is given, says in one line
// why, for the message the user sees.

// Reads the named theme into theme; False (theme unchanged) when there is no such theme (see
// theme/ThemeNames.h: any letter case, hidden files are none), it is not a theme file ("THME" in
// any letter case) or it cannot be read whole.
[[nodiscard]] bool LoadTheme(Theme& theme, const QString& themePath, const QString& name, QString* error = nullptr);
// Writes the theme as themePath & name & ".rvltt", replacing an existing file of exactly that name.
// Whether another spelling exists is the caller's question (FindThemeFile).
[[nodiscard]] bool SaveTheme(const Theme& theme, const QString& themePath, const QString& name,
                             QString* error = nullptr);

// The same for any file path.
[[nodiscard]] bool ReadThemeFile(const QString& filePath, Theme& theme, QString* error = nullptr);
[[nodiscard]] bool WriteThemeFile(const Theme& theme, const QString& filePath, QString* error = nullptr);

// The same decoding and encoding on bytes in memory.
[[nodiscard]] bool DecodeTheme(QByteArrayView bytes, Theme& theme, QString* error = nullptr);
QByteArray EncodeTheme(const Theme& theme);
