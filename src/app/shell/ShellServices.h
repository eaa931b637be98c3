#pragma once

#include "device/link/DeviceLink.h"
#include "platform/DeviceNotifier.h"
#include "platform/OsdLink.h"
#include "platform/PointerSpeed.h"

#include <QObject>

#include <memory>

class VirtualReceiver;

// What the main window works with outside itself: the mouse, device notifications, the on-screen display
// and the computer's pointer speed. The program takes the system's; tests hand in their own.
struct ShellServices
{
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<platform::DeviceNotifier> notifier;
    std::unique_ptr<platform::OsdLink> osd;
    std::unique_ptr<platform::PointerSpeed> pointerSpeed;
    VirtualReceiver* virtualReceiver = nullptr; // set when the program runs against the virtual mouse
    std::shared_ptr<QObject> virtualControl;    // the script socket of the virtual mouse, when asked for
};

// The HID backend chosen by the environment (OSKEN_VIRTUAL_MOUSE=1: the virtual mouse, whose plugging
// then drives the device notifications) and the platform's notifier, OSD link and pointer speed.
ShellServices makeSystemServices();
