#include "app/shell/ShellServices.h"

#include "hid/sim/VirtualReceiver.h"
#include "platform/SingleInstance.h"
#include "platform/virtual/VirtualDeviceNotifier.h"
#include "platform/virtual/VirtualMouseControl.h"

#include <QCoreApplication>
#include <QSystemTrayIcon>

ShellServices makeSystemServices()
{
    ShellServices services;
    std::unique_ptr<HidBackend> backend = makeDefaultBackend();
    services.virtualReceiver = dynamic_cast<VirtualReceiver*>(backend.get());
    services.link = std::make_unique<DeviceLink>(std::move(backend));
    services.notifier = services.virtualReceiver ? platform::makeVirtualDeviceNotifier(*services.virtualReceiver)
                                                 : platform::makeDeviceNotifier();
    services.virtualControl = virtualMouseControlFromEnvironment(services.virtualReceiver);
    // The companion lies beside the program and ends when the program's instance socket closes.
    services.osd = platform::makeOsdLink(QCoreApplication::applicationDirPath(),
                                         {QStringLiteral("--owner"), platform::instanceServerName()});
    services.notifications = platform::makeNotificationLink();
    services.pointerSpeed = platform::makePointerSpeed();
    services.autostart = platform::makeAutostart(QCoreApplication::applicationFilePath(), {QStringLiteral("--hidden")});
    services.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    services.trayChanges = platform::makeTrayHostWatch();
    return services;
}
