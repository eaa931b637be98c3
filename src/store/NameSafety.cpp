#include "store/NameSafety.h"

bool isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    // A NUL would cut the path short below Qt, on some systems.
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

bool isValidProfileName(const QString& name)
{
    // Case-blind: on case-blind file systems "defaultprofile" would still be the defaults file.
    return isSafeFileName(name) && name.compare(QLatin1String("DefaultProfile"), Qt::CaseInsensitive) != 0;
}
