#include "instance/HandOver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr qsizetype kMagicSize = sizeof(kHandOverMagic) - 1;
constexpr qsizetype kHeaderSize = kMagicSize + 4;
constexpr int kSenderPatienceMs = 5000;  // a sender that has not finished by then is cut off
constexpr char kAccepted = 'K';

} // namespace

QString HandOverServerName(const QString& programFolder)
{
    const QFileInfo info(programFolder);
    const QString canonical = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
#ifdef Q_OS_UNIX
    return QStringLiteral("ridevault-%1-%2").arg(getuid()).arg(QLatin1String(hash));
#else
    return QStringLiteral("ridevault-%1").arg(QLatin1String(hash));
#endif
}

QByteArray EncodeHandOver(const QStringList& absolutePaths)
{
    const QByteArray payload = absolutePaths.join(QChar(0)).toUtf8();
    if (kHeaderSize + payload.size() > kHandOverLimit)
        return QByteArray();
    QByteArray message(kHandOverMagic, kMagicSize);
    char count[4];
    qToBigEndian(quint32(payload.size()), count);
    message.append(count, 4);
    message.append(payload);
    return message;
}

HandOverParse DecodeHandOver(const QByteArray& received, QStringList* paths)
{
    if (!QByteArray(kHandOverMagic, kMagicSize).startsWith(received.left(kMagicSize)))
        return HandOverParse::Malformed;
    if (received.size() < kHeaderSize)
        return HandOverParse::Incomplete;
    const quint32 count = qFromBigEndian<quint32>(received.constData() + kMagicSize);
    if (count > quint32(kHandOverLimit - kHeaderSize) || received.size() > kHandOverLimit)
        return HandOverParse::Oversized;
    if (received.size() < kHeaderSize + qsizetype(count))
        return HandOverParse::Incomplete;
    if (received.size() > kHeaderSize + qsizetype(count))
        return HandOverParse::Malformed;

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(received.mid(kHeaderSize));
    if (utf8.hasError())
        return HandOverParse::Malformed;
    QStringList list;
    if (count > 0)
        list = text.split(QChar(0));
    for (const QString& path : list)
        if (path.isEmpty() || !QDir::isAbsolutePath(path))
            return HandOverParse::Malformed;
    if (paths)
        *paths = list;
    return HandOverParse::Complete;
}

HandOverServer::HandOverServer(QObject* parent) : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &HandOverServer::AcceptConnection);
}

bool HandOverServer::Listen(const QString& programFolder)
{
    const QString name = HandOverServerName(programFolder);
    if (m_server.listen(name))
        return true;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void HandOverServer::AcceptConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        // A message is acted on once whole; the buffer never grows past the limit and one byte.
        auto received = std::make_shared<QByteArray>();
        auto* patience = new QTimer(socket);
        patience->setSingleShot(true);
        const auto refuse = [this, socket, patience](const QString& text) {
            patience->stop();
            socket->disconnect(this);
            socket->abort();
            socket->deleteLater();
            Q_EMIT MessageRefused(text);
        };
        connect(patience, &QTimer::timeout, this, [refuse] {
            refuse(QStringLiteral("Ignored a hand-over from another start of Ridevault: it did not finish."));
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received, patience, refuse] {
            received->append(socket->read(kHandOverLimit + 1 - received->size()));
            QStringList paths;
            switch (DecodeHandOver(*received, &paths)) {
            case HandOverParse::Incomplete:
                if (received->size() <= kHandOverLimit)
                    return;
                [[fallthrough]];
            case HandOverParse::Oversized:
                refuse(QStringLiteral("Ignored a hand-over from another start of Ridevault: it was too large."));
                return;
            case HandOverParse::Malformed:
                refuse(QStringLiteral("Ignored a hand-over from another start of Ridevault: it could not be read."));
                return;
            case HandOverParse::Complete:
                patience->stop();
                socket->disconnect(this);
                socket->write(&kAccepted, 1);
                socket->flush();
                socket->disconnectFromServer();
                Q_EMIT FilesReceived(paths);
                return;
            }
        });
        patience->start(kSenderPatienceMs);
    }
}

HandOverResult HandOverFiles(const QString& programFolder, const QStringList& absolutePaths, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(HandOverServerName(programFolder));
    if (!socket.waitForConnected(timeoutMs))
        return HandOverResult::NoProgram;
    const QByteArray message = EncodeHandOver(absolutePaths);
    if (message.isEmpty())
        return HandOverResult::Refused;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return HandOverResult::Refused;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs))
            return HandOverResult::Refused;
    char answer = 0;
    socket.read(&answer, 1);
    return answer == kAccepted ? HandOverResult::Delivered : HandOverResult::Refused;
}
