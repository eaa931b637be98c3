#include "platform/virtual/VirtualMouseControl.h"

#include "hid/sim/VirtualReceiver.h"
#include "log/Log.h"

#include <QLocalSocket>

VirtualMouseControl::VirtualMouseControl(VirtualReceiver& receiver, const QString& strServerName, QObject* parent)
    : QObject(parent), m_Receiver(receiver)
{
    QLocalServer::removeServer(strServerName);
    m_Server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_Server.listen(strServerName))
        qCWarning(lcPlatform, "virtual mouse control: cannot listen on %s", qPrintable(strServerName));
    connect(&m_Server, &QLocalServer::newConnection, this, &VirtualMouseControl::onNewConnection);
}

void VirtualMouseControl::onNewConnection()
{
    while (QLocalSocket* socket = m_Server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine())
                socket->write(answer(socket->readLine().trimmed()));
            socket->flush();
        });
    }
}

QByteArray VirtualMouseControl::answer(const QByteArray& line)
{
    const QList<QByteArray> words = line.split(' ');
    const QByteArray command = words.value(0);
    bool bNumber = false;
    const int iValue = words.value(1).toInt(&bNumber);
    if (command == "unplug") {
        m_Receiver.unplug();
    } else if (command == "plug") {
        m_Receiver.plug();
    } else if (command == "sleep" || command == "wake") {
        m_Receiver.setAsleep(command == "sleep");
    } else if (command == "profile" && bNumber && iValue >= 0 && iValue < 5) {
        m_Receiver.mouseSelectsProfile(iValue);
    } else if (command == "dpi" && bNumber && iValue >= 0 && iValue < 6) {
        m_Receiver.mouseSelectsDpiStage(iValue);
    } else if (command == "rate" && bNumber && iValue >= 0 && iValue <= 255) {
        m_Receiver.mouseSelectsRate(quint8(iValue));
    } else if (command == "state") {
        const VirtualFirmware firmware = m_Receiver.firmware();
        QByteArray out;
        out += "plugged " + QByteArray::number(m_Receiver.isPlugged() ? 1 : 0) + '\n';
        out += "profile " + QByteArray::number(firmware.activeProfile()) + '\n';
        out += "dpi " + QByteArray::number(firmware.dpiStage()) + '\n';
        out += "effect " + QByteArray::number(firmware.lightingEffect()) + '\n';
        static const char* const kTables[] = {"settings", "stages", "buttons", "lighting", "macros"};
        for (int i = 0; i < VirtualFirmware::TableCount; ++i)
            out += QByteArray(kTables[i]) + ' ' + firmware.table(VirtualFirmware::Table(i)).toHex() + '\n';
        return out + "ok\n";
    } else {
        return "error unknown command: " + line + '\n';
    }
    return "ok\n";
}

std::unique_ptr<VirtualMouseControl> virtualMouseControlFromEnvironment(VirtualReceiver* receiver)
{
    const QString name = qEnvironmentVariable("OSKEN_VIRTUAL_MOUSE_CONTROL");
    if (!receiver || name.isEmpty())
        return nullptr;
    return std::make_unique<VirtualMouseControl>(*receiver, name);
}
