#include "CliCommon.h"

#include <QFile>
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
