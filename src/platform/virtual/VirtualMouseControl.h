#pragma once

#include <QLocalServer>
#include <QPointer>

#include <memory>

class VirtualReceiver;

// Lets a script drive the virtual mouse of a running program (pull the receiver, press the mouse's own
// buttons) and read what the mouse holds. One command per line; every answer ends with a line "ok" or
// "error <text>". Listens only when OSKEN_VIRTUAL_MOUSE_CONTROL names a socket.
class VirtualMouseControl : public QObject
{
    Q_OBJECT

public:
    VirtualMouseControl(VirtualReceiver& receiver, const QString& strServerName, QObject* parent = nullptr);

    // The answer to one command line, "ok"/"error" line included.
    QByteArray answer(const QByteArray& line);

private:
    void onNewConnection();

    VirtualReceiver& m_Receiver;
    QLocalServer m_Server;
};

// The control of `receiver` on the socket that OSKEN_VIRTUAL_MOUSE_CONTROL names; none without a receiver or
// a name.
std::unique_ptr<VirtualMouseControl> virtualMouseControlFromEnvironment(VirtualReceiver* receiver);
