#pragma once
// A temporary folder for one test, removed when the test ends, with small helpers to lay out
// files and read them back. Every test that touches the file system works inside one of these.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestFolder {
public:
    TestFolder();

    // The folder itself, without a trailing separator.
    QString path() const;
    // path() + "/" + relative.
    QString filePath(const QString& relative) const;

    // Creates the file (and any missing parent folders) with these bytes; returns its full path.
    QString createFile(const QString& relative, const QByteArray& bytes = QByteArray());
    // Creates the folder and its parents; returns its full path.
    QString createDir(const QString& relative);

    // The whole file, or an empty array when it cannot be read.
    static QByteArray readFile(const QString& fullPath);
    // Every file and folder below the folder, relative, sorted: "a/", "a/b.txt", ...
    QStringList listAll() const;

private:
    QTemporaryDir m_dir;
};

// Hex text such as "52 56 44 42" (blanks allowed) to bytes, for golden-byte tables.
QByteArray hexBytes(const char* hex);
