// Arbitrary interface paths from the system's device notifications.
#include "platform/InterfacePathClassifier.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const platform::DeviceChangeEvent event = platform::classifyInterfacePath(path, true);
    const int kind = event.collectionKind;
    if (kind != platform::CollectionKind::Unknown && kind != platform::CollectionKind::Pointer &&
        kind != platform::CollectionKind::Command)
        __builtin_trap();
    if (kind == platform::CollectionKind::Unknown && (event.vendorId != 0 || event.productId != 0))
        __builtin_trap();
    return 0;
}
