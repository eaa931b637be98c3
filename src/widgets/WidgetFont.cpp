#include "widgets/WidgetFont.h"

#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/ThemeColor.h"
#include "store/AppSettings.h"

#include <QHash>
#include <QtGlobal>

namespace widgets {

namespace {
// Size used when FONT_LIST gives none, so unscaled toolkit defaults never mix with scaled widgets.
constexpr int kDefaultPixel = 12;
constexpr int kMaxPixel = 200;

struct LanguageFont
{
    QString strFamily;
    int iPixel = kDefaultPixel;
};

QHash<int, LanguageFont>& fontCache()
{
    static QHash<int, LanguageFont> s_Cache;
    return s_Cache;
}

const LanguageFont& languageFont(int iLang)
{
    auto it = fontCache().find(iLang);
    if (it == fontCache().end()) {
        LanguageFont font;
        font.strFamily = readFontFamily(iLang);
        const int iPixel = readFontSize(iLang);
        if (iPixel > 0 && iPixel <= kMaxPixel)
            font.iPixel = iPixel;
        it = fontCache().insert(iLang, font);
    }
    return it.value();
}
} // namespace

void forgetLanguageFonts()
{
    fontCache().clear();
}

QFont scaledLanguageFont(int iFixedPixel, int iReduce)
{
    const LanguageFont& language = languageFont(look::languageId());
    QFont font;
    if (!language.strFamily.isEmpty())
        font.setFamily(language.strFamily);
    int iPixel = language.iPixel;
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
