#include "look/ThemeColor.h"

#include "store/AppSettings.h"

namespace look {

QColor themeColor(int iColorId)
{
    static const QRgb kColors[kThemeColorCount] = {qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),
                                                   qRgb(255, 255, 0), qRgb(255, 0, 255), qRgb(0, 255, 255),
                                                   qRgb(255, 125, 0)};
    if (iColorId < 0 || iColorId >= kThemeColorCount)
        iColorId = 0;
    return QColor(kColors[iColorId]);
}

QColor currentThemeColor()
{
    return themeColor(readGColorId());
}

} // namespace look
