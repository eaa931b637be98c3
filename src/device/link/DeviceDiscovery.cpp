#include "device/link/DeviceDiscovery.h"
#include "log/Log.h"

#include <QDebug>

namespace {
constexpr quint16 kReceiverVendor = 0x248A;

struct Collection
{
    quint32 vendorId;
    quint32 productId;
    quint32 minRelease;
    quint32 maxRelease;
    quint32 usage;
    quint32 usagePage;
    char (&path)[kDevicePathSize];
    quint32& present;
    const char* debugLine;
};

bool matches(const Collection& c, const HidDeviceInfo& d)
{
    return d.vendorId == c.vendorId && d.productId == c.productId && d.usage == c.usage && d.usagePage == c.usagePage &&
           releaseAccepted(d.releaseNumber, c.minRelease, c.maxRelease);
}

void take(Collection& c, const HidDeviceInfo& d)
{
    if (!storeDevicePath(c.path, d.path)) {
        qCDebug(lcDevice, "device path of %d bytes is too long, ignored: %s\n", d.path.size(), d.path.constData());
        return;
    }
    qCDebug(lcDevice, c.debugLine, d.path.constData());
    c.present = 1;
}
} // namespace

void matchEnumeration(MouseDescriptorTable& table, const std::vector<HidDeviceInfo>& devices)
{
    const quint32 entries = qMin<quint32>(table.count, kMaxMouseDescriptors);
    for (const HidDeviceInfo& d : devices) {
        if (d.vendorId == kReceiverVendor)
            qCDebug(lcDevice, "Device Found\n  type: %x %x\n  path: %s\n  serial_number: %s\n usge %x uu %x",
                    d.vendorId, d.productId, d.path.constData(), qUtf8Printable(d.serialNumber), d.usage, d.usagePage);
        for (quint32 i = 0; i < entries; ++i) {
            MouseDescriptor& e = table.entries[i];
            Collection collections[] = {
                {e.vendorIdA, e.productIdA, e.minReleaseA, e.maxReleaseA, e.usageA1, e.usagePageA1, e.pathA1,
                 e.presentA1, "1 %s\n"},
                {e.vendorIdA, e.productIdA, e.minReleaseA, e.maxReleaseA, e.usageA2, e.usagePageA2, e.pathA2,
                 e.presentA2, "2 %s\n"},
                {e.vendorIdB, e.productIdB, e.minReleaseB, e.maxReleaseB, e.usageB1, e.usagePageB1, e.pathB1,
                 e.presentB1, "3 %s\n"},
                {e.vendorIdB, e.productIdB, e.minReleaseB, e.maxReleaseB, e.usageB2, e.usagePageB2, e.pathB2,
                 e.presentB2, "4 %s\n"},
            };
            for (Collection& c : collections) {
                if (matches(c, d))
                    take(c, d);
            }
        }
    }
}
