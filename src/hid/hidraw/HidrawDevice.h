#pragma once

#include "hid/HidBackend.h"

#include <memory>

// One hidraw node, opened directly instead of through hidapi, so that a wait for its next report sits in one
// poll() beside a descriptor that interruptWait() signals. Both descriptors are closed when it is destroyed.
class HidrawDevice : public HidDevice
{
public:
    // The node at path, read and write; null when it cannot be opened.
    static std::unique_ptr<HidrawDevice> open(const QByteArray& path, int inputReportId);
    // Takes two open descriptors: the node (tests give a socket pair's end) and an eventfd.
    HidrawDevice(int nodeFd, int wakeFd, int inputReportId);
    ~HidrawDevice() override;
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    int write(const quint8* data, int length) override;
    int readTimeout(quint8* data, int length, int timeoutMs) override;
    int waitForReport(int timeoutMs) override;
    void interruptWait() override;

private:
    int readAny(quint8* data, int length, int timeoutMs);

    int m_nodeFd;
    int m_wakeFd;
    int m_inputReportId;
};
