#include "platform/DeviceAccess.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <QString>

namespace platform {

NodeAccess probeDeviceNode(const QByteArray& path)
{
    const std::wstring name = QString::fromUtf8(path).toStdWString();
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return NodeAccess::Usable;
    }
    switch (GetLastError()) {
    // Windows gives every user HID access; a refusal means another program opened the node exclusively.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return NodeAccess::Busy;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return NodeAccess::Missing;
    default:
        return NodeAccess::Failed;
    }
}

} // namespace platform
