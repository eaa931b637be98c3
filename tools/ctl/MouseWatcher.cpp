#include "MouseWatcher.h"

#include "SettingsSource.h"

#include <QTimer>

namespace {
// The window reopens the mouse as long after the first collection arrived.
constexpr int kArrivalSettleMs = 200;
constexpr int kReopenSettleMs = 500;
} // namespace

MouseWatcher::MouseWatcher(std::unique_ptr<HidBackend> backend, std::unique_ptr<platform::DeviceNotifier> notifier,
                           bool bJson, QTextStream& out)
    : m_Link(std::move(backend)), m_pNotifier(std::move(notifier)), m_Runner(m_Link),
      m_Hotplug(
          m_Link.deviceTable(),
          [this](const QByteArray& path) { return m_Link.hid_get_release_number(path.constData()); },
          static_cast<HotplugWindow&>(*this)),
      m_Out(out), m_bJson(bJson)
{
    // After a collection of the mouse came or went, the system settles before the mouse is opened again.
    m_ReopenTimer.setSingleShot(true);
    m_ReopenTimer.setInterval(kReopenSettleMs);
    connect(&m_ReopenTimer, &QTimer::timeout, this, [this] {
        if (!HotplugHandler::productPresent(m_Link.deviceTable(), currentProductName()))
            return;
        openDevice(currentProductName());
        startStatusThread();
    });
}

MouseWatcher::~MouseWatcher()
{
    if (m_pNotifier)
        m_pNotifier->stop();
    m_Runner.stop();
    m_Link.CloseDevice();
}

void MouseWatcher::start()
{
    m_Session.load();
    m_Link.InitDeviceTable();
    m_Link.EnumerateDevices();
    refreshMouseList();
    m_Link.OpenDevice(currentProductName().constData());
    const bool bPlugged = m_Link.hasCommandHandle();
    print(m_Events.plugged(bPlugged));
    if (bPlugged)
        startStatusThread();
    if (m_pNotifier)
        m_pNotifier->start(0,
                           [this](const platform::DeviceChangeEvent& event) { m_Hotplug.handleDeviceChange(event); });
}

void MouseWatcher::print(const std::vector<MouseEvent>& events)
{
    for (const MouseEvent& event : events)
        m_Out << event.line(m_bJson);
    m_Out.flush();
}

void MouseWatcher::onBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    print(m_Events.battery(iCharge, iLowByte, iHiByte));
}

void MouseWatcher::onStatus(quint8 iProfile, quint8 iDpiStage, quint8 iRate, quint8)
{
    // The report's bytes are untrusted: the session takes only what the mouse can mean.
    const MouseChange change = m_Session.takeMouseStatus(iProfile, iDpiStage, iRate);
    const int iSensor = chosenSensor(chosenProduct(std::nullopt), std::nullopt);
    print(MouseEventLog::status(change, m_Session.activeSlot(), m_Session.working().activeSlot(), iSensor));
}

void MouseWatcher::onWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        requestFullWrite();
}

void MouseWatcher::refreshMouseList()
{
    m_iConnected = m_Link.connectedMouseCount();
}

void MouseWatcher::openDevice(const QByteArray& productName)
{
    m_Link.OpenDevice(productName.constData());
    print(m_Events.plugged(m_Link.hasCommandHandle()));
}

void MouseWatcher::closeDevice()
{
    m_Link.CloseDevice();
}

void MouseWatcher::stopStatusThread()
{
    m_Runner.stop();
}

void MouseWatcher::startStatusThread()
{
    OrnGetBatteryThread* thread = m_Runner.start();
    connect(thread, &OrnGetBatteryThread::RefreshBatteryStatus, this, &MouseWatcher::onBattery, Qt::QueuedConnection);
    connect(thread, &OrnGetBatteryThread::RefreshStatus, this, &MouseWatcher::onStatus, Qt::QueuedConnection);
    connect(thread, &OrnGetBatteryThread::RefreshWriteStatus, this, &MouseWatcher::onWriteStatus, Qt::QueuedConnection);
}

void MouseWatcher::scheduleWarnClose()
{
    QTimer::singleShot(kArrivalSettleMs, this, [this] {
        openDevice(currentProductName());
        startStatusThread();
        m_Session.load();
    });
}

void MouseWatcher::scheduleNoMouseWarning()
{
    m_iConnected = 0;
    print(m_Events.plugged(false));
}

void MouseWatcher::reloadProductSettings()
{
    m_Session.load();
}

void MouseWatcher::scheduleReopen()
{
    m_ReopenTimer.start();
}

QByteArray MouseWatcher::currentProductName() const
{
    return chosenProduct(std::nullopt).toUtf8();
}

void MouseWatcher::requestFullWrite()
{
    m_Session.requestFullWrite();
}
