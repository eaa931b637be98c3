#pragma once

#include "look/Language.h"

#include <QTemporaryDir>

// What every look-at-it demo starts with, once the application exists: settings in a throw-away folder
// (never the user's own), the "OSKEN R5" product with theme 1, and the display scale (OSKEN_SCALE) and
// language (OSKEN_LANG) taken from the environment.
class DemoSession
{
public:
    DemoSession();
    bool isValid() const { return m_Home.isValid(); }
    QString home() const { return m_Home.path(); }

private:
    QTemporaryDir m_Home;
    look::OrnLanguage m_Language;
};
