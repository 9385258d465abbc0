#pragma once
// Shared plumbing of ridevault-cli's command groups: how a command reports bad input (one line on
// stderr, exit status 2, nothing written) and small JSON and file helpers.

#include <QJsonDocument>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <stdexcept>

// Thrown by a command for bad input; main prints "ridevault-cli: <message>" and exits with 2.
class CliError : public std::runtime_error {
public:
    explicit CliError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

inline constexpr int kCliUsageError = 2;

// Prints text (a line is added when missing) to stdout.
void CliPrint(const QString& text);
// Prints a JSON document, indented, to stdout.
void CliPrintJson(const QJsonDocument& doc);
// Reads and parses a JSON file; throws CliError when it is missing or not JSON.
QJsonDocument CliReadJsonFile(const QString& path);
// True when args holds "--help" or "-h".
bool CliWantsHelp(const QStringList& args);
// Throws CliError("usage: ...") unless args has between min and max entries.
void CliRequireArgs(const QStringList& args, int min, int max, const QString& usage);

// Removes "--name VALUE" from args and returns VALUE; every occurrence when `all` is set, else at
// most one (a second is an error), so a mistyped repeat never silently wins.
QStringList CliTakeOption(QStringList& args, const QString& name, bool all = false);
// Removes the required "--name DIR" from args and returns DIR as given; an error when it is missing
// or names no folder ("--simulator", "--program-folder").
QString CliTakeFolder(QStringList& args, const QString& name);
// An error for anything left in args that looks like an option.
void CliRefuseUnknownOptions(const QStringList& args);

// One command of a group: "dump", "write", ...; run(args after the command name).
struct CliSubcommand {
    const char* name;
    int (*run)(const QStringList& args);
};
// Prints the group's help (exit 0 for --help, 2 for no arguments) or runs the named command;
// an unknown command is a CliError that points at the group's --help.
int CliDispatch(const char* group, const char* help, const QStringList& args,
                std::initializer_list<CliSubcommand> commands);

// One command group: "db", "settings", ... run(args after the group name) returns the exit status.
struct CliCommandGroup {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args);
};
