#pragma once

#include "platform/OsdMessage.h"

#include <QLocalServer>
#include <QObject>

class QLocalSocket;

Q_DECLARE_METATYPE(platform::OsdMessage)

// Listens under a local name and cuts what each client sends into 1044-byte messages.
class OsdServer : public QObject
{
    Q_OBJECT

public:
    explicit OsdServer(QObject* parent = nullptr);
    // Takes over a name left behind by a companion that did not end cleanly; the caller holds the
    // single-instance lock, so no live companion listens there.
    bool listen(const QString& name);
    QString serverName() const { return m_server.fullServerName(); }

signals:
    void messageReceived(const platform::OsdMessage& message);

private:
    void acceptClients();
    void takeMessages(QLocalSocket* client);

    QLocalServer m_server;
};
