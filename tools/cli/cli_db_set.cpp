// ridevault-cli db set DB_FILE INDEX FIELD=VALUE...: the information panel's "Update" from the
// command line. Every argument is checked before the database is read, so a bad field name or index
// writes nothing.

#include "CliCommon.h"
#include "CliDatabase.h"

#include "library/MediaRecordEdit.h"

#include <climits>

int DbSet(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    CliRequireArgs(args, 3, INT_MAX, QStringLiteral("ridevault-cli db set DB_FILE INDEX FIELD=VALUE... [--force]"));
    bool isNumber = false;
    const qint32 index = args[1].toInt(&isNumber);
    if (!isNumber)
        throw CliError(QStringLiteral("%1: the record index must be a number").arg(args[1]));
    MediaFieldEdits edits;
    for (const QString& edit : args.mid(2)) {
        const qsizetype equals = edit.indexOf(QLatin1Char('='));
        const std::optional<MediaField> field = MediaFieldNamed(edit.left(equals));
        if (equals < 0 || !field)
            throw CliError(QStringLiteral("%1: expected Title=, Author=, Rating= or Notes=").arg(edit));
        edits.append({*field, edit.mid(equals + 1)});
    }

    const std::unique_ptr<LibraryLock> lock = CliLockDatabaseFolder(args[0], force);
    MediaTable table;
    CliLoadDatabase(table, args[0], false);
    switch (EditMediaRecord(table, index, edits, args[0])) {
    case RecordEditOutcome::Saved:
        return 0;
    case RecordEditOutcome::NoSuchRecord:
        throw CliError(QStringLiteral("%1: no record %2 (the database holds %3)")
                           .arg(args[0]).arg(index).arg(table.MediaCount()));
    case RecordEditOutcome::SaveFailed:
        break;
    }
    throw CliError(QStringLiteral("cannot write %1").arg(args[0]));
}
