#pragma once

#include "platform/DeviceChangeEvent.h"

#include <QtGlobal>

#include <functional>
#include <memory>

namespace platform {

using DeviceChangeCallback = std::function<void(const DeviceChangeEvent&)>;

// Tells the GUI thread when a HID interface arrives or goes away.
class DeviceNotifier
{
public:
    virtual ~DeviceNotifier() = default;
    // Starts listening; the callback runs on the thread that called start, from its event loop.
    // `nativeWindow` is the window handle (QWidget::winId()) that receives the system's device messages
    // where the system delivers them to a window; elsewhere it is not used. False when the system refused:
    // the program then runs without hot-plug.
    virtual bool start(quintptr nativeWindow, DeviceChangeCallback callback) = 0;
    virtual void stop() = 0;
};

std::unique_ptr<DeviceNotifier> makeDeviceNotifier();

} // namespace platform
