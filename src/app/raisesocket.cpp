#include "raisesocket.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <type_traits>

namespace {

const QByteArray raiseLine = QByteArrayLiteral("raise\n");
constexpr int timeoutMs = 2000;

} // namespace

extern "C" Q_DECL_EXPORT bool amoriskRaiseListen(const QString &path, QObject *owner,
                                                 const std::function<void()> &onRaise)
{
    auto *server = new QLocalServer(owner);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock holder comes here, so a socket file still present was
    // left by a holder that died.
    QLocalServer::removeServer(path);
    QObject::connect(server, &QLocalServer::newConnection, server, [server, onRaise] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto read = [socket, onRaise] {
                while (socket->canReadLine()) {
                    if (socket->readLine() == raiseLine)
                        onRaise();
                }
            };
            QObject::connect(socket, &QLocalSocket::readyRead, socket, read);
            read();
        }
    });
    return server->listen(path);
}

extern "C" Q_DECL_EXPORT bool amoriskRaiseRequest(const QString &path)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(raiseLine);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

static_assert(std::is_same_v<decltype(&amoriskRaiseListen), amorisk::raisesocket::ListenFunction>);
static_assert(
        std::is_same_v<decltype(&amoriskRaiseRequest), amorisk::raisesocket::RequestFunction>);
