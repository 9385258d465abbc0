// ridevault-cli scan: walks folders exactly as the program's file scan does and prints every track
// and package file found, one full path a line, in walk order.

#include "CliCommon.h"

#include "library/FileScan.h"
#include "library/PassiveFileSearch.h"

#include <QFileInfo>
#include <QTextStream>

#include <climits>

namespace {

const char kScanHelp[] =
    "usage:\n"
    "  ridevault-cli scan FOLDER...   print the .tktrack and .tkpack files below the folders,\n"
    "                                 breadth-first, as the program's file scan finds them\n";

} // namespace

int RunScanCommand(const QStringList& args)
{
    if (args.isEmpty() || CliWantsHelp(args)) {
        CliPrint(QLatin1String(kScanHelp));
        return args.isEmpty() ? kCliUsageError : 0;
    }
    QStringList folders;
    for (const QString& a : args) {
        const QFileInfo info(a);
        if (!info.isDir())
            throw CliError(QStringLiteral("%1: no such folder").arg(a));
        folders << info.absoluteFilePath();
    }
    PassiveFileSearch search;
    // The whole walk at once: the per-step bound only matters to a timer.
    PrepareMediaSearch(search, folders, INT_MAX);
    // Each file is printed as soon as it is found and then let go, so the memory of one folder's
    // paths serves the next and the walk's size costs no memory.
    QTextStream out(stdout);
    while (search.SearchStep())
        for (const QString& path : search.TakeFoundFiles())
            out << path << '\n';
    return 0;
}
