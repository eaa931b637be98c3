#pragma once

#include "device/link/DeviceLink.h"
#include "platform/Autostart.h"
#include "platform/DeviceAccess.h"
#include "platform/DeviceNotifier.h"
#include "platform/OsdLink.h"
#include "platform/PointerSpeed.h"
#include "platform/TrayHostWatch.h"

#include <QObject>

#include <functional>
#include <memory>

class VirtualReceiver;

// What the main window works with outside itself: the mouse, device notifications, the on-screen display,
// the computer's pointer speed and the desktop. The program takes the system's; tests hand in their own.
struct ShellServices
{
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<platform::DeviceNotifier> notifier;
    std::unique_ptr<platform::OsdLink> osd;
    std::unique_ptr<platform::OsdLink> notifications; // null where the desktop has none
    std::unique_ptr<platform::PointerSpeed> pointerSpeed;
    std::unique_ptr<platform::Autostart> autostart; // null: not offered
    std::function<bool()> trayAvailable = [] { return true; };
    std::unique_ptr<platform::TrayHostWatch> trayChanges; // null: the tray is asked only when the window goes away
    std::function<platform::NodeAccess(const QByteArray&)> probeNode = platform::probeDeviceNode;
    VirtualReceiver* virtualReceiver = nullptr; // set when the program runs against the virtual mouse
    std::shared_ptr<QObject> virtualControl;    // the script socket of the virtual mouse, when asked for
};

// The HID backend chosen by the environment (OSKEN_VIRTUAL_MOUSE=1: the virtual mouse, whose plugging
// then drives the device notifications) and the platform's notifier, OSD link and pointer speed.
ShellServices makeSystemServices();
