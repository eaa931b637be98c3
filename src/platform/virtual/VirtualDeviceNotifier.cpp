#include "platform/virtual/VirtualDeviceNotifier.h"

#include "hid/sim/VirtualReceiver.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {

namespace {

class VirtualDeviceNotifier : public DeviceNotifier
{
public:
    explicit VirtualDeviceNotifier(VirtualReceiver& receiver) : m_receiver(receiver) {}
    ~VirtualDeviceNotifier() override { stop(); }

    bool start(quintptr, DeviceChangeCallback callback) override
    {
        m_callback = std::make_shared<DeviceChangeCallback>(std::move(callback));
        std::weak_ptr<DeviceChangeCallback> weak = m_callback;
        m_receiver.setHotPlugListener([weak](const VirtualHotPlugEvent& plugged) {
            DeviceChangeEvent event;
            event.collectionKind = plugged.kind;
            event.vendorId = plugged.vendorId;
            event.productId = plugged.productId;
            event.path = QString::fromUtf8(plugged.path);
            event.arrived = plugged.arrived;
            // The receiver may be driven from any thread; the handler runs on the main thread.
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
    std::shared_ptr<DeviceChangeCallback> m_callback;
};

} // namespace

std::unique_ptr<DeviceNotifier> makeVirtualDeviceNotifier(VirtualReceiver& receiver)
{
    return std::make_unique<VirtualDeviceNotifier>(receiver);
}

} // namespace platform
