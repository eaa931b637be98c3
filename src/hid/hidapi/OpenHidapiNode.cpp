#include "hid/hidapi/HidapiBackend.h"
#include "hid/hidapi/HidapiDevice.h"

#include <hidapi.h>

std::unique_ptr<HidDevice> openHidNode(const QByteArray& path, int inputReportId)
{
    hid_device* handle = hid_open_path(path.constData());
    if (!handle)
        return nullptr;
    return std::make_unique<HidapiDevice>(handle, inputReportId);
}
