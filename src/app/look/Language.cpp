#include "app/look/Language.h"

#include "app/look/LookSettings.h"

#include <QCoreApplication>
#include <QDebug>

namespace look {

namespace {
int g_iLanguageId = 0;
}

int languageId() { return g_iLanguageId; }

void setLanguageId(int iLang) { g_iLanguageId = iLang; }

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
    const QString family = readConfig(QStringLiteral("FONT_LIST/FONT_%1").arg(iLang)).toString();
    if (!family.isEmpty())
        font.setFamily(family);
    const int iPixel = readConfig(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(iLang), 0).toInt();
    if (iPixel > 0 && iPixel < 200)
        font.setPixelSize(iPixel);
    return font;
}

QFont languageFont() { return languageFont(g_iLanguageId); }

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
        qDebug() << "translation not loaded:" << path;
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
    const int iLang = readConfig(QStringLiteral("Config/LangID"), 0).toInt();
    setLanguageId(iLang);
    return loadInto(iLang);
}

bool OrnLanguage::switchLanguage(int iLang)
{
    if (iLang < 0 || iLang >= kLanguageCount)
        return false;
    setLanguageId(iLang);
    if (!writeConfig(QStringLiteral("Config/LangID"), iLang))
        qDebug() << "Config/LangID not stored";
    if (!loadInto(iLang))
        return false;
    emit languageChangedSignal(iLang);
    return true;
}

} // namespace look
