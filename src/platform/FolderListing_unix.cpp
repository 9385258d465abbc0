#include "platform/FolderListing.h"

#include <QFile>
#include <QStringDecoder>

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>

namespace {

enum class Kind { Other, File, Folder };

// The entry's type from the listing itself where the file system gives it; a stat only for links
// (whose target decides) and for file systems that leave the type out.
Kind KindOf(const dirent& entry, const QByteArray& nativePath)
{
    struct stat st {};
    switch (entry.d_type) {
    case DT_REG:
        return Kind::File;
    case DT_DIR:
        return Kind::Folder;
    case DT_LNK:
        return stat(nativePath.constData(), &st) == 0 && S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
    case DT_UNKNOWN:
        if (lstat(nativePath.constData(), &st) != 0)
            return Kind::Other;
        if (S_ISDIR(st.st_mode))
            return Kind::Folder;
        if (S_ISLNK(st.st_mode))
            return stat(nativePath.constData(), &st) == 0 && S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
        return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
    default:
        return Kind::Other;
    }
}

// The name as Qt's own listing gives it (QFile::decodeName: the system's code page, UTF-8 on Linux);
// False for a name that is not valid in it, which Qt's listing leaves out.
bool DecodeName(const char* name, size_t length, QString& out)
{
    const QByteArrayView bytes(name, qsizetype(length));
    if (QtPrivate::isAscii(QLatin1StringView(bytes))) {
        out = QLatin1StringView(bytes);
        return true;
    }
    QStringDecoder decode(QStringConverter::System, QStringConverter::Flag::Stateless);
    out = decode(bytes);
    return !decode.hasError();
}

} // namespace

// readdir gives each entry's type with its name, so a plain file or folder costs no stat at all.
void ListFolderEntries(const QString& folder, QStringList& files, QStringList& subfolders)
{
    QByteArray nativePath = QFile::encodeName(folder);
    DIR* dir = opendir(nativePath.constData());
    if (!dir)
        return;
    const qsizetype folderLength = nativePath.size();
    QString name;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;  // hidden, and "." and ".."
        const size_t length = std::strlen(entry->d_name);
        nativePath.truncate(folderLength);
        nativePath.append(entry->d_name, qsizetype(length));
        const Kind kind = KindOf(*entry, nativePath);
        if (kind == Kind::Other || !DecodeName(entry->d_name, length, name))
            continue;
        if (kind == Kind::File)
            files.append(folder + name);
        else
            subfolders.append(folder + name + QLatin1Char('/'));
    }
    closedir(dir);
}
