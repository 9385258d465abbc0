#pragma once
// The command line of the `ridevault` program, read before any window exists so that "--help" and
// "--version" work over SSH and a bad option costs no display connection.

#include <QString>
#include <QStringList>

// "1.0.0": the project version the build was configured with.
QString RidevaultVersion();

struct ProgramCommandLine {
    bool ShowHelp = false;
    bool ShowVersion = false;
    QString ProgramFolder;  // --program-folder DIR as given, "" for the usual folder
    QStringList Files;      // the file arguments, as given
    QString Error;          // a bad command line in one line, "" when it parsed
    QString HelpText;       // what --help prints
};

// Reads arguments (the program's name first, as argv gives it). A QCoreApplication must exist: the
// help text names the program as it was started.
ProgramCommandLine ParseProgramCommandLine(const QStringList& arguments);
