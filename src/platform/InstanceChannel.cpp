#include "platform/InstanceChannel.h"

#include "log/Log.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>

namespace platform {

namespace {

constexpr int kRetryMs = 100;

QByteArray answerBytes(const InstanceAnswer& answer)
{
    QByteArray bytes;
    for (const QString& line : answer.lines)
        bytes += line.toUtf8() + '\n';
    bytes += answer.bOk ? QByteArray("ok\n") : "error " + answer.error.toUtf8() + '\n';
    return bytes;
}

} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptClients);
}

bool InstanceServer::listen(const QString& name)
{
    QLocalServer::removeServer(name);
    if (m_server.listen(name))
        return true;
    qCWarning(lcPlatform) << "Cannot listen for later starts under" << name << ":" << m_server.errorString();
    return false;
}

void InstanceServer::registerRequest(const QString& kind, InstanceHandler handler)
{
    m_handlers.insert(kind, std::move(handler));
}

void InstanceServer::registerFeed(const QString& kind, InstanceFeedHandler handler)
{
    m_feeds.insert(kind, std::move(handler));
}

void InstanceServer::acceptClients()
{
    while (QLocalSocket* client = m_server.nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client] { serve(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
}

void InstanceServer::serve(QLocalSocket* client)
{
    while (client->canReadLine()) {
        const QByteArray raw = client->readLine(kMaxLineBytes + 2);
        if (!raw.endsWith('\n')) {
            client->abort();
            return;
        }
        const QString line = QString::fromUtf8(raw).trimmed();
        const QString kind = line.section(QLatin1Char(' '), 0, 0);
        const QString argument = line.section(QLatin1Char(' '), 1);
        if (m_feeds.contains(kind)) {
            if (startFeed(client, kind, argument))
                return;
            continue;
        }
        const auto handler = m_handlers.constFind(kind);
        const InstanceAnswer answer = handler != m_handlers.constEnd()
                                          ? (*handler)(argument)
                                          : InstanceAnswer::failed(QStringLiteral("unknown request ") + kind);
        client->write(answerBytes(answer));
    }
    if (client->bytesAvailable() > kMaxLineBytes)
        client->abort();
}

bool InstanceServer::startFeed(QLocalSocket* client, const QString& kind, const QString& argument)
{
    const QPointer<QLocalSocket> guarded(client);
    InstanceFeed feed = [guarded](const QString& line) {
        if (!guarded || guarded->state() != QLocalSocket::ConnectedState)
            return false;
        if (guarded->bytesToWrite() > kMaxUnreadBytes) {
            guarded->abort();
            return false;
        }
        guarded->write(line.toUtf8() + '\n');
        return true;
    };
    const InstanceAnswer answer = m_feeds.value(kind)(argument, std::move(feed));
    client->write(answerBytes(answer));
    if (!answer.bOk)
        return false;
    disconnect(client, &QLocalSocket::readyRead, this, nullptr);
    connect(client, &QLocalSocket::readyRead, client, [client] { client->readAll(); });
    client->readAll();
    return true;
}

std::optional<InstanceAnswer> askRunningInstance(const QString& serverName, const QString& request, int iTimeoutMs)
{
    const QDeadlineTimer deadline(iTimeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(serverName);
        if (socket.waitForConnected(int(qMax<qint64>(deadline.remainingTime(), 0))))
            break;
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(kRetryMs);
    }
    socket.write(request.toUtf8() + '\n');
    InstanceAnswer answer;
    for (;;) {
        while (!socket.canReadLine()) {
            if (deadline.hasExpired() || !socket.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1))))
                return std::nullopt;
        }
        const QString line = QString::fromUtf8(socket.readLine()).chopped(1);
        if (line == QLatin1String("ok"))
            return answer;
        if (line.startsWith(QLatin1String("error "))) {
            answer.bOk = false;
            answer.error = line.mid(6);
            return answer;
        }
        answer.lines << line;
    }
}

} // namespace platform
