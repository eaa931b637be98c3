#include "widgets/WidgetFont.h"

#include "app/look/DisplayScale.h"
#include "app/look/Language.h"
#include "app/look/ThemeColor.h"
#include "store/AppSettings.h"

#include <QtGlobal>

namespace widgets {

namespace {
// Size used when FONT_LIST gives none, so unscaled toolkit defaults never mix with scaled widgets.
constexpr int kDefaultPixel = 12;
constexpr int kMaxPixel = 200;
} // namespace

QFont scaledLanguageFont(int iFixedPixel, int iReduce)
{
    const int iLang = look::languageId();
    QFont font;
    const QString strFamily = readFontFamily(iLang);
    if (!strFamily.isEmpty())
        font.setFamily(strFamily);
    int iPixel = readFontSize(iLang);
    if (iPixel <= 0 || iPixel > kMaxPixel)
        iPixel = kDefaultPixel;
    if (iFixedPixel > 0)
        iPixel = iFixedPixel;
    font.setPixelSize(qMax(1, look::scaled(qMax(1, iPixel - iReduce))));
    return font;
}

QFont scaledFixedFont(const QString& strFamily, int iPixel)
{
    QFont font(strFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(qMax(1, look::scaled(iPixel)));
    return font;
}

QColor themeColor()
{
    return look::themeColor(readGColorId());
}

} // namespace widgets
