#pragma once

#include "platform/DeviceNotifier.h"

#include <QSocketNotifier>

struct udev;
struct udev_monitor;

namespace platform {

// Listens to udev's "hidraw" events on the netlink socket, watched from the GUI thread's event loop.
class UdevDeviceNotifier : public DeviceNotifier
{
public:
    UdevDeviceNotifier() = default;
    ~UdevDeviceNotifier() override;
    UdevDeviceNotifier(const UdevDeviceNotifier&) = delete;
    UdevDeviceNotifier& operator=(const UdevDeviceNotifier&) = delete;

    bool start(quintptr nativeWindow, DeviceChangeCallback callback) override;
    void stop() override;

private:
    void readEvents();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    DeviceChangeCallback m_callback;
};

} // namespace platform
