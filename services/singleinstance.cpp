#include "singleinstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>
#include <unistd.h>

namespace ql {

namespace {

// How long a second copy keeps trying to reach the first, which may have
// taken the lock a moment ago and not be listening yet.
constexpr int ConnectTimeoutMs = 5000;
constexpr qint64 MaxMessageBytes = 64;

QString runtimeFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir() && QFileInfo(xdg).isWritable())
        return xdg;
    return QDir::tempPath();
}

QString safeName(const QString &key)
{
    QString name;
    for (const QChar c : key)
        name += (c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.') ? c : QChar(u'_');
    return name;
}

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent), m_key(safeName(key))
{
    m_socketPath = runtimeFolder() + u'/' + m_key + QStringLiteral(".socket");
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close(); // removes the socket file
}

QString SingleInstance::defaultKey()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName() + u'-' +
           QString::number(::getuid());
}

bool SingleInstance::start()
{
    m_lock = std::make_unique<QLockFile>(runtimeFolder() + u'/' + m_key + QStringLiteral(".lock"));
    // Never stale by age: only a lock whose process is gone is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        // A socket file left by a copy that crashed would make listen() fail.
        // (With UserAccessOption Qt binds in a private folder and renames the
        // socket over the path, which replaces it anyway.)
        QLocalServer::removeServer(m_socketPath);
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
        m_server->listen(m_socketPath); // unreachable if this fails, but still the only copy
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_lock.reset();
        return true;
    }

    const QDeadlineTimer deadline(ConnectTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(500)) {
            socket.write(ActivateMessage);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return false;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine() && socket->bytesAvailable() < MaxMessageBytes)
                return;
            const QByteArray message = socket->readLine(MaxMessageBytes);
            socket->disconnectFromServer();
            if (message == ActivateMessage)
                emit activationRequested();
        });
    }
}

void SingleInstance::bringToFront(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ql
