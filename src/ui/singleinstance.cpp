#include "ui/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace quirnel::ui {

namespace {
Q_LOGGING_CATEGORY(lcInstance, "quirnel.instance", QtWarningMsg)
}

// Named after the folder's real path, so that a link to it or a relative path finds the
// same lock; kept in the user's runtime folder, not among the data.
SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent)
{
    QString folder = QFileInfo(dataFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QFileInfo(dataFolder).absoluteFilePath();
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    const QString base = QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
                             .filePath(QStringLiteral("quirnel-") + key);
    m_socketPath = base + QStringLiteral(".socket");
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale, never its age
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            qCDebug(lcInstance, "asked to show the window");
            emit showRequested();
        }
    });
}

SingleInstance::~SingleInstance()
{
    release();
}

bool SingleInstance::claim()
{
    if (m_lock->tryLock(0)) {
        QLocalServer::removeServer(m_socketPath); // left by a crash
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server.listen(m_socketPath))
            qCWarning(lcInstance, "no socket for a second start: %s",
                      qPrintable(m_server.errorString()));
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError)
        return true;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(2000))
        socket.disconnectFromServer();
    qCDebug(lcInstance, "already running for this folder");
    return false;
}

bool SingleInstance::handOver(const std::function<bool()> &start)
{
    release();
    if (start())
        return true;
    claim();
    return false;
}

void SingleInstance::release()
{
    m_server.close();
    if (m_lock->isLocked())
        m_lock->unlock();
}

} // namespace quirnel::ui
