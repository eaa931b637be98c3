#include "DemoSession.h"

#include "look/DisplayScale.h"
#include "store/AppSettings.h"

#include <QGuiApplication>
#include <QScreen>

DemoSession::DemoSession()
{
    if (!m_Home.isValid())
        return;
    qputenv("XDG_DATA_HOME", m_Home.path().toLocal8Bit());
    mergeDefaultProgramConfig();
    writeCurrentProductName(QStringLiteral("OSKEN R5"));
    writeGColorId(1);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dRatio = screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
    look::setDisplayScale(look::scaleForLevel(look::scaleLevelForRatio(look::ratioWithOverride(dRatio))));
    m_Language.switchLanguage(qEnvironmentVariableIntValue("OSKEN_LANG"));
}
