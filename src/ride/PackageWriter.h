#pragma once
// Writes packages in the layout that InstallPackage reads (see PackageFormat.h), for track authors,
// the demo and the tests.
//
// Layout written: the zlib streams one after another from the start of the file (DataBase 0), then
// the directory, then the trailer: DirOffset and the directory's length in bytes. Streams are written
// as they are added, so a large package never has to be held in memory.

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

#include "ride/PackageFormat.h"

class QIODevice;

class PackageWriter {
public:
    // `device` is open for writing and positioned at its start.
    explicit PackageWriter(QIODevice& device);

    // Compresses `data` (zlib level 0-9, -1 for zlib's default) as the entry Folder + Name.
    bool AddEntry(const QString& folder, const QString& name, QByteArrayView data, int level = -1);
    // Adds an entry from a stream that is already compressed; both sizes are stored as given.
    bool AddRawEntry(const QString& folder, const QString& name, QByteArrayView stream, qint32 uncompressedSize);
    // Writes the directory with up to three header texts and the trailer.
    bool Finish(const QStringList& headerTexts = {});

    QString ErrorString() const { return m_error; }

private:
    bool Fail(const QString& message);

    QIODevice& m_device;
    qint64 m_written = 0;
    std::vector<PackageEntry> m_entries;
    QString m_error;
};

struct PackageSourceFile {
    QString Folder;  // "objects\loop\" (ends in "\", or empty for the simulator folder itself)
    QString Name;
    QByteArray Data;
};

// A whole package in memory.
QByteArray BuildPackage(const std::vector<PackageSourceFile>& files, const QStringList& headerTexts = {});
// A whole package written atomically to `path`; false (and nothing written) on failure.
bool WritePackageFile(const QString& path, const std::vector<PackageSourceFile>& files,
                      const QStringList& headerTexts = {}, QString* error = nullptr);
