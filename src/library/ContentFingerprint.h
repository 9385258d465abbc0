#pragma once
// What a track or package file is, whatever it is called: its size and a BLAKE2b-256 hash of its
// bytes (of the first and last MiB when the file is larger than 4 MiB). A record that follows its
// file to a new folder or name is found again by this fingerprint.
//
// BLAKE2b is the fastest unbroken hash QCryptographicHash offers here (about twice Sha256; Md5 and
// Sha1 are faster still but no longer collision-resistant).

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

inline constexpr qint64 kFingerprintWholeFileLimit = 4 * 1024 * 1024;
inline constexpr qint64 kFingerprintEdgeBytes = 1024 * 1024;

struct ContentFingerprint {
    qint64 Size = -1;  // -1: not taken (the file could not be read, or nobody looked yet)
    std::array<quint8, 32> Hash{};

    bool IsValid() const { return Size >= 0; }
    bool operator==(const ContentFingerprint&) const = default;
};

size_t qHash(const ContentFingerprint& print, size_t seed = 0) noexcept;

// The fingerprint of a file; an invalid one when it cannot be opened or read whole.
ContentFingerprint FingerprintOfFile(const QString& filePath);
// The fingerprints of many files, taken on every core at once, in the order of `paths`.
std::vector<ContentFingerprint> FingerprintFiles(const QStringList& paths);
