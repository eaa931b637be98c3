#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

// One HID collection as the system enumerates it. On Linux several collections of one interface share a path.
struct HidDeviceInfo
{
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    QString serialNumber;
    int interfaceNumber = -1;
};

// An open collection. Destroying it closes the handle.
class HidDevice
{
public:
    virtual ~HidDevice() = default;
    // Writes one output report; data[0] must hold the report id. Bytes written, or negative on failure.
    virtual int write(const quint8* data, int length) = 0;
    // Reads one input report into data: bytes read, 0 on time-out, negative on failure. A negative time-out
    // waits without bound. Nothing is written to data unless a report is returned.
    virtual int readTimeout(quint8* data, int length, int timeoutMs) = 0;

    static constexpr int kCannotWait = -2;
    // Waits until a report can be read, for at most timeoutMs or until interruptWait(): 1 when one can, 0 on
    // time-out or interruption, negative on failure, or kCannotWait for a handle that can only wait by
    // reading. Another thread may write and read the handle meanwhile.
    virtual int waitForReport(int timeoutMs)
    {
        (void)timeoutMs;
        return kCannotWait;
    }
    // Ends the wait in progress, or else the next one, at once; from any thread.
    virtual void interruptWait() {}
};

// The only road to the mouse: the hidapi backend or the virtual receiver.
class HidBackend
{
public:
    static constexpr int kAnyReport = -1;

    virtual ~HidBackend() = default;
    // 0 on success, -1 on failure; repeated calls are harmless.
    virtual int init() = 0;
    virtual void exit() = 0;
    // Every collection of the given vendor and product; 0 stands for any.
    virtual std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
    // Opens the collection at path, null on failure. With inputReportId >= 0 the handle delivers only input
    // reports whose first byte is that id (a hidraw node also carries the pointer collection's reports).
    virtual std::unique_ptr<HidDevice> openPath(const QByteArray& path, int inputReportId) = 0;
    // Release number enumerated for the device at path, -1 when no device has that path.
    virtual int releaseNumber(const QByteArray& path) = 0;
};

// The virtual receiver when OSKEN_VIRTUAL_MOUSE=1 (frames logged to OSKEN_VIRTUAL_MOUSE_LOG when set), else
// the hidapi backend.
std::unique_ptr<HidBackend> makeDefaultBackend();
