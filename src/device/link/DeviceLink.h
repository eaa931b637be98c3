#pragma once

#include "device/Frame.h"
#include "device/link/BatteryProbe.h"
#include "device/link/MouseDescriptor.h"
#include "device/link/StatusReportRelay.h"
#include "device/link/VerifiedWrite.h"
#include "device/status/CommandPort.h"
#include "hid/HidBackend.h"

#include <atomic>
#include <memory>
#include <mutex>

// The device table, the four collection handles and the verified write. Every use of the command handle
// (a whole SendVerified, one status-thread write or read) holds one lock, so no reader takes an echo that
// SendVerified waits for and no handle is closed or replaced under a reader. The status thread's wait for a
// report holds a share of the handle instead, so writes go on during it and a close leaves the handle alive
// until the wait ends. The table belongs to the GUI thread.
class DeviceLink : public CommandPort
{
public:
    explicit DeviceLink(std::unique_ptr<HidBackend> backend);
    ~DeviceLink() override;
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Clears the table and fills the one known model, "OSKEN R5".
    void InitDeviceTable();
    // -1 when the HID layer cannot start; else fills paths and presence flags from the enumeration, 0.
    int EnumerateDevices();
    // Opens both collections of every set of the named model whose two collections are present; a handle
    // still open is closed first. A failed open leaves the handle closed, silently.
    void OpenDevice(const char* productName);
    void CloseDevice();
    quint8 SendVerified(const Frame& report);
    FrameSender sender();
    // Frames the mouse has really echoed since the link was made (silence that ends a frame as done does not
    // count): a write-out compares it before and after to tell a mouse that never answered.
    quint64 echoedFrames() const { return m_echoedFrames.load(); }
    // Asks the battery state once, now, holding the command handle for the whole query so the status thread
    // cannot take the reply.
    MouseWake askBatteryState(int budgetMs = kBatteryProbeMs);
    // Status reports and battery replies met outside the status thread come out here.
    StatusReportRelay& statusRelay() { return *m_relay; }
    // Release number of the device at path, -1 when there is none.
    int hid_get_release_number(const char* path);
    // Closes the handles and shuts the HID layer down (when the main window goes).
    void ExitHid();

    MouseDescriptorTable& deviceTable() { return *m_table; }
    const MouseDescriptorTable& deviceTable() const { return *m_table; }
    int connectedMouseCount() const { return ::connectedMouseCount(*m_table); }
    HidBackend& backend() { return *m_backend; }
    // Tests replace the waits of the verified write, or its whole clock.
    void setSleepFunction(SleepMs sleep) { m_clock.sleep = std::move(sleep); }
    void setClock(LinkClock clock) { m_clock = std::move(clock); }

    // CommandPort, for the status thread.
    bool hasCommandHandle() const override;
    int writeReport(const Frame& frame) override;
    int readReport(quint8* buffer, int length, int timeoutMs) override;
    int waitForReport(int timeoutMs) override;
    void interruptReportWait() override;

private:
    const std::shared_ptr<HidDevice>& commandHandle() const;
    InputReportSink relaySink();
    void openInto(std::shared_ptr<HidDevice>& handle, const char (&path)[kDevicePathSize], int inputReportId);

    std::unique_ptr<HidBackend> m_backend;
    std::unique_ptr<MouseDescriptorTable> m_table;
    mutable std::mutex m_handleMutex;
    std::shared_ptr<HidDevice> m_handleA1;
    std::shared_ptr<HidDevice> m_handleA2;
    std::shared_ptr<HidDevice> m_handleB1;
    std::shared_ptr<HidDevice> m_handleB2;
    LinkClock m_clock;
    std::unique_ptr<StatusReportRelay> m_relay;
    std::atomic<quint64> m_echoedFrames{0};
};
