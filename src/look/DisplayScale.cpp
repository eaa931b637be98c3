#include "look/DisplayScale.h"

#include <QString>
#include <QtGlobal>
#include <cmath>

namespace look {

namespace {
double g_dScale = 1.0;
}

void setDisplayScale(double dScale)
{
    g_dScale = qBound(1.0, dScale, 5.0);
}

double displayScale()
{
    return g_dScale;
}

int scaleLevelForRatio(double dRatio)
{
    if (!(dRatio >= 1.1)) // also catches NaN
        return 0;
    // The steps are not even (1.4, not 1.3), so they are a table rather than a formula.
    static const double kThresholds[kScaleLevelCount - 1] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                                             3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
    int iLevel = 0;
    for (double dThreshold : kThresholds) {
        // A small epsilon so a ratio computed as 1.0999999 from 105.6/96 is not pushed down.
        if (dRatio + 1e-9 >= dThreshold)
            ++iLevel;
        else
            break;
    }
    return iLevel;
}

double scaleForLevel(int iLevel)
{
    return 1.0 + 0.25 * qBound(0, iLevel, kScaleLevelCount - 1);
}

int scaled(int iPixels, double dScale)
{
    return static_cast<int>(std::trunc(iPixels * dScale));
}

int scaled(int iPixels)
{
    return scaled(iPixels, g_dScale);
}

QSize scaledWindowSize(double dScale)
{
    return QSize(scaled(kBaseWidth, dScale), scaled(kBaseHeight, dScale));
}

int matchScaledWidth(int iWidth)
{
    static const int kWidths[4] = {999, 1248, 1498, 1748};
    for (int i = 0; i < 4; ++i) {
        if (std::abs(iWidth - kWidths[i]) <= kWidthMatchTolerance)
            return i;
    }
    return -1;
}

double ratioWithOverride(double dScreenRatio)
{
    bool bOk = false;
    const double dOverride = qEnvironmentVariable("OSKEN_SCALE").toDouble(&bOk);
    if (bOk && dOverride > 0.0 && dOverride < 10.0)
        return dOverride;
    return dScreenRatio;
}

} // namespace look

namespace look {

ScaleChoice resolveResize(double dRatio, int iLastLevel, bool bSizeUnchanged, int iWidth)
{
    const int iLevel = scaleLevelForRatio(dRatio);
    ScaleChoice choice{iLevel, scaleForLevel(iLevel)};
    if (iLevel == iLastLevel && bSizeUnchanged) {
        const int iMatch = matchScaledWidth(iWidth);
        if (iMatch >= 0)
            choice = ScaleChoice{iMatch, scaleForLevel(iMatch)};
    }
    return choice;
}

} // namespace look
