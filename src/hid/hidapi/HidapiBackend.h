#pragma once

#include "hid/HidBackend.h"

// Opens the node of one collection that hidapi enumerated: on Linux the hidraw node itself (its reads can then
// wait beside a wake-up), elsewhere through hidapi.
std::unique_ptr<HidDevice> openHidNode(const QByteArray& path, int inputReportId);

// HidBackend over the system's hidapi (the hidraw backend on Linux): enumeration, and the nodes it names.
class HidapiBackend : public HidBackend
{
public:
    int init() override;
    void exit() override;
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDevice> openPath(const QByteArray& path, int inputReportId) override;
    int releaseNumber(const QByteArray& path) override;
};
