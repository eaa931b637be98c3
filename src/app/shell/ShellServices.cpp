#include "app/shell/ShellServices.h"

#include "hid/sim/VirtualReceiver.h"
#include "platform/virtual/VirtualDeviceNotifier.h"
#include "platform/virtual/VirtualMouseControl.h"
#include "store/DataPaths.h"

ShellServices makeSystemServices()
{
    ShellServices services;
    std::unique_ptr<HidBackend> backend = makeDefaultBackend();
    services.virtualReceiver = dynamic_cast<VirtualReceiver*>(backend.get());
    services.link = std::make_unique<DeviceLink>(std::move(backend));
    services.notifier = services.virtualReceiver ? platform::makeVirtualDeviceNotifier(*services.virtualReceiver)
                                                 : platform::makeDeviceNotifier();
    services.virtualControl = virtualMouseControlFromEnvironment(services.virtualReceiver);
    services.osd = platform::makeOsdLink(programDirectory());
    services.pointerSpeed = platform::makePointerSpeed();
    return services;
}
