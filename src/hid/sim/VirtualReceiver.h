#pragma once

#include "hid/HidBackend.h"
#include "hid/sim/VirtualFirmware.h"
#include "hid/sim/VirtualHotPlugEvent.h"

#include <atomic>
#include <memory>

class VirtualLine;

// An emulated receiver with the mouse behind it, presenting the pointer and command collections of
// 248A:FA02. Every well-formed frame written to the command collection is echoed; a write takes the echo
// latency (default 1 ms) before it completes, and the echo is there when it does. Tables are kept as the
// mouse commits them. Safe to drive from a test or demo thread while the program's threads use the handles.
class VirtualReceiver : public HidBackend
{
public:
    using Report = VirtualFirmware::Report;
    static constexpr quint16 kVendorId = 0x248A;
    static constexpr quint16 kProductId = 0xFA02;
    static constexpr int kAnyCommand = -1;
    static const QByteArray kPointerPath;
    static const QByteArray kCommandPath;

    VirtualReceiver();
    ~VirtualReceiver() override;

    int init() override { return 0; }
    void exit() override {}
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDevice> openPath(const QByteArray& path, int inputReportId) override;
    int releaseNumber(const QByteArray& path) override;

    // What the mouse holds now (a copy).
    VirtualFirmware firmware() const;
    // Every frame the receiver took from the host, oldest first (the most recent 20000).
    std::vector<Report> receivedFrames() const;
    void clearReceivedFrames();

    void setEchoLatency(int ms);
    int echoLatency() const;
    void setReleaseNumber(quint16 release) { m_release.store(release); }
    // Appends every received frame to path as one line of 33 lower-case hex bytes; empty stops logging.
    bool setFrameLogPath(const QString& path);

    void setBattery(quint16 reading, quint8 charging);
    void setWriteStatus(quint8 status);
    // A sleeping mouse applies nothing; the receiver answers for it with zeros.
    void setAsleep(bool bAsleep);

    // The user presses a button on the mouse: the change is made and a status report goes out.
    void mouseSelectsProfile(int iProfile);
    void mouseSelectsDpiStage(int iStage);
    void mouseSelectsRate(quint8 rate);
    void sendStatusReport();

    // Pull and put back the receiver: open handles die, enumeration follows, the listener hears both
    // collections (on the calling thread).
    void unplug();
    void plug();
    bool isPlugged() const;
    void setHotPlugListener(VirtualHotPlugListener listener);

    // The next `count` frames with this command byte (any command by default) meet the fault.
    void injectFault(VirtualFault fault, int count = 1, int command = kAnyCommand);
    void clearFaults();

private:
    template <typename F> void changeFirmware(F&& change, bool bReport);
    void announce(bool bArrived);

    std::shared_ptr<VirtualLine> m_line;
    std::atomic<quint16> m_release{0x0100};
};
