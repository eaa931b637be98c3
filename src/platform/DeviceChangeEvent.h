#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

// Which HID collection of the receiver a notification is about.
namespace CollectionKind {
constexpr int Unknown = 0;
constexpr int Pointer = 1; // usage page 1, usage 2
constexpr int Command = 4; // the vendor collection that carries the command reports
} // namespace CollectionKind

// One HID interface that arrived or went away, already classified. Unrecognised interfaces have kind,
// vendor and product 0.
struct DeviceChangeEvent
{
    int collectionKind = CollectionKind::Unknown;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString path; // the device path as the HID layer opens it
    bool arrived = false;
};

inline bool operator==(const DeviceChangeEvent& a, const DeviceChangeEvent& b)
{
    return a.collectionKind == b.collectionKind && a.vendorId == b.vendorId && a.productId == b.productId &&
           a.path == b.path && a.arrived == b.arrived;
}

} // namespace platform
