#include "platform/linux/LocalSocketOsdLink.h"
#include "log/Log.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace platform {

namespace {

constexpr int kMaxLaunches = 5;
constexpr int kLaunchWaitMs = 500;
constexpr int kPollMs = 50;
constexpr int kWriteTimeoutMs = 1000;

bool tryConnect(QLocalSocket& socket, const QString& name)
{
    socket.abort();
    socket.connectToServer(name, QIODevice::WriteOnly);
    return socket.waitForConnected(kPollMs);
}

} // namespace

LocalSocketOsdLink::LocalSocketOsdLink(QString serverName, QString programPath, QStringList arguments)
    : m_serverName(std::move(serverName)), m_programPath(std::move(programPath)), m_arguments(std::move(arguments))
{
}

bool LocalSocketOsdLink::send(const OsdMessage& message)
{
    QLocalSocket socket;
    bool bConnected = tryConnect(socket, m_serverName);
    for (int launches = 0; !bConnected && launches < kMaxLaunches; ++launches) {
        // A companion that is not there cannot appear by waiting for it.
        if (!QFileInfo(m_programPath).isExecutable() ||
            !QProcess::startDetached(m_programPath, m_arguments, QFileInfo(m_programPath).absolutePath())) {
            qCDebug(lcPlatform) << "OSD program cannot be started:" << m_programPath;
            break;
        }
        QElapsedTimer waited;
        waited.start();
        while (!bConnected && waited.elapsed() < kLaunchWaitMs) {
            QThread::msleep(kPollMs);
            bConnected = tryConnect(socket, m_serverName);
        }
    }
    if (!bConnected)
        return false;

    const QByteArray data = buildOsdMessage(message);
    bool bSent = socket.write(data) == data.size();
    while (bSent && socket.bytesToWrite() > 0)
        bSent = socket.waitForBytesWritten(kWriteTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWriteTimeoutMs);
    if (!bSent)
        qCDebug(lcPlatform, "SendMessage failed\n");
    return bSent;
}

QString osdServerName()
{
    // A per-user socket: another user's companion must neither block nor receive ours.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(osdInstanceName());
}

std::unique_ptr<OsdLink> makeOsdLink(const QString& programDirectory, const QStringList& arguments)
{
    return std::make_unique<LocalSocketOsdLink>(
        osdServerName(), QDir(programDirectory).filePath(QStringLiteral("osken-osd")), arguments);
}

} // namespace platform
