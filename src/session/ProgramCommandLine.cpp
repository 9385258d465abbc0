#include "session/ProgramCommandLine.h"

#include <QCommandLineParser>

QString RidevaultVersion()
{
    return QStringLiteral("%1.%2.%3").arg(RIDEVAULT_VERSION_MAJOR).arg(RIDEVAULT_VERSION_MINOR).arg(RIDEVAULT_VERSION_PATCH);
}

ProgramCommandLine ParseProgramCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ridevault keeps a catalogue of Trakora ride files and starts the simulator on them.\n"
                       "Each FILE (.tktrack or .tkpack) is added to the library and the first one is shown;\n"
                       "when Ridevault already runs on the same program folder, it gets the files instead."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption programFolder(QStringLiteral("program-folder"),
                                           QStringLiteral("Keep the database, settings and themes in DIR."),
                                           QStringLiteral("DIR"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(programFolder);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Track or package files to add and show."),
                                 QStringLiteral("[FILE...]"));

    ProgramCommandLine out;
    out.HelpText = parser.helpText();
    if (!parser.parse(arguments)) {
        out.Error = parser.errorText();
        return out;
    }
    out.ShowHelp = parser.isSet(help);
    out.ShowVersion = parser.isSet(version);
    out.ProgramFolder = parser.value(programFolder);
    out.Files = parser.positionalArguments();
    return out;
}
