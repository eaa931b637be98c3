#pragma once

#include <QSize>

// The process-wide display scale: 1.0 to 5.0 in steps of 0.25, level = (scale - 1) / 0.25.
namespace look {

constexpr int kScaleLevelCount = 17;
constexpr int kBaseWidth = 999;
constexpr int kBaseHeight = 640;
// Width tolerance when the toolkit has already resized the window for a new screen.
constexpr int kWidthMatchTolerance = 9;

void setDisplayScale(double dScale);
double displayScale();

// Level 0..16 for r = logical DPI / 96; thresholds alternate 1.1, 1.4, 1.6, 1.8, 2.1, ...
int scaleLevelForRatio(double dRatio);
double scaleForLevel(int iLevel);
// Pixel size times the scale, truncated towards zero.
int scaled(int iPixels, double dScale);
int scaled(int iPixels);
QSize scaledWindowSize(double dScale);
// Looks for iWidth within the tolerance of 999, 1248, 1498, 1748 in that order; returns the
// matching level (0..3) or -1.
int matchScaledWidth(int iWidth);
// OSKEN_SCALE (e.g. "1.5") overrides the screen's ratio; returns the ratio to use.
double ratioWithOverride(double dScreenRatio);

} // namespace look

namespace look {

struct ScaleChoice
{
    int iLevel;
    double dScale;
};

// Steps 1-3 of the main window's resize: the level from the screen's ratio, unless it equals the
// level last applied while the window keeps its recorded size; then the toolkit has already moved
// the window to another screen and its width tells the level.
ScaleChoice resolveResize(double dRatio, int iLastLevel, bool bSizeUnchanged, int iWidth);

} // namespace look
