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

QString mouseSkinName(const QString& product)
{
    return QString(product).replace(QLatin1Char(' '), QLatin1Char('_'));
}

} // namespace look
