#include "platform/linux/UdevDeviceNotifier.h"

#include "log/Log.h"
#include "platform/linux/UdevEventParser.h"

#include <QDebug>

#include <fcntl.h>
#include <libudev.h>

namespace platform {

UdevDeviceNotifier::~UdevDeviceNotifier()
{
    stop();
}

bool UdevDeviceNotifier::start(quintptr /*nativeWindow*/, DeviceChangeCallback callback)
{
    stop();
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor) < 0) {
        qCWarning(lcPlatform, "udev monitor unavailable: running without hot-plug");
        stop();
        return false;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    // The read loop below must stop when the socket is drained, never block the GUI thread.
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0)
        fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    m_callback = std::move(callback);
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readEvents(); });
    return true;
}

void UdevDeviceNotifier::stop()
{
    // stop() may run from inside the notifier's own signal (a callback that stops hot-plug).
    if (m_notifier) {
        m_notifier->setEnabled(false);
        QObject::disconnect(m_notifier.get(), nullptr, nullptr, nullptr);
        m_notifier.release()->deleteLater();
    }
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
    m_monitor = nullptr;
    m_udev = nullptr;
}

void UdevDeviceNotifier::readEvents()
{
    while (m_monitor) {
        udev_device* device = udev_monitor_receive_device(m_monitor);
        if (!device)
            break;
        QHash<QString, QString> properties;
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(device))
        {
            properties.insert(QString::fromUtf8(udev_list_entry_get_name(entry)),
                              QString::fromUtf8(udev_list_entry_get_value(entry)));
        }
        if (const char* action = udev_device_get_action(device))
            properties.insert(QStringLiteral("ACTION"), QString::fromUtf8(action));
        if (const char* node = udev_device_get_devnode(device))
            properties.insert(QStringLiteral("DEVNAME"), QString::fromUtf8(node));
        if (const char* devpath = udev_device_get_devpath(device))
            properties.insert(QStringLiteral("DEVPATH"), QString::fromUtf8(devpath));
        udev_device_unref(device);

        // The callback may stop or restart this notifier: work on a copy of the events only.
        const DeviceChangeCallback callback = m_callback;
        for (const DeviceChangeEvent& event : parseUdevHidrawEvent(properties)) {
            if (callback)
                callback(event);
        }
    }
}

std::unique_ptr<DeviceNotifier> makeDeviceNotifier()
{
    return std::make_unique<UdevDeviceNotifier>();
}

} // namespace platform
