#include "theme/ThemeFile.h"

#include "recordio/BinaryFileIO.h"
#include "recordio/RecordFile.h"
#include "platform/ProgramFolder.h"
#include "theme/ThemeNames.h"


namespace {

// The file keeps the fonts and the colour groups in another order than the record declares them.
constexpr FontRecord Theme::*kFontsInFileOrder[] = {
    &Theme::MenuFont, &Theme::ButtonFont, &Theme::HeaderFont, &Theme::InfoFont, &Theme::ListFont,
};

constexpr qint32 Theme::*kSlotsInFileOrder[] = {
    &Theme::ButtonFace,          &Theme::ButtonText,        &Theme::ButtonHighlight,
    &Theme::ButtonBrightHighlight, &Theme::ButtonShadow,    &Theme::ButtonDarkShadow,
    &Theme::HeaderFace,          &Theme::HeaderText,        &Theme::HeaderHighlight,
    &Theme::HeaderBrightHighlight, &Theme::HeaderShadow,    &Theme::HeaderDarkShadow,
    &Theme::ListBackground,      &Theme::ListText,          &Theme::ListHighlight,
    &Theme::ListHighlightText,
    &Theme::WindowFace,          &Theme::WindowText,        &Theme::WindowHighlight,
    &Theme::WindowBrightHighlight, &Theme::WindowShadow,    &Theme::WindowDarkShadow,
    &Theme::ListScrollbarFiller, &Theme::PreviewWidth,      &Theme::PreviewHeight,
};
static_assert(std::size(kSlotsInFileOrder) == 25);

// The built-in font, set in the order every loader uses.
void SetDefaultFont(FontRecord& font)
{
    font.Name = QStringLiteral("Arial");
    font.SetSize(8.25);
    font.SetBold(false);
    font.Italic = false;
    font.Strikethrough = false;
    font.Underline = false;
    font.SetCharset(0);
    font.SetWeight(400);
}

void SetGroupColours(OleColor& face, OleColor& text, OleColor& highlight, OleColor& brightHighlight,
                     OleColor& shadow, OleColor& darkShadow)
{
    face = SystemColorRef(15);             // button face
    text = SystemColorRef(18);             // button text
    highlight = SystemColorRef(22);        // 3-D light
    brightHighlight = SystemColorRef(20);  // button highlight
    shadow = SystemColorRef(16);           // button shadow
    darkShadow = SystemColorRef(21);       // 3-D dark shadow
}

bool DecodeInto(BinaryFileIO& io, Theme& theme, QString* error)
{
    auto fail = [error](const char* why) {
        if (error)
            *error = QString::fromLatin1(why);
        return false;
    };
    Theme read = theme;
    try {
        qint32 pos = 0;
        if (io.ReadTag(pos) != QLatin1String("THME"))
            return fail("not a Ridevault theme (no THME tag)");
        for (FontRecord Theme::*member : kFontsInFileOrder) {
            FontRecord& font = read.*member;
            font.Name = io.ReadString(pos);
            font.SetSize(io.ReadSingle(pos));
            font.SetBold(io.ReadBoolean(pos));
            font.Italic = io.ReadBoolean(pos);
            font.Strikethrough = io.ReadBoolean(pos);
            font.Underline = io.ReadBoolean(pos);
            font.SetCharset(io.ReadLong(pos));
            font.SetWeight(io.ReadLong(pos));
        }
        for (qint32 Theme::*slot : kSlotsInFileOrder)
            read.*slot = io.ReadLong(pos);
        // The loaded buffer carries one zero byte behind the file; a read into it is damage.
        if (pos > io.FileBufferLength())
            return fail("damaged theme: the file ends early");
    } catch (const RecordReadError&) {
        return fail("damaged theme: the file ends early or a name length is impossible");
    }
    theme = read;
    return true;
}

void EncodeInto(BinaryFileIO& io, const Theme& theme)
{
    qint32 pos = 0;
    io.WriteTag(pos, QStringLiteral("THME"));
    for (FontRecord Theme::*member : kFontsInFileOrder) {
        const FontRecord& font = theme.*member;
        io.WriteString(pos, font.Name);
        io.WriteSingle(pos, static_cast<float>(font.Size()));
        io.WriteByte(pos, font.Bold() ? 0xFF : 0x00);
        io.WriteByte(pos, font.Italic ? 0xFF : 0x00);
        io.WriteByte(pos, font.Strikethrough ? 0xFF : 0x00);
        io.WriteByte(pos, font.Underline ? 0xFF : 0x00);
        io.WriteLong(pos, font.Charset());
        io.WriteLong(pos, font.Weight());
    }
    for (qint32 Theme::*slot : kSlotsInFileOrder)
        io.WriteLong(pos, theme.*slot);
}

} // namespace

