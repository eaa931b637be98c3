#pragma once

#include <QByteArray>
#include <QtGlobal>

constexpr int kMaxMouseDescriptors = 200;
constexpr int kDevicePathSize = 255;
constexpr int kProductNameSize = 256;

// One known mouse model, reached under two identities (set A and set B). Collection 1 of a set is its
// pointer collection, collection 2 its command collection.
struct MouseDescriptor
{
    quint32 vendorIdA;
    quint32 vendorIdB;
    quint32 productIdA;
    quint32 productIdB;
    quint32 minReleaseA;
    quint32 minReleaseB;
    quint32 maxReleaseA; // 0: any release, the minimum is not tested either
    quint32 maxReleaseB;
    quint32 usageA1, usagePageA1;
    quint32 usageA2, usagePageA2;
    quint32 usageB1, usagePageB1;
    quint32 usageB2, usagePageB2;
    char pathA1[kDevicePathSize]; // zero-terminated
    char pathA2[kDevicePathSize];
    char pathB1[kDevicePathSize];
    char pathB2[kDevicePathSize];
    quint32 presentA1; // 1 while the collection's path is known and it is plugged in
    quint32 presentB1;
    quint32 presentA2;
    quint32 presentB2;
    char productName[kProductNameSize]; // zero-terminated; the key that selects a mouse
};

struct MouseDescriptorTable
{
    quint32 count;
    MouseDescriptor entries[kMaxMouseDescriptors];
};

// Stores a device path zero-terminated. A path that does not fit is refused (false, field untouched):
// a shortened path could name another device.
bool storeDevicePath(char (&field)[kDevicePathSize], const QByteArray& path);
QByteArray devicePath(const char (&field)[kDevicePathSize]);
QByteArray descriptorProductName(const MouseDescriptor& entry);

// maxRelease 0 accepts every release.
bool releaseAccepted(quint32 release, quint32 minRelease, quint32 maxRelease);

// Entries with both collections of set A or both of set B present.
int connectedMouseCount(const MouseDescriptorTable& table);
