#include "platform/DeviceAccess.h"

#include <QtGlobal>

namespace platform {

const char* nodeAccessCause(NodeAccess access)
{
    switch (access) {
    case NodeAccess::Usable:
        return QT_TRANSLATE_NOOP("Osken", "The receiver opens, but the mouse did not answer.");
    case NodeAccess::NoPermission:
        return QT_TRANSLATE_NOOP("Osken", "You have no permission to open the receiver.");
    case NodeAccess::Busy:
        return QT_TRANSLATE_NOOP("Osken", "Another program holds the receiver.");
    case NodeAccess::Missing:
        return QT_TRANSLATE_NOOP("Osken", "The receiver went away while it was being opened.");
    case NodeAccess::Failed:
        break;
    }
    return QT_TRANSLATE_NOOP("Osken", "The system refused to open the receiver.");
}

const char* nodeAccessFix(NodeAccess access)
{
    switch (access) {
    case NodeAccess::NoPermission:
        return QT_TRANSLATE_NOOP("Osken", "Install the udev rule 70-osken-r5.rules (it comes with the package), "
                                          "then unplug the receiver and plug it in again.");
    case NodeAccess::Busy:
        return QT_TRANSLATE_NOOP("Osken", "Close the other program (another mouse tool, a browser page using "
                                          "WebHID), then unplug the receiver and plug it in again.");
    case NodeAccess::Usable:
    case NodeAccess::Missing:
    case NodeAccess::Failed:
        break;
    }
    return QT_TRANSLATE_NOOP("Osken", "Unplug the receiver and plug it in again.");
}

} // namespace platform
