#include "OsdServer.h"

#include <QLocalSocket>

OsdServer::OsdServer(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<platform::OsdMessage>();
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &OsdServer::acceptClients);
}

bool OsdServer::listen(const QString& name)
{
    if (m_server.listen(name))
        return true;
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void OsdServer::acceptClients()
{
    while (QLocalSocket* client = m_server.nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client] { takeMessages(client); });
        // A client that writes and leaves at once: what it wrote still counts.
        connect(client, &QLocalSocket::disconnected, this, [this, client] {
            takeMessages(client);
            client->deleteLater();
        });
    }
}

void OsdServer::takeMessages(QLocalSocket* client)
{
    // Whole messages only: a partial one waits in the socket for the rest.
    while (client->bytesAvailable() >= platform::OsdLayout::Size) {
        const QByteArray data = client->read(platform::OsdLayout::Size);
        if (const std::optional<platform::OsdMessage> message = platform::parseOsdMessage(data))
            emit messageReceived(*message);
    }
}
