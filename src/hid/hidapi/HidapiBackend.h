#pragma once

#include "hid/HidBackend.h"

// HidBackend over the system's hidapi (the hidraw backend on Linux).
class HidapiBackend : public HidBackend
{
public:
    int init() override;
    void exit() override;
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDevice> openPath(const QByteArray& path, int inputReportId) override;
    int releaseNumber(const QByteArray& path) override;
};
