// The raise request as one line over a local socket that only this user may reach.
#include "RaiseChannel.h"

#include "FolderLock.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray Request("raise\n");
const QByteArray Answer("raised\n");

} // namespace

RaiseChannel::RaiseChannel(const QString &folderKey, QObject *parent) : QObject(parent)
{
    const QString runtime = FolderLock::runtimeFolder();
    if (!runtime.isEmpty() && !folderKey.isEmpty())
        m_name = QStringLiteral("%1/orv-pendu-%2.socket").arg(runtime, folderKey);
}

bool RaiseChannel::listen()
{
    if (m_name.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the holder of the lock listens, so a socket already there is one a game left behind.
    QLocalServer::removeServer(m_name);
    connect(m_server, &QLocalServer::newConnection, this, &RaiseChannel::answer);
    return m_server->listen(m_name);
}

void RaiseChannel::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == Request) {
                emit raiseRequested();
                socket->write(Answer);
            }
            socket->disconnectFromServer();
        });
    }
}

bool RaiseChannel::askToRaise() const
{
    if (m_name.isEmpty())
        return false;
    // The running game listens once its window is up, a moment after it took the lock.
    const QDeadlineTimer connecting(3000);
    QLocalSocket socket;
    for (socket.connectToServer(m_name); !socket.waitForConnected(int(connecting.remainingTime()));
         socket.connectToServer(m_name)) {
        if (connecting.hasExpired())
            return false;
        QThread::msleep(50);
    }
    // It answers from its event loop, which may be busy loading the word list.
    const QDeadlineTimer answering(10000);
    socket.write(Request);
    if (!socket.waitForBytesWritten(int(answering.remainingTime())))
        return false;
    while (!socket.canReadLine() && socket.waitForReadyRead(int(answering.remainingTime()))) {
    }
    return socket.canReadLine() && socket.readLine() == Answer;
}
