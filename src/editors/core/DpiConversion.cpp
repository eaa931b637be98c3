#include "editors/core/DpiConversion.h"

#include <climits>

namespace {

long long dpi3212(long long iRaw)
{
    long long v = 0;
    if (iRaw < 64)
        v = iRaw * 38;
    else if (iRaw <= 94)
        v = (iRaw - 32) * 76;
    else
        v = (iRaw - 63) * 152;
    long long t = (v / 10) * 10;
    // The two low corrections hold only on the first and third segments; the rest hold everywhere.
    if (iRaw < 64 || iRaw > 94) {
        if (t == 790)
            t = 800;
        else if (t == 1210)
            t = 1200;
    }
    if (t == 1630)
        t = 1600;
    else if (t == 2390)
        t = 2400;
    else if (t == 7290)
        t = 7200;
    return t;
}

long long dpi3104(long long iRaw)
{
    const long long v = iRaw <= 106 ? iRaw * 38 : (iRaw - 53) * 76;
    const long long t = (v / 10) * 10;
    if (t == 530)
        return 500;
    if (t == 8050)
        return 8000;
    if (t == 2090 || t == 3990)
        return t;
    const long long m = t % 100;
    if (m <= 20)
        return (t / 100) * 100;
    if (m <= 80)
        return t;
    return (t / 100 + 1) * 100;
}

long long dpi3327(long long iRaw)
{
    if (iRaw <= 61)
        return (iRaw + 1) * 100;
    if (iRaw <= 92)
        return (iRaw - 61) * 200 + 6200;
    if (iRaw == 106)
        return 16400;
    return (iRaw - 92) * 300 + 12300;
}

// Sensors with one step below a knee and a doubled step above it.
long long twoSteps(long long iRaw, int iKnee, int iLowStep, int iHighStep, int iKneeDpi)
{
    if (iRaw <= iKnee)
        return iRaw * iLowStep;
    return (iRaw - iKnee) * iHighStep + iKneeDpi;
}

long long dpiWide(long long iRaw, int iSensor)
{
    switch (iSensor) {
    case 3325:
        return twoSteps(iRaw, 50, 100, 200, 5000);
    case 3327:
        return dpi3327(iRaw);
    case 3360:
        return twoSteps(iRaw, 120, 100, 200, 12000);
    case 3389:
        return twoSteps(iRaw, 320, 50, 100, 16000);
    case 3335:
        return twoSteps(iRaw, 160, 100, 200, 16000);
    case 3333:
        return twoSteps(iRaw, 80, 100, 200, 8000);
    case 3212:
        return dpi3212(iRaw);
    case 3104:
        return dpi3104(iRaw);
    default:
        return 0;
    }
}

} // namespace

int dpiFromRaw(int iRaw, int iSensor)
{
    if (iRaw < 0)
        return 0;
    // Computed wide so that a corrupt stored value cannot overflow.
    const long long iDpi = dpiWide(iRaw, iSensor);
    return iDpi > INT_MAX ? INT_MAX : static_cast<int>(iDpi);
}
