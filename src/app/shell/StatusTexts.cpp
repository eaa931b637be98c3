#include "app/shell/StatusTexts.h"

#include "look/UiText.h"

QString profileOsdText(quint8 iProfile)
{
    return uiText("Slot") + QString::asprintf(" %d", iProfile + 1);
}

QString dpiOsdText(quint8 iStage, int iDpi)
{
    return uiText("DPI") + QString::asprintf(" %d:%d", iStage + 1, iDpi);
}

QString rateOsdText(quint8 iRate)
{
    switch (iRate) {
    case 8:
        return uiText("125 HZ");
    case 4:
        return uiText("250 HZ");
    case 2:
        return uiText("500 HZ");
    case 1:
        return uiText("1000 HZ");
    default:
        return QString();
    }
}
