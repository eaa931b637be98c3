#include "look/LookSettings.h"

#include "store/DataPaths.h"

namespace look {

QString programDirectory()
{
    return ::programDirectory();
}

QString skinPath(const QString& path)
{
    return ::programDirectory() + path;
}

} // namespace look
