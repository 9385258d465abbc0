#pragma once
// One program per library: the program that holds a library (session/LibraryLock.h) listens on a
// local socket named after its program folder; a second start on the same folder hands its file
// arguments over that socket and ends, and the first adds them and comes to the front.
//
// The socket is the user's own (QLocalServer::UserAccessOption: other users cannot connect) and
// what arrives is untrusted: a message is the magic kHandOverMagic, a 32-bit big-endian byte count
// and that many bytes of UTF-8 absolute paths separated by NUL; the whole message is at most
// kHandOverLimit bytes. Anything else is refused as a whole, and a sender that stalls is cut off.

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QStringList>

inline constexpr char kHandOverMagic[] = "RIDEVAULT-OPEN-1";
inline constexpr qsizetype kHandOverLimit = 64 * 1024;

// The socket name for a program folder: the user and a hash of the folder's canonical path, so two
// spellings of one folder meet and two folders never do.
QString HandOverServerName(const QString& programFolder);

// The message for paths; empty when it would exceed kHandOverLimit.
QByteArray EncodeHandOver(const QStringList& absolutePaths);

enum class HandOverParse { Incomplete, Complete, Malformed, Oversized };
// Reads what has arrived so far; paths is filled when Complete.
HandOverParse DecodeHandOver(const QByteArray& received, QStringList* paths);

class HandOverServer : public QObject {
    Q_OBJECT
public:
    explicit HandOverServer(QObject* parent = nullptr);

    // Listens for programFolder. The caller holds the library's lock, so a socket file left by a
    // killed program is removed first. False (see ErrorText) when the socket cannot be made.
    bool Listen(const QString& programFolder);
    QString FullServerName() const { return m_server.fullServerName(); }
    QString ErrorText() const { return m_server.errorString(); }

Q_SIGNALS:
    void FilesReceived(const QStringList& paths);
    // A message that could not be read, in one status-bar line.
    void MessageRefused(const QString& statusText);

private:
    void AcceptConnection();
    QLocalServer m_server;
};

enum class HandOverResult { Delivered, NoProgram, Refused };
// Sends paths (absolute) to the program listening for programFolder and waits for its answer.
HandOverResult HandOverFiles(const QString& programFolder, const QStringList& absolutePaths, int timeoutMs = 5000);
