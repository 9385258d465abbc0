// ridevault-cli theme: dump a theme file as JSON, write one from JSON, write the built-in theme,
// list the themes of a folder.

#include "CliCommon.h"
#include "CliJsonFields.h"

#include "theme/ThemeFile.h"
#include "theme/ThemeNames.h"

#include <QFileInfo>
#include <QJsonObject>

namespace {

const char kThemeHelp[] =
    "usage:\n"
    "  ridevault-cli theme dump FILE                  print a theme file as a JSON object\n"
    "  ridevault-cli theme write JSON_FILE OUT_FILE   write a theme file from such an object\n"
    "  ridevault-cli theme default OUT_FILE           write the built-in theme\n"
    "  ridevault-cli theme list FOLDER                print the theme names the settings list\n"
    "                                                 shows for that themes folder, one a line\n"
    "\n"
    "Keys are the Theme field names. Colours are numbers: 0x00BBGGRR, or 0x800000nn for system\n"
    "colour nn (written signed, -2147483633 for 0x8000000F; either form is read). Fonts are objects\n"
    "with Name, Size, Bold, Italic, Strikethrough, Underline, Charset and Weight; Weight decides Bold.\n";

const std::pair<const char*, FontRecord Theme::*> kFonts[] = {
    {"ListFont", &Theme::ListFont}, {"HeaderFont", &Theme::HeaderFont}, {"InfoFont", &Theme::InfoFont},
    {"MenuFont", &Theme::MenuFont}, {"ButtonFont", &Theme::ButtonFont},
};

const std::pair<const char*, OleColor Theme::*> kColours[] = {
    {"ListBackground", &Theme::ListBackground},
    {"ListText", &Theme::ListText},
    {"ListHighlight", &Theme::ListHighlight},
    {"ListHighlightText", &Theme::ListHighlightText},
    {"HeaderFace", &Theme::HeaderFace},
    {"HeaderText", &Theme::HeaderText},
    {"HeaderHighlight", &Theme::HeaderHighlight},
    {"HeaderBrightHighlight", &Theme::HeaderBrightHighlight},
    {"HeaderShadow", &Theme::HeaderShadow},
    {"HeaderDarkShadow", &Theme::HeaderDarkShadow},
    {"ButtonFace", &Theme::ButtonFace},
    {"ButtonText", &Theme::ButtonText},
    {"ButtonHighlight", &Theme::ButtonHighlight},
    {"ButtonBrightHighlight", &Theme::ButtonBrightHighlight},
    {"ButtonShadow", &Theme::ButtonShadow},
    {"ButtonDarkShadow", &Theme::ButtonDarkShadow},
    {"WindowFace", &Theme::WindowFace},
    {"WindowText", &Theme::WindowText},
    {"WindowHighlight", &Theme::WindowHighlight},
    {"WindowBrightHighlight", &Theme::WindowBrightHighlight},
    {"WindowShadow", &Theme::WindowShadow},
    {"WindowDarkShadow", &Theme::WindowDarkShadow},
    {"ListScrollbarFiller", &Theme::ListScrollbarFiller},
};

QJsonObject FontToJson(const FontRecord& f)
{
    return QJsonObject{
        {QStringLiteral("Name"), f.Name},
        {QStringLiteral("Size"), f.Size()},
        {QStringLiteral("Bold"), f.Bold()},
        {QStringLiteral("Italic"), f.Italic},
        {QStringLiteral("Strikethrough"), f.Strikethrough},
        {QStringLiteral("Underline"), f.Underline},
        {QStringLiteral("Charset"), f.Charset()},
        {QStringLiteral("Weight"), f.Weight()},
    };
}

// Set in the order a theme file is loaded, Weight last, so Weight decides Bold.
FontRecord FontFromJson(const QJsonValue& value, const QString& where)
{
    CliJsonFields f(value, where);
    FontRecord font;
    font.Name = f.Text("Name");
    font.SetSize(f.Number("Size"));
    font.SetBold(f.Boolean("Bold"));
    font.Italic = f.Boolean("Italic");
    font.Strikethrough = f.Boolean("Strikethrough");
    font.Underline = f.Boolean("Underline");
    font.SetCharset(static_cast<qint32>(f.Whole("Charset", INT16_MIN, INT16_MAX)));
    font.SetWeight(static_cast<qint32>(f.Whole("Weight", INT16_MIN, INT16_MAX)));
    f.RequireNoOthers();
    return font;
}

QJsonObject ThemeToJson(const Theme& t)
{
    QJsonObject o;
    for (const auto& [key, member] : kFonts)
        o.insert(QLatin1String(key), FontToJson(t.*member));
    for (const auto& [key, member] : kColours)
        o.insert(QLatin1String(key), t.*member);
    o.insert(QStringLiteral("PreviewWidth"), t.PreviewWidth);
    o.insert(QStringLiteral("PreviewHeight"), t.PreviewHeight);
    return o;
}

Theme ThemeFromJson(const QJsonValue& value, const QString& where)
{
    CliJsonFields f(value, where);
    Theme t;
    for (const auto& [key, member] : kFonts)
        t.*member = FontFromJson(f.Value(key), where + QLatin1Char(' ') + QLatin1String(key));
    // Both the signed value a dump prints and the unsigned 0x8000000F form are colours.
    for (const auto& [key, member] : kColours)
        t.*member = static_cast<OleColor>(static_cast<quint32>(f.Whole(key, INT32_MIN, UINT32_MAX)));
    t.PreviewWidth = f.Long("PreviewWidth");
    t.PreviewHeight = f.Long("PreviewHeight");
    f.RequireNoOthers();
    return t;
}

void WriteOrFail(const Theme& theme, const QString& path)
{
    QString error;
    if (!WriteThemeFile(theme, path, &error))
        throw CliError(error);
}

int Dump(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli theme dump FILE"));
    Theme t;
    QString error;
    if (!ReadThemeFile(args[0], t, &error))
        throw CliError(QStringLiteral("%1: %2").arg(args[0], error));
    CliPrintJson(QJsonDocument(ThemeToJson(t)));
    return 0;
}

int Write(const QStringList& args)
{
    CliRequireArgs(args, 2, 2, QStringLiteral("ridevault-cli theme write JSON_FILE OUT_FILE"));
    const QJsonDocument doc = CliReadJsonFile(args[0]);
    WriteOrFail(ThemeFromJson(doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(), args[0]), args[1]);
    return 0;
}

int Default(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli theme default OUT_FILE"));
    WriteOrFail(DefaultTheme(), args[0]);
    return 0;
}

int List(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli theme list FOLDER"));
    if (!QFileInfo(args[0]).isDir())
        throw CliError(QStringLiteral("%1 is no folder").arg(args[0]));
    for (const QString& name : ThemeListNames(args[0]))
        CliPrint(name);
    return 0;
}

} // namespace

int RunThemeCommand(const QStringList& args)
{
    return CliDispatch("theme", kThemeHelp, args, {{"dump", Dump}, {"write", Write}, {"default", Default}, {"list", List}});
}
