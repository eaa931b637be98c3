#pragma once

#include "MouseEvents.h"
#include "device/hotplug/HotplugHandler.h"
#include "device/link/DeviceLink.h"
#include "device/status/StatusThreadRunner.h"
#include "platform/DeviceNotifier.h"
#include "session/SettingsSession.h"

#include <QObject>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <optional>

// Follows the mouse for `osken-ctl watch`: the status thread and the hot-plug handling the window runs, each
// event printed as one line (text or JSON) as it happens. A change made on the mouse is stored, as the window
// stores it.
class MouseWatcher : public QObject, private HotplugWindow
{
    Q_OBJECT

public:
    MouseWatcher(std::unique_ptr<HidBackend> backend, std::unique_ptr<platform::DeviceNotifier> notifier, bool bJson,
                 QTextStream& out);
    ~MouseWatcher() override;

    // Loads the settings, opens the mouse and starts listening; prints "plugged" or "unplugged" first.
    void start();

private:
    void onBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void onStatus(quint8 iProfile, quint8 iDpiStage, quint8 iRate, quint8 iExtra);
    void onWriteStatus(quint8 iStatus);
    void print(const std::vector<MouseEvent>& events);

    // HotplugWindow
    void refreshMouseList() override;
    int connectedMouseCount() const override { return m_iConnected; }
    void openDevice(const QByteArray& productName) override;
    void closeDevice() override;
    void stopStatusThread() override;
    void startStatusThread() override;
    void scheduleWarnClose() override;
    void scheduleNoMouseWarning() override;
    void reloadProductSettings() override;
    void scheduleReopen() override;
    QByteArray currentProductName() const override;
    void requestFullWrite() override;

    DeviceLink m_Link;
    std::unique_ptr<platform::DeviceNotifier> m_pNotifier;
    StatusThreadRunner m_Runner;
    HotplugHandler m_Hotplug;
    SettingsSession m_Session;
    QTextStream& m_Out;
    const bool m_bJson;
    QTimer m_ReopenTimer; // restarted by every event, so a burst of them reopens once
    int m_iConnected = 0;
    MouseEventLog m_Events;
};
