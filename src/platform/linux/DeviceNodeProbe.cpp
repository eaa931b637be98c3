#include "platform/DeviceAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

NodeAccess probeDeviceNode(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return NodeAccess::Usable;
    }
    switch (errno) {
    case EACCES:
    case EPERM:
        return NodeAccess::NoPermission;
    case EBUSY:
        return NodeAccess::Busy;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return NodeAccess::Missing;
    default:
        return NodeAccess::Failed;
    }
}

} // namespace platform
