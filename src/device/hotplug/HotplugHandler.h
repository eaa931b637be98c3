#pragma once

#include "device/link/MouseDescriptor.h"
#include "platform/DeviceChangeEvent.h"

#include <QByteArray>
#include <functional>

// What the hot-plug handler asks of the main window. Timers and waits are the window's: the handler only
// decides what happens and in which order.
class HotplugWindow
{
public:
    virtual ~HotplugWindow() = default;
    // The mouse list recounts connected mice and may choose another current product.
    virtual void refreshMouseList() = 0;
    virtual int connectedMouseCount() const = 0;
    virtual void openDevice(const QByteArray& productName) = 0;
    virtual void closeDevice() = 0;
    virtual void stopStatusThread() = 0;
    virtual void startStatusThread() = 0;
    // 200 ms after the first mouse arrived: reload everything for it.
    virtual void scheduleWarnClose() = 0;
    // The last mouse went away: no mouse counted, warning pending, plugged-in flag cleared, the warning
    // 200 ms later.
    virtual void scheduleNoMouseWarning() = 0;
    // Settings of the (new) current product loaded and shown.
    virtual void reloadProductSettings() = 0;
    virtual void pause(int iMilliseconds) = 0;
    virtual QByteArray currentProductName() const = 0;
    // The next write-out sends every section.
    virtual void requestFullWrite() = 0;
};

// Keeps the presence flags of the device table in step with arriving and departing HID collections and
// reopens the mouse when the current product comes or goes.
class HotplugHandler
{
public:
    // releaseNumber: the release the HID layer enumerates for a path, -1 when unknown.
    HotplugHandler(MouseDescriptorTable& table, std::function<int(const QByteArray&)> releaseNumber,
                   HotplugWindow& window);

    void handleDeviceChange(const platform::DeviceChangeEvent& event);

private:
    struct Outcome
    {
        bool bNewCollection = false;
        bool bReopened = false;
    };
    void handleArrival(MouseDescriptor& entry, bool bSetA, const platform::DeviceChangeEvent& event, int iCountBefore,
                       Outcome& outcome);
    // False when the entry is to be left alone (the collection was not present).
    bool handleRemoval(MouseDescriptor& entry, bool bSetA, const platform::DeviceChangeEvent& event, Outcome& outcome);

    MouseDescriptorTable& m_table;
    std::function<int(const QByteArray&)> m_releaseNumber;
    HotplugWindow& m_window;
};
