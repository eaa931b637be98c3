#include "editors/core/ReportRate.h"

const char* rateText(int iCode)
{
    switch (iCode) {
    case 1:
        return QT_TRANSLATE_NOOP("Osken", "1000 HZ");
    case 2:
        return QT_TRANSLATE_NOOP("Osken", "500 HZ");
    case 4:
        return QT_TRANSLATE_NOOP("Osken", "250 HZ");
    case 8:
        return QT_TRANSLATE_NOOP("Osken", "125 HZ");
    default:
        return nullptr;
    }
}

const std::array<quint8, kRateCount>& rateMenuCodes()
{
    static const std::array<quint8, kRateCount> kCodes = {8, 4, 2, 1};
    return kCodes;
}

int rateHz(int iCode)
{
    return rateText(iCode) ? 1000 / iCode : 0;
}

int rateCodeForHz(int iHz)
{
    for (quint8 code : rateMenuCodes()) {
        if (rateHz(code) == iHz)
            return code;
    }
    return 0;
}
