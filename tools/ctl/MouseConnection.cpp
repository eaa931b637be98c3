#include "MouseConnection.h"

#include "device/protocol/CommandFrames.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

constexpr int kReadSliceMs = 50;

} // namespace

MouseConnection::MouseConnection(std::unique_ptr<HidBackend> backend) : m_link(std::move(backend)) {}

MouseConnection::~MouseConnection()
{
    m_link.CloseDevice();
}

bool MouseConnection::open(const QString& product, QString& error)
{
    m_link.InitDeviceTable();
    if (m_link.EnumerateDevices() < 0) {
        error = QStringLiteral("the HID layer cannot start");
        return false;
    }
    m_link.OpenDevice(product.toUtf8().constData());
    if (!m_link.hasCommandHandle()) {
        error = QStringLiteral("no mouse \"%1\" found").arg(product);
        return false;
    }
    return true;
}

Heard MouseConnection::queryAndListen(int listenMs, bool untilBattery)
{
    Heard heard;
    if (m_link.writeReport(batteryQueryFrame()) < 0) {
        heard.readFailed = true;
        return heard;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < listenMs) {
        Frame reply{};
        const int got = m_link.readReport(reply.data(), kFrameSize, kReadSliceMs);
        if (got < 0) {
            heard.readFailed = true;
            return heard;
        }
        if (got == 0)
            continue;
        if (auto battery = decodeBatteryReply(reply.data(), got)) {
            heard.battery = battery;
            if (untilBattery)
                return heard;
        } else if (auto status = decodeStatusReport(reply.data(), got)) {
            heard.status = status;
        }
    }
    return heard;
}

MousePort MouseConnection::port()
{
    MousePort port;
    port.send = m_link.sender();
    port.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    port.isAwake = [this] { return !isOpen() || m_link.askBatteryState() == MouseWake::Awake; };
    port.echoedFrames = [this] { return m_link.echoedFrames(); };
    return port;
}
