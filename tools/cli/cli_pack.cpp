// ridevault-cli pack: look into, check, make and install package files (".tkpack").

#include "CliCommon.h"

#include "recordio/BinaryFileIO.h"
#include "ride/PackageFormat.h"
#include "ride/PackageInstall.h"
#include "ride/PackageUnpack.h"
#include "ride/PackageWriter.h"
#include "ride/StoredPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const char kPackHelp[] =
    "usage:\n"
    "  ridevault-cli pack list PACK             header texts and entries as JSON\n"
    "  ridevault-cli pack verify PACK           unpack every entry and report each problem\n"
    "                                           (exit status 0 only when the package would install)\n"
    "  ridevault-cli pack create OUT --root DIR [--text TEXT]... FILE...\n"
    "                                           package files below DIR (FILE relative to DIR; a\n"
    "                                           folder adds every file below it; up to three --text)\n"
    "  ridevault-cli pack install PACK --simulator DIR --program-folder DIR\n"
    "                                           install as a ride would (exit status 0 on result 0)\n";

// Loads and parses a package, or throws with the reason.
PackageContents ParseOrFail(const QString& path, BinaryFileIO& io)
{
    if (!io.LoadBuffer(path))
        throw CliError(QStringLiteral("cannot read %1").arg(path));
    PackageContents contents;
    const PackageResult result = ParsePackage(io, contents);
    if (result != kPackageInstalled)
        throw CliError(QStringLiteral("%1: %2 (result %3)").arg(path, PackageResultText(result)).arg(int(result)));
    return contents;
}

QJsonObject EntryToJson(const PackageEntry& e)
{
    return QJsonObject{
        {QStringLiteral("Folder"), e.Folder},
        {QStringLiteral("Name"), e.Name},
        {QStringLiteral("Offset"), e.Offset},
        {QStringLiteral("UncompressedSize"), e.UncompressedSize},
        {QStringLiteral("CompressedSize"), e.CompressedSize},
    };
}

int List(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli pack list PACK"));
    BinaryFileIO io;
    const PackageContents c = ParseOrFail(args[0], io);
    QJsonArray entries;
    for (const PackageEntry& e : c.Entries)
        entries.append(EntryToJson(e));
    CliPrintJson(QJsonDocument(QJsonObject{
        {QStringLiteral("DirOffset"), c.DirOffset},
        {QStringLiteral("DataBase"), c.DataBase},
        {QStringLiteral("EntryCount"), c.EntryCount},
        {QStringLiteral("HeaderText"), QJsonArray{c.HeaderText[0], c.HeaderText[1], c.HeaderText[2]}},
        {QStringLiteral("entries"), entries},
    }));
    return 0;
}

int Verify(const QStringList& args)
{
    CliRequireArgs(args, 1, 1, QStringLiteral("ridevault-cli pack verify PACK"));
    BinaryFileIO io;
    if (!io.LoadBuffer(args[0]))
        throw CliError(QStringLiteral("cannot read %1").arg(args[0]));
    QJsonArray problems;
    PackageContents c;
    PackageResult result = ParsePackage(io, c);
    if (result != kPackageInstalled) {
        problems.append(QJsonObject{{QStringLiteral("code"), int(result)},
                                    {QStringLiteral("problem"), PackageResultText(result)}});
    } else {
        // Installation refuses names before it unpacks anything, so a name problem decides the result.
        const QByteArrayView file(io.FileBuffer().constData(), io.FileBufferLength());
        bool hostile = false;
        bool unpackable = true;
        for (size_t i = 0; i < c.Entries.size(); ++i) {
            const PackageEntry& e = c.Entries[i];
            const auto report = [&](PackageResult code, const QString& problem) {
                problems.append(QJsonObject{{QStringLiteral("index"), qint64(i)},
                                            {QStringLiteral("path"), e.RelativePath()},
                                            {QStringLiteral("code"), int(code)},
                                            {QStringLiteral("problem"), problem}});
            };
            if (const QString why = StoredPathProblem(e.RelativePath()); !why.isEmpty()) {
                hostile = true;
                report(kPackageHostileName, why);
            }
            QByteArray bytes;
            if (const qint32 z = UnpackEntry(file, c, e, bytes); z != 0) {
                unpackable = false;
                report(kPackageCannotUnpack,
                       z == kUnpackWrongSize ? QStringLiteral("does not inflate to its declared %1 bytes")
                                                   .arg(e.UncompressedSize)
                                             : QStringLiteral("zlib error %1").arg(z));
            }
        }
        result = hostile ? kPackageHostileName : unpackable ? kPackageInstalled : kPackageCannotUnpack;
    }
    CliPrintJson(QJsonDocument(QJsonObject{{QStringLiteral("result"), int(result)},
                                           {QStringLiteral("entries"), c.EntryCount},
                                           {QStringLiteral("problems"), problems}}));
    return result == kPackageInstalled ? 0 : kCliUsageError;
}

