// ridevault-cli settings: dump a settings file as JSON, write one from JSON.

#include "CliCommon.h"
#include "CliJsonFields.h"

#include "settings/SettingsFile.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const char kSettingsHelp[] =
    "usage:\n"
    "  ridevault-cli settings dump FILE                  print a settings file as a JSON object\n"
    "  ridevault-cli settings write JSON_FILE OUT_FILE   write a settings file from such an object\n"
    "\n"
    "Keys are the AppSettings field names. ColumnWidths holds the seven stored widths;\n"
    "MediaPathCount may be left out and must match MediaPaths when given.\n";

constexpr int kStoredColumnWidths = 7;

const std::pair<const char*, bool AppSettings::*> kFlags[] = {
    {"NameReplaceUnderscores", &AppSettings::NameReplaceUnderscores},
    {"NameTrimSpaces", &AppSettings::NameTrimSpaces},
    {"NameAutoFormat", &AppSettings::NameAutoFormat},
    {"NameBracketFilter", &AppSettings::NameBracketFilter},
    {"NameDashFilter", &AppSettings::NameDashFilter},
};

const std::pair<const char*, qint32 AppSettings::*> kLongs[] = {
    {"WindowState", &AppSettings::WindowState},       {"WindowLeft", &AppSettings::WindowLeft},
    {"WindowTop", &AppSettings::WindowTop},           {"WindowWidth", &AppSettings::WindowWidth},
    {"WindowHeight", &AppSettings::WindowHeight},     {"LargeViewWidth", &AppSettings::LargeViewWidth},
    {"LargeViewHeight", &AppSettings::LargeViewHeight},
};

const std::pair<const char*, QString AppSettings::*> kTexts[] = {
    {"ThemeName", &AppSettings::ThemeName},
    {"SimulatorPath", &AppSettings::SimulatorPath},
    {"ThemePath", &AppSettings::ThemePath},
};

QJsonObject SettingsToJson(const AppSettings& s)
{
    QJsonObject o;
    for (const auto& [key, member] : kLongs)
        o.insert(QLatin1String(key), s.*member);
    QJsonArray widths;
    for (int i = 0; i < kStoredColumnWidths; ++i)
        widths.append(s.ColumnWidths[i]);
    o.insert(QStringLiteral("ColumnWidths"), widths);
    for (const auto& [key, member] : kFlags)
        o.insert(QLatin1String(key), s.*member);
    for (const auto& [key, member] : kTexts)
        o.insert(QLatin1String(key), s.*member);
    o.insert(QStringLiteral("MediaPathCount"), s.MediaPathCount());
    o.insert(QStringLiteral("MediaPaths"), QJsonArray::fromStringList(s.MediaPaths));
    return o;
}

AppSettings SettingsFromJson(const QJsonValue& value, const QString& where)
{
    CliJsonFields f(value, where);
    AppSettings s;
    for (const auto& [key, member] : kLongs)
        s.*member = f.Long(key);
    const QJsonArray widths = f.Array("ColumnWidths");
    if (widths.size() != kStoredColumnWidths)
        throw CliError(QStringLiteral("%1: ColumnWidths must hold %2 numbers").arg(where).arg(kStoredColumnWidths));
    for (int i = 0; i < kStoredColumnWidths; ++i) {
        const QJsonValue w = widths[i];
        if (!w.isDouble() || w.toDouble() != static_cast<qint32>(w.toDouble()))
            throw CliError(QStringLiteral("%1: ColumnWidths[%2] must be a whole number").arg(where).arg(i));
        s.ColumnWidths[i] = static_cast<qint32>(w.toDouble());
    }
    for (const auto& [key, member] : kFlags)
        s.*member = f.Boolean(key);
    for (const auto& [key, member] : kTexts)
        s.*member = f.Text(key);
    const QJsonArray paths = f.Array("MediaPaths");
    for (int i = 0; i < paths.size(); ++i) {
        if (!paths[i].isString())
            throw CliError(QStringLiteral("%1: MediaPaths[%2] must be a string").arg(where).arg(i));
        s.MediaPaths.append(paths[i].toString());
    }
    if (f.Has("MediaPathCount") && f.Long("MediaPathCount") != s.MediaPathCount())
        throw CliError(QStringLiteral("%1: MediaPathCount does not match MediaPaths").arg(where));
    f.RequireNoOthers();
    return s;
}

int Dump(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli settings dump FILE"));
    AppSettings s;
    QString error;
    if (!ReadSettingsFile(args[0], s, &error))
        throw CliError(QStringLiteral("%1: %2").arg(args[0], error));
    CliPrintJson(QJsonDocument(SettingsToJson(s)));
    return 0;
}

int Write(const QStringList& args)
{
    CliRequireArgs(args, 2, 2, QStringLiteral("ridevault-cli settings write JSON_FILE OUT_FILE"));
    const QJsonDocument doc = CliReadJsonFile(args[0]);
    const AppSettings s = SettingsFromJson(doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(), args[0]);
    QString error;
    if (!WriteSettingsFile(s, args[1], &error))
        throw CliError(error);
    return 0;
}

} // namespace

int RunSettingsCommand(const QStringList& args)
{
    return CliDispatch("settings", kSettingsHelp, args, {{"dump", Dump}, {"write", Write}});
}
