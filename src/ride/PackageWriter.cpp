#include "ride/PackageWriter.h"

#include "recordio/BinaryFileIO.h"

#include <QBuffer>
#include <QSaveFile>

#include <zlib.h>

#include <limits>

PackageWriter::PackageWriter(QIODevice& device) : m_device(device) {}

bool PackageWriter::Fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
    return false;
}

bool PackageWriter::AddEntry(const QString& folder, const QString& name, QByteArrayView data, int level)
{
    if (data.size() > std::numeric_limits<qint32>::max())
        return Fail(QStringLiteral("%1%2 is larger than a package can hold").arg(folder, name));
    uLongf length = compressBound(static_cast<uLong>(data.size()));
    QByteArray stream(static_cast<qsizetype>(length), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(stream.data()), &length,
                  reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), level) != Z_OK)
        return Fail(QStringLiteral("cannot compress %1%2").arg(folder, name));
    stream.resize(static_cast<qsizetype>(length));
    return AddRawEntry(folder, name, stream, static_cast<qint32>(data.size()));
}

bool PackageWriter::AddRawEntry(const QString& folder, const QString& name, QByteArrayView stream,
                                qint32 uncompressedSize)
{
    if (!m_error.isEmpty())
        return false;
    if (m_written + stream.size() > std::numeric_limits<qint32>::max())
        return Fail(QStringLiteral("the package would exceed 2 GiB"));
    if (m_device.write(stream.data(), stream.size()) != stream.size())
        return Fail(QStringLiteral("cannot write: %1").arg(m_device.errorString()));
    m_entries.push_back({folder, name, static_cast<qint32>(m_written), uncompressedSize,
                         static_cast<qint32>(stream.size())});
    m_written += stream.size();
    return true;
}

bool PackageWriter::Finish(const QStringList& headerTexts)
{
    if (!m_error.isEmpty())
        return false;
    if (headerTexts.size() > 3)
        return Fail(QStringLiteral("a package has three header texts"));
    BinaryFileIO io;
    io.SetBigEndian(0);
    qint32 position = 0;
    io.WriteTag(position, QLatin1String(kPackageMagic));
    io.WriteLong(position, 0);
    io.WriteLong(position, static_cast<qint32>(m_entries.size()));
    for (int i = 0; i < 3; ++i)
        io.WriteString(position, headerTexts.value(i));
    for (const PackageEntry& e : m_entries) {
        io.WriteString(position, e.Folder);
        io.WriteString(position, e.Name);
        io.WriteLong(position, e.Offset);
        io.WriteLong(position, e.UncompressedSize);
        io.WriteLong(position, e.CompressedSize);
    }
    const qint32 directoryLength = position;
    io.WriteLong(position, static_cast<qint32>(m_written));
    io.WriteLong(position, directoryLength);
    if (m_written + position > std::numeric_limits<qint32>::max())
        return Fail(QStringLiteral("the package would exceed 2 GiB"));
    const QByteArray& bytes = io.FileBuffer();
    if (m_device.write(bytes) != bytes.size())
        return Fail(QStringLiteral("cannot write: %1").arg(m_device.errorString()));
    m_written += bytes.size();
    return true;
}

QByteArray BuildPackage(const std::vector<PackageSourceFile>& files, const QStringList& headerTexts)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PackageWriter writer(buffer);
    for (const PackageSourceFile& f : files)
        writer.AddEntry(f.Folder, f.Name, f.Data);
    writer.Finish(headerTexts);
    return buffer.data();
}

bool WritePackageFile(const QString& path, const std::vector<PackageSourceFile>& files,
                      const QStringList& headerTexts, QString* error)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    PackageWriter writer(file);
    for (const PackageSourceFile& f : files)
        writer.AddEntry(f.Folder, f.Name, f.Data);
    if (!writer.Finish(headerTexts) || !file.commit()) {
        if (error)
            *error = writer.ErrorString().isEmpty() ? file.errorString() : writer.ErrorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
