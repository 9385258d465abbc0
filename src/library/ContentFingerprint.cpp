#include "library/ContentFingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHashFunctions>
#include <QThread>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

bool AddFromFile(QCryptographicHash& hash, QFile& file, qint64 bytes)
{
    const QByteArray data = file.read(bytes);
    hash.addData(data);
    return data.size() == bytes;
}

} // namespace

size_t qHash(const ContentFingerprint& print, size_t seed) noexcept
{
    quint64 head = 0;
    std::memcpy(&head, print.Hash.data(), sizeof head);
    return ::qHash(head ^ quint64(print.Size), seed);
}

ContentFingerprint FingerprintOfFile(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    bool whole = true;
    if (size <= kFingerprintWholeFileLimit) {
        // Mapped, the bytes are hashed where the system keeps them instead of being copied first.
        if (uchar* mapped = size > 0 ? file.map(0, size) : nullptr) {
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(mapped), size));
            file.unmap(mapped);
        } else {
            whole = AddFromFile(hash, file, size);
        }
    } else {
        whole = AddFromFile(hash, file, kFingerprintEdgeBytes) && file.seek(size - kFingerprintEdgeBytes)
            && AddFromFile(hash, file, kFingerprintEdgeBytes);
    }
    if (!whole)
        return {};
    ContentFingerprint print;
    print.Size = size;
    const QByteArrayView result = hash.resultView();
    std::memcpy(print.Hash.data(), result.data(), std::min<size_t>(result.size(), print.Hash.size()));
    return print;
}

std::vector<ContentFingerprint> FingerprintFiles(const QStringList& paths)
{
    std::vector<ContentFingerprint> prints(size_t(paths.size()));
    std::atomic<qsizetype> next{0};
    auto work = [&] {
        for (qsizetype i = next++; i < paths.size(); i = next++)
            prints[size_t(i)] = FingerprintOfFile(paths[i]);
    };
    const int helpers = std::min<qsizetype>(std::max(QThread::idealThreadCount(), 1), paths.size()) - 1;
    std::vector<std::thread> threads;
    for (int t = 0; t < helpers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    return prints;
}