Theme DefaultTheme()
{
    Theme theme;
    for (FontRecord Theme::*member : kFontsInFileOrder)
        SetDefaultFont(theme.*member);
    theme.ListBackground = SystemColorRef(5);      // window background
    theme.ListText = SystemColorRef(8);            // window text
    theme.ListHighlight = SystemColorRef(13);      // selection highlight
    theme.ListHighlightText = SystemColorRef(14);  // highlighted text
    SetGroupColours(theme.HeaderFace, theme.HeaderText, theme.HeaderHighlight, theme.HeaderBrightHighlight,
                    theme.HeaderShadow, theme.HeaderDarkShadow);
    SetGroupColours(theme.ButtonFace, theme.ButtonText, theme.ButtonHighlight, theme.ButtonBrightHighlight,
                    theme.ButtonShadow, theme.ButtonDarkShadow);
    SetGroupColours(theme.WindowFace, theme.WindowText, theme.WindowHighlight, theme.WindowBrightHighlight,
                    theme.WindowShadow, theme.WindowDarkShadow);
    theme.ListScrollbarFiller = SystemColorRef(12);  // application workspace
    theme.PreviewWidth = 160;
    theme.PreviewHeight = 120;
    return theme;
}

void SetDefaultTheme(Theme& theme, QString& themeName)
{
    theme = DefaultTheme();
    themeName.clear();
}

QString ThemeFilePath(const QString& themePath, const QString& name)
{
    if (themePath.isEmpty())
        return {};
    return WithFinalSeparator(themePath) + name + QLatin1String(kThemeFileExtension);
}

bool LoadTheme(Theme& theme, const QString& themePath, const QString& name, QString* error)
{
    const QString path = FindThemeFile(themePath, name);
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("there is no theme \"%1\" in %2").arg(name, themePath);
        return false;
    }
    return ReadThemeFile(path, theme, error);
}

bool SaveTheme(const Theme& theme, const QString& themePath, const QString& name, QString* error)
{
    if (themePath.isEmpty()) {
        if (error)
            *error = QStringLiteral("there is no themes folder");
        return false;
    }
    return WriteThemeFile(theme, ThemeFilePath(themePath, name), error);
}

bool ReadThemeFile(const QString& filePath, Theme& theme, QString* error)
{
    return ReadRecordFile(filePath, false, error, [&](BinaryFileIO& io) { return DecodeInto(io, theme, error); });
}

bool WriteThemeFile(const Theme& theme, const QString& filePath, QString* error)
{
    return WriteRecordFile(filePath, [&](BinaryFileIO& io) { EncodeInto(io, theme); }, error);
}

bool DecodeTheme(QByteArrayView bytes, Theme& theme, QString* error)
{
    return DecodeRecordBytes(bytes, [&](BinaryFileIO& io) { return DecodeInto(io, theme, error); });
}

QByteArray EncodeTheme(const Theme& theme)
{
    return EncodeRecordBytes([&](BinaryFileIO& io) { EncodeInto(io, theme); });
}
