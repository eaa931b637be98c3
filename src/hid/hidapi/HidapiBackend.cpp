#include "hid/hidapi/HidapiBackend.h"

#include <hidapi.h>

namespace {
QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}
} // namespace

int HidapiBackend::init()
{
    return hid_init() == 0 ? 0 : -1;
}

void HidapiBackend::exit()
{
    hid_exit();
}

std::vector<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::vector<HidDeviceInfo> devices;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* d = list; d; d = d->next) {
        HidDeviceInfo info;
        info.path = QByteArray(d->path ? d->path : "");
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.releaseNumber = d->release_number;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        info.serialNumber = fromWide(d->serial_number);
        info.interfaceNumber = d->interface_number;
        devices.push_back(info);
    }
    hid_free_enumeration(list);
    return devices;
}

std::unique_ptr<HidDevice> HidapiBackend::openPath(const QByteArray& path, int inputReportId)
{
    return openHidNode(path, inputReportId);
}

int HidapiBackend::releaseNumber(const QByteArray& path)
{
    // hidapi has no call for this; the enumeration carries the descriptor's bcdDevice for every path.
    for (const HidDeviceInfo& info : enumerate(0, 0)) {
        if (info.path == path)
            return info.releaseNumber;
    }
    return -1;
}
