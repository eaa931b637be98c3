#include "app/shell/ShellServices.h"

#include "app/shell/VirtualMouseControl.h"
#include "hid/sim/VirtualReceiver.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QSystemTrayIcon>

namespace {

class VirtualDeviceNotifier : public platform::DeviceNotifier
{
public:
    explicit VirtualDeviceNotifier(VirtualReceiver& receiver) : m_receiver(receiver) {}
    ~VirtualDeviceNotifier() override { stop(); }

    bool start(quintptr, platform::DeviceChangeCallback callback) override
    {
        m_callback = std::make_shared<platform::DeviceChangeCallback>(std::move(callback));
        std::weak_ptr<platform::DeviceChangeCallback> weak = m_callback;
        m_receiver.setHotPlugListener([weak](const VirtualHotPlugEvent& plugged) {
            platform::DeviceChangeEvent event;
            event.collectionKind = plugged.kind;
            event.vendorId = plugged.vendorId;
            event.productId = plugged.productId;
            event.path = QString::fromUtf8(plugged.path);
            event.arrived = plugged.arrived;
            // The receiver may be driven from any thread; the handler runs on the GUI thread.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [weak, event] {
                    if (auto callback = weak.lock())
                        (*callback)(event);
                },
                Qt::QueuedConnection);
        });
        return true;
    }

    void stop() override
    {
        m_receiver.setHotPlugListener({});
        m_callback.reset();
    }

private:
    VirtualReceiver& m_receiver;
    std::shared_ptr<platform::DeviceChangeCallback> m_callback;
};

} // namespace

std::unique_ptr<platform::DeviceNotifier> makeVirtualDeviceNotifier(VirtualReceiver& receiver)
{
    return std::make_unique<VirtualDeviceNotifier>(receiver);
}

ShellServices makeSystemServices()
{
    ShellServices services;
    std::unique_ptr<HidBackend> backend = makeDefaultBackend();
    services.virtualReceiver = dynamic_cast<VirtualReceiver*>(backend.get());
    services.link = std::make_unique<DeviceLink>(std::move(backend));
    services.notifier = services.virtualReceiver ? makeVirtualDeviceNotifier(*services.virtualReceiver)
                                                 : platform::makeDeviceNotifier();
    const QString control = qEnvironmentVariable("OSKEN_VIRTUAL_MOUSE_CONTROL");
    if (services.virtualReceiver && !control.isEmpty())
        services.virtualControl = std::make_shared<VirtualMouseControl>(*services.virtualReceiver, control);
    // The companion lies beside the program and ends when the program's instance socket closes.
    services.osd = platform::makeOsdLink(QCoreApplication::applicationDirPath(),
                                         {QStringLiteral("--owner"), platform::instanceServerName()});
    services.notifications = platform::makeNotificationLink();
    services.pointerSpeed = platform::makePointerSpeed();
    services.autostart = platform::makeAutostart(QCoreApplication::applicationFilePath(), {QStringLiteral("--hidden")});
    services.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return services;
}
