#include "hid/hidapi/HidapiBackend.h"
#include "hid/hidraw/HidrawDevice.h"

std::unique_ptr<HidDevice> openHidNode(const QByteArray& path, int inputReportId)
{
    return HidrawDevice::open(path, inputReportId);
}
