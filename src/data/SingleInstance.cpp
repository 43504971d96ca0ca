#include "data/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace kelvora {

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent)
{
    const QByteArray folderHash =
        QCryptographicHash::hash(QDir(dataFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(12);
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    m_name = QStringLiteral("kelvora-%1-%2").arg(user, QString::fromLatin1(folderHash));
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
}

bool SingleInstance::becomeFirst()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(1000)) {
        probe.write("raise\n");
        probe.waitForBytesWritten(1000);
        probe.disconnectFromServer();
        return false;
    }
    // No one answers: a socket left by a crashed instance is stale.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    return m_server.listen(m_name);
}

} // namespace kelvora
