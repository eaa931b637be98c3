#pragma once

#include "hid/HidBackend.h"

struct hid_device_;

// One open hidapi handle; closed when destroyed.
class HidapiDevice : public HidDevice
{
public:
    HidapiDevice(hid_device_* handle, int inputReportId);
    ~HidapiDevice() override;
    HidapiDevice(const HidapiDevice&) = delete;
    HidapiDevice& operator=(const HidapiDevice&) = delete;

    int write(const quint8* data, int length) override;
    int readTimeout(quint8* data, int length, int timeoutMs) override;

private:
    hid_device_* m_handle;
    int m_inputReportId;
};
