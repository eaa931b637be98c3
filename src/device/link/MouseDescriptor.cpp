#include "device/link/MouseDescriptor.h"

#include <cstring>

namespace {
int boundedLength(const char* text, int size)
{
    const void* end = std::memchr(text, '\0', static_cast<size_t>(size));
    return end ? static_cast<int>(static_cast<const char*>(end) - text) : size;
}
} // namespace

bool storeDevicePath(char (&field)[kDevicePathSize], const QByteArray& path)
{
    if (path.size() >= kDevicePathSize || path.contains('\0'))
        return false;
    std::memset(field, 0, sizeof field);
    std::memcpy(field, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

QByteArray devicePath(const char (&field)[kDevicePathSize])
{
    return QByteArray(field, boundedLength(field, kDevicePathSize));
}

QByteArray descriptorProductName(const MouseDescriptor& entry)
{
    return QByteArray(entry.productName, boundedLength(entry.productName, kProductNameSize));
}

bool releaseAccepted(quint32 release, quint32 minRelease, quint32 maxRelease)
{
    return maxRelease == 0 || (minRelease <= release && release <= maxRelease);
}

int connectedMouseCount(const MouseDescriptorTable& table)
{
    int count = 0;
    const quint32 entries = qMin<quint32>(table.count, kMaxMouseDescriptors);
    for (quint32 i = 0; i < entries; ++i) {
        const MouseDescriptor& e = table.entries[i];
        if ((e.presentA1 == 1 && e.presentA2 == 1) || (e.presentB1 == 1 && e.presentB2 == 1))
            ++count;
    }
    return count;
}
