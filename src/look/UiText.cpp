#include "look/UiText.h"

#include <QCoreApplication>

QString uiText(const char* sourceText)
{
    return QCoreApplication::translate("Osken", sourceText);
}
