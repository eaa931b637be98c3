#include "look/Language.h"

#include "log/Log.h"
#include "look/LookSettings.h"
#include "store/AppSettings.h"

#include <QCoreApplication>
#include <QDebug>

namespace look {

namespace {
int g_iLanguageId = 0;
}

int languageId()
{
    return g_iLanguageId;
}

void setLanguageId(int iLang)
{
    g_iLanguageId = iLang;
}

QString languageName(int iLang)
{
    switch (iLang) {
    case 0:
        return QStringLiteral("English");
    case 1:
        return QString::fromUtf8("简体中文");
    case 2:
        return QString::fromUtf8("繁體中文");
    default:
        return QString();
    }
}

QString translationFile(int iLang)
{
    static const char* const kFiles[kLanguageCount] = {"/lang/en.qm", "/lang/sc.qm", "/lang/tc.qm"};
    if (iLang < 0 || iLang >= kLanguageCount)
        return QString();
    return programDirectory() + QLatin1String(kFiles[iLang]);
}

QFont languageFont(int iLang)
{
    QFont font;
    const QString family = readFontFamily(iLang);
    if (!family.isEmpty())
        font.setFamily(family);
    const int iPixel = readFontSize(iLang);
    if (iPixel > 0 && iPixel < 200)
        font.setPixelSize(iPixel);
    return font;
}

QFont languageFont()
{
    return languageFont(g_iLanguageId);
}

OrnLanguage::OrnLanguage(QObject* parent) : QObject(parent) {}

OrnLanguage::~OrnLanguage()
{
    if (m_bInstalled)
        QCoreApplication::removeTranslator(&m_Translator);
}

bool OrnLanguage::loadInto(int iLang)
{
    const QString path = translationFile(iLang);
    if (path.isEmpty())
        return false;
    // Load into a fresh translator first so a missing file keeps the installed translation.
    QTranslator probe;
    if (!probe.load(path)) {
        qCDebug(lcUi) << "translation not loaded:" << path;
        return false;
    }
    if (m_bInstalled)
        QCoreApplication::removeTranslator(&m_Translator);
    if (!m_Translator.load(path))
        return false;
    m_bInstalled = QCoreApplication::installTranslator(&m_Translator);
    return m_bInstalled;
}

bool OrnLanguage::loadStartupLanguage()
{
    const int iLang = readLangId();
    setLanguageId(iLang);
    return loadInto(iLang);
}

bool OrnLanguage::switchLanguage(int iLang)
{
    if (iLang < 0 || iLang >= kLanguageCount)
        return false;
    setLanguageId(iLang);
    if (!writeLangId(iLang))
        qCDebug(lcUi) << "Config/LangID not stored";
    if (!loadInto(iLang))
        return false;
    emit languageChangedSignal(iLang);
    return true;
}

} // namespace look
