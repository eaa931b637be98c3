#include "editors/core/HsvColor.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {

int divRound(long long iNum, long long iDen)
{
    return static_cast<int>((iNum + iDen / 2) / iDen);
}

} // namespace

Rgb8 hsvToRgb(const Hsv& hsv)
{
    const int h = (hsv.h >= 360 || hsv.h < 0) ? 0 : hsv.h;
    const int s = qBound(0, hsv.s, 255);
    const int v = qBound(0, hsv.v, 255);
    if (s == 0)
        return Rgb8{v, v, v};
    const int iRegion = h / 60;
    const int f = h % 60;
    constexpr long long kDen = 255LL * 60;
    const int p = divRound(static_cast<long long>(v) * (255 - s), 255);
    const int q = divRound(static_cast<long long>(v) * (kDen - static_cast<long long>(s) * f), kDen);
    const int t = divRound(static_cast<long long>(v) * (kDen - static_cast<long long>(s) * (60 - f)), kDen);
    switch (iRegion) {
    case 0:
        return Rgb8{v, t, p};
    case 1:
        return Rgb8{q, v, p};
    case 2:
        return Rgb8{p, v, t};
    case 3:
        return Rgb8{p, q, v};
    case 4:
        return Rgb8{t, p, v};
    default:
        return Rgb8{v, p, q};
    }
}

Hsv rgbToHsv(const Rgb8& rgb, int iHueIfGrey)
{
    const int r = qBound(0, rgb.r, 255);
    const int g = qBound(0, rgb.g, 255);
    const int b = qBound(0, rgb.b, 255);
    const int iMax = std::max({r, g, b});
    const int iMin = std::min({r, g, b});
    const int iDelta = iMax - iMin;
    Hsv hsv;
    hsv.v = iMax;
    hsv.s = iMax == 0 ? 0 : divRound(255LL * iDelta, iMax);
    if (iDelta == 0) {
        hsv.h = (iHueIfGrey >= 0 && iHueIfGrey < 360) ? iHueIfGrey : 0;
        return hsv;
    }
    double dHue = 0.0;
    if (iMax == r)
        dHue = 60.0 * (g - b) / iDelta;
    else if (iMax == g)
        dHue = 60.0 * (b - r) / iDelta + 120.0;
    else
        dHue = 60.0 * (r - g) / iDelta + 240.0;
    int iHue = static_cast<int>(std::lround(dHue));
    iHue = ((iHue % 360) + 360) % 360;
    hsv.h = iHue;
    return hsv;
}

int hueFromStripY(double dY, int iHeight)
{
    if (iHeight <= 0)
        return 0;
    const double dFraction = qBound(0.0, 1.0 - (static_cast<double>(std::lround(dY)) - kHueStripMargin) / iHeight, 1.0);
    return static_cast<int>(360.0 * dFraction);
}

int stripYFromHue(int iHue, int iHeight)
{
    const int iClamped = qBound(0, iHue, 360);
    return kHueStripMargin + static_cast<int>(std::lround((1.0 - iClamped / 360.0) * iHeight));
}

void svFromSquarePoint(double dX, double dY, int iSide, int& iS, int& iV)
{
    if (iSide <= 0) {
        iS = 0;
        iV = 0;
        return;
    }
    const long long x = qBound(0LL, static_cast<long long>(std::llround(dX)), static_cast<long long>(iSide));
    const long long y = qBound(0LL, static_cast<long long>(std::llround(dY)), static_cast<long long>(iSide));
    iS = divRound(x * 255, iSide);
    iV = divRound((iSide - y) * 255, iSide);
}

void squarePointFromSv(int iS, int iV, int iSide, int& iX, int& iY)
{
    const int s = qBound(0, iS, 255);
    const int v = qBound(0, iV, 255);
    iX = divRound(static_cast<long long>(s) * iSide, 255);
    iY = iSide - divRound(static_cast<long long>(v) * iSide, 255);
}
