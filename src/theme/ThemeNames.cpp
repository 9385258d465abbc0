#include "theme/ThemeNames.h"

#include "theme/ThemeFile.h"

#include <QDir>

QStringList ThemeFiles(const QString& themePath)
{
    if (themePath.isEmpty())
        return {};
    const QString extension = QString::fromLatin1(kThemeFileExtension);
    // Name filters of QDir ignore letter case unless told otherwise; without QDir::Hidden the listing
    // leaves out hidden files, and the leading-dot test keeps that true on Windows too.
    QStringList files =
        QDir(themePath).entryList({QLatin1Char('*') + extension}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    files.removeIf([](const QString& file) { return file.startsWith(QLatin1Char('.')); });
    return files;
}

QString FindThemeFile(const QString& themePath, const QString& name)
{
    if (name.isEmpty())
        return {};
    const QString wanted = name + QLatin1String(kThemeFileExtension);
    QString found;
    for (const QString& file : ThemeFiles(themePath)) {
        if (file == wanted)
            return QDir(themePath).filePath(file);
        if (found.isEmpty() && file.compare(wanted, Qt::CaseInsensitive) == 0)
            found = QDir(themePath).filePath(file);
    }
    return found;
}

QStringList ThemeListNames(const QString& themePath)
{
    const QString extension = QString::fromLatin1(kThemeFileExtension);
    QStringList names;
    for (QString file : ThemeFiles(themePath))
        names.append(file.remove(extension, Qt::CaseInsensitive));
    return names;
}

int ThemeListIndex(const QStringList& entries, const QString& themeName)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].compare(themeName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}

QString ThemeNameProblem(const QString& name)
{
    if (name.startsWith(QLatin1Char('.')))
        return QStringLiteral("A theme name can not begin with \".\"; the theme would be hidden.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("A theme name can not contain \"/\" or \"\\\".");
    return {};
}
