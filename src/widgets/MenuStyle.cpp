#include "widgets/MenuStyle.h"

#include "look/DisplayScale.h"
#include "look/ThemeColor.h"
#include "store/AppSettings.h"
#include "widgets/WidgetFont.h"

namespace widgets {

static QString rgbText(const QColor& color)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

QString menuStyleSheet(int iColorId, const QFont& font)
{
    const QString strTheme = rgbText(look::themeColor(iColorId));
    QString strFamily = font.family();
    strFamily.remove(QLatin1Char('"'));
    const int iPixel = font.pixelSize() > 0 ? font.pixelSize() : look::scaled(12);
    return QStringLiteral("QMenu { background-color: rgb(50,50,50); color: rgb(220,220,220);"
                          " border: 1px solid rgb(80,80,80); font-family: \"%2\"; font-size: %3px; }"
                          " QMenu::item { padding: %4px %5px %4px %5px; background-color: transparent; }"
                          " QMenu::item:selected { background-color: rgb(70,70,70); color: %1;"
                          " border-left: %6px solid %1; }"
                          " QMenu::item:disabled { color: rgb(110,110,110); }"
                          " QMenu::separator { height: 1px; background-color: rgb(90,90,90); }")
        .arg(strTheme, strFamily)
        .arg(iPixel)
        .arg(look::scaled(6))
        .arg(look::scaled(16))
        .arg(qMax(1, look::scaled(2)));
}

QString menuStyleSheet()
{
    return menuStyleSheet(readGColorId(), scaledLanguageFont());
}

} // namespace widgets
