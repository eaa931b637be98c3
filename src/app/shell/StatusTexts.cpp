#include "app/shell/StatusTexts.h"

#include "look/UiText.h"

QString profileOsdText(quint8 iProfile)
{
    return uiText("Profile") + QString::asprintf(" %d", iProfile + 1);
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

QString batteryStyleSheet(int iRed, int iGreen, int iBlue)
{
    return QString::asprintf("                QProgressBar {                border:none;                "
                             "background-color: #FFFFFF;                border-radius:2px;                }"
                             "                QProgressBar::chunk {                background-color:rgb(%d,%d,%d);"
                             "                border-radius:2px;                }                QProgressBar {"
                             "                text-align: center;                color: rgb(0, 0, 0);"
                             "                }                ",
                             iRed, iGreen, iBlue);
}

QString asleepBatteryStyleSheet()
{
    return QStringLiteral("                    QProgressBar {                    border:none;                    "
                          "background-color: #FFFFFF;                    border-radius:2px;                    }"
                          "                    QProgressBar::chunk {                    "
                          "background-color:rgb(100,100,100);                    border-radius:2px;"
                          "                    }                    QProgressBar {                    "
                          "text-align: center;                    color: rgb(0, 0, 0);                    }"
                          "                    ");
}
