#include "hid/hidapi/HidapiDevice.h"

#include "hid/hidapi/ReportFilter.h"

#include <hidapi.h>

HidapiDevice::HidapiDevice(hid_device_* handle, int inputReportId) : m_handle(handle), m_inputReportId(inputReportId) {}

HidapiDevice::~HidapiDevice()
{
    hid_close(m_handle);
}

int HidapiDevice::write(const quint8* data, int length)
{
    if (length < 0)
        return -1;
    return hid_write(m_handle, data, static_cast<size_t>(length));
}

int HidapiDevice::readTimeout(quint8* data, int length, int timeoutMs)
{
    if (length < 0)
        return -1;
    const RawRead raw = [this](quint8* buffer, int size, int wait) {
        return hid_read_timeout(m_handle, buffer, static_cast<size_t>(size), wait);
    };
    return readFilteredReport(raw, m_inputReportId, data, length, timeoutMs);
}
