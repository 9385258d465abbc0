#include "CliCommon.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonParseError>
#include <QTextStream>

void CliPrint(const QString& text)
{
    QTextStream out(stdout);
    out << text;
    if (!text.endsWith(QLatin1Char('\n')))
        out << '\n';
}

void CliPrintJson(const QJsonDocument& doc)
{
    QTextStream out(stdout);
    out << QString::fromUtf8(doc.toJson(QJsonDocument::Indented));
}

QJsonDocument CliReadJsonFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CliError(QStringLiteral("cannot read %1").arg(path));
    QJsonParseError err;
    QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &err);
    if (err.error != QJsonParseError::NoError)
        throw CliError(QStringLiteral("%1 is not valid JSON: %2 at offset %3")
                           .arg(path, err.errorString()).arg(err.offset));
    return doc;
}

bool CliWantsHelp(const QStringList& args)
{
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

void CliRequireArgs(const QStringList& args, int min, int max, const QString& usage)
{
    if (args.size() < min || args.size() > max)
        throw CliError(QStringLiteral("usage: ") + usage);
}

QStringList CliTakeOption(QStringList& args, const QString& name, bool all)
{
    QStringList values;
    for (qsizetype i = args.indexOf(name); i >= 0; i = args.indexOf(name)) {
        if (i + 1 >= args.size())
            throw CliError(QStringLiteral("%1 needs a value").arg(name));
        values << args[i + 1];
        args.remove(i, 2);
    }
    if (!all && values.size() > 1)
        throw CliError(QStringLiteral("%1 given more than once").arg(name));
    return values;
}

QString CliTakeFolder(QStringList& args, const QString& name)
{
    const QStringList values = CliTakeOption(args, name);
    if (values.isEmpty())
        throw CliError(QStringLiteral("%1 DIR is required").arg(name));
    if (!QFileInfo(values[0]).isDir())
        throw CliError(QStringLiteral("%1: no such folder").arg(values[0]));
    return values[0];
}

void CliRefuseUnknownOptions(const QStringList& args)
{
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--")))
            throw CliError(QStringLiteral("unknown option %1").arg(a));
}

int CliDispatch(const char* group, const char* help, const QStringList& args,
                std::initializer_list<CliSubcommand> commands)
{
    if (args.isEmpty() || CliWantsHelp(args)) {
        CliPrint(QLatin1String(help));
        return args.isEmpty() ? kCliUsageError : 0;
    }
    for (const CliSubcommand& c : commands)
        if (args.first() == QLatin1String(c.name))
            return c.run(args.mid(1));
    throw CliError(QStringLiteral("unknown %1 command '%2' (try: ridevault-cli %1 --help)")
                       .arg(QLatin1String(group), args.first()));
}