// The files to pack, relative to root with "/" separators, in the order given (folders sorted).
QStringList CollectFiles(const QDir& root, const QStringList& given)
{
    const QString rootPath = root.canonicalPath();
    QStringList out;
    const auto add = [&](const QString& absolute) {
        const QString canonical = QFileInfo(absolute).canonicalFilePath();
        if (canonical.isEmpty() || !canonical.startsWith(rootPath + QLatin1Char('/')))
            throw CliError(QStringLiteral("%1 is not a file below %2").arg(absolute, root.path()));
        const QString relative = QDir(rootPath).relativeFilePath(canonical);
        if (const QString why = StoredPathProblem(relative); !why.isEmpty())
            throw CliError(QStringLiteral("%1: %2").arg(relative, why));
        if (!out.contains(relative))
            out << relative;
    };
    for (const QString& g : given) {
        const QFileInfo info(root.absoluteFilePath(g));
        if (info.isDir()) {
            QStringList below;
            QDirIterator it(info.absoluteFilePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                below << it.next();
            below.sort();
            for (const QString& f : std::as_const(below))
                add(f);
        } else if (info.isFile()) {
            add(info.absoluteFilePath());
        } else {
            throw CliError(QStringLiteral("%1: no such file below %2").arg(g, root.path()));
        }
    }
    return out;
}

int Create(const QStringList& arguments)
{
    QStringList args = arguments;
    const QStringList roots = CliTakeOption(args, QStringLiteral("--root"));
    const QStringList texts = CliTakeOption(args, QStringLiteral("--text"), true);
    CliRefuseUnknownOptions(args);
    if (roots.isEmpty() || args.size() < 2)
        throw CliError(QStringLiteral("usage: ridevault-cli pack create OUT --root DIR [--text TEXT]... FILE..."));
    if (texts.size() > 3)
        throw CliError(QStringLiteral("a package has at most three header texts"));
    const QDir root(roots[0]);
    if (!root.exists())
        throw CliError(QStringLiteral("%1: no such folder").arg(roots[0]));
    const QString out = args.takeFirst();
    const QStringList files = CollectFiles(root, args);

    QSaveFile save(out);
    save.setDirectWriteFallback(false);
    if (!save.open(QIODevice::WriteOnly))
        throw CliError(QStringLiteral("cannot write %1: %2").arg(out, save.errorString()));
    PackageWriter writer(save);
    for (const QString& relative : files) {
        QFile in(root.absoluteFilePath(relative));
        if (!in.open(QIODevice::ReadOnly))
            throw CliError(QStringLiteral("cannot read %1").arg(in.fileName()));
        const qsizetype slash = relative.lastIndexOf(QLatin1Char('/'));
        QString folder = relative.left(slash + 1);
        folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
        if (!writer.AddEntry(folder, relative.mid(slash + 1), in.readAll(), 9))
            throw CliError(writer.ErrorString());
    }
    if (!writer.Finish(texts) || !save.commit())
        throw CliError(QStringLiteral("cannot write %1: %2")
                           .arg(out, writer.ErrorString().isEmpty() ? save.errorString() : writer.ErrorString()));
    return 0;
}

int Install(const QStringList& arguments)
{
    QStringList args = arguments;
    PackageInstallation installation;
    installation.SimulatorPath = CliTakeFolder(args, QStringLiteral("--simulator"));
    installation.ProgramFolder = CliTakeFolder(args, QStringLiteral("--program-folder"));
    CliRefuseUnknownOptions(args);
    CliRequireArgs(args, 1, 1,
                   QStringLiteral("ridevault-cli pack install PACK --simulator DIR --program-folder DIR"));
    const PackageResult result = InstallPackage(installation, args[0]);
    CliPrintJson(QJsonDocument(QJsonObject{
        {QStringLiteral("result"), int(result)},
        {QStringLiteral("InstalledTrack"), installation.InstalledTrack},
        {QStringLiteral("created"), QJsonArray::fromStringList(installation.Created)},
    }));
    return result == kPackageInstalled ? 0 : kCliUsageError;
}

} // namespace

int RunPackCommand(const QStringList& args)
{
    return CliDispatch("pack", kPackHelp, args,
                       {{"list", List}, {"verify", Verify}, {"create", Create}, {"install", Install}});
}
