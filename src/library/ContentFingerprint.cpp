#include "library/ContentFingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHashFunctions>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr qint64 kReadPiece = 256 * 1024;

// Hashes the next `bytes` of the file, read in pieces into one buffer per thread. Reading beats
// mapping here: unmapping a file from a process with several threads makes the system flush every
// core's address cache, which cost more than the hash itself on a scan of many small files.
bool AddFromFile(QCryptographicHash& hash, QFile& file, qint64 bytes)
{
    thread_local std::vector<char> buffer(kReadPiece);
    while (bytes > 0) {
        const qint64 got = file.read(buffer.data(), std::min(bytes, kReadPiece));
        if (got <= 0)
            return false;
        hash.addData(QByteArrayView(buffer.data(), got));
        bytes -= got;
    }
    return true;
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
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    const qint64 size = file.size();
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    const bool whole = size <= kFingerprintWholeFileLimit
        ? AddFromFile(hash, file, size)
        : AddFromFile(hash, file, kFingerprintEdgeBytes) && file.seek(size - kFingerprintEdgeBytes)
            && AddFromFile(hash, file, kFingerprintEdgeBytes);
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
