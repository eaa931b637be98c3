#pragma once

#include "device/link/MouseDescriptor.h"
#include "platform/DeviceChangeEvent.h"

#include <QByteArray>
#include <functional>

// What the hot-plug handler asks of the main window. Timers are the window's: the handler only decides what
// happens and in which order, and never waits.
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
    // 200 ms after the first mouse arrived: reload everything for it, if it is still there then.
    virtual void scheduleWarnClose() = 0;
    // The last mouse went away: no mouse counted, warning pending; 200 ms later the warning, if the device
    // table then still holds no mouse.
    virtual void scheduleNoMouseWarning() = 0;
    // Settings of the (new) current product loaded and shown.
    virtual void reloadProductSettings() = 0;
    // After a collection of the current product came or went (the device is closed and the status thread
    // stopped): open the current product again and restart the thread 500 ms later, when the system has
    // settled, unless nothing of it is present by then. Later calls within the wait restart it.
    virtual void scheduleReopen() = 0;
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
    // Whether any collection of the named product is present in the table.
    static bool productPresent(const MouseDescriptorTable& table, const QByteArray& productName);

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
