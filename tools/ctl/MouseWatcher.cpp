#include "MouseWatcher.h"

#include "CtlOutput.h"
#include "SettingsSource.h"
#include "device/status/BatteryLevel.h"
#include "editors/core/DpiConversion.h"
#include "editors/core/ReportRate.h"

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
    m_bPlugged = m_Link.hasCommandHandle();
    print(m_bPlugged ? QStringLiteral("plugged") : QStringLiteral("unplugged"),
          {{"event", m_bPlugged ? "plugged" : "unplugged"}});
    if (m_bPlugged)
        startStatusThread();
    if (m_pNotifier)
        m_pNotifier->start(0,
                           [this](const platform::DeviceChangeEvent& event) { m_Hotplug.handleDeviceChange(event); });
}

void MouseWatcher::print(const QString& text, const QJsonObject& json)
{
    m_Out << (m_bJson ? jsonLine(json) : text + QLatin1Char('\n'));
    m_Out.flush();
}

void MouseWatcher::setPlugged(bool bPlugged)
{
    if (bPlugged == m_bPlugged)
        return;
    m_bPlugged = bPlugged;
    // What the mouse said before does not hold for the next time it is there.
    m_bAsleep.reset();
    m_Battery.reset();
    print(bPlugged ? QStringLiteral("plugged") : QStringLiteral("unplugged"),
          {{"event", bPlugged ? "plugged" : "unplugged"}});
}

void MouseWatcher::onBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    // All zero: the receiver answers for a mouse that sleeps or is out of reach.
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        if (m_bAsleep != true)
            print(QStringLiteral("asleep"), {{"event", "asleep"}});
        m_bAsleep = true;
        return;
    }
    if (m_bAsleep == true)
        print(QStringLiteral("awake"), {{"event", "awake"}});
    m_bAsleep = false;
    const std::pair<int, bool> battery{batteryPercent(iLowByte, iHiByte), iCharge != 0};
    if (m_Battery == battery)
        return;
    m_Battery = battery;
    print(QStringLiteral("battery %1%%2").arg(battery.first).arg(battery.second ? " charging" : ""),
          {{"event", "battery"}, {"percent", battery.first}, {"charging", battery.second}});
}

void MouseWatcher::onStatus(quint8 iProfile, quint8 iDpiStage, quint8 iRate, quint8)
{
    // The report's bytes are untrusted: the session takes only what the mouse can mean.
    const MouseChange change = m_Session.takeMouseStatus(iProfile, iDpiStage, iRate);
    const ProfileData& active = m_Session.working().activeSlot();
    if (change.profile)
        print(QStringLiteral("profile %1").arg(m_Session.activeSlot() + 1),
              {{"event", "profile"}, {"slot", m_Session.activeSlot() + 1}});
    if (change.dpiStage) {
        const int iSensor = chosenSensor(chosenProduct(std::nullopt), std::nullopt);
        const int iDpi = dpiFromRaw(int(active.stages[active.dpi % kDpiStageCount].x), iSensor);
        print(QStringLiteral("dpi-stage %1 %2").arg(active.dpi + 1).arg(iDpi),
              {{"event", "dpi-stage"}, {"stage", active.dpi + 1}, {"dpi", iDpi}});
    }
    if (change.rate)
        print(QStringLiteral("rate %1").arg(rateHz(active.pollrate)),
              {{"event", "rate"}, {"hz", rateHz(active.pollrate)}});
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
    setPlugged(m_Link.hasCommandHandle());
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
    setPlugged(false);
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
