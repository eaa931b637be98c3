#include "platform/UserDataRoot.h"

#include <QStandardPaths>

namespace platform {

QString userDataRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace platform
