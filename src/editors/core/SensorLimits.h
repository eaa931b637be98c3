#pragma once

#include <QString>

#include <optional>

// What one DPI stage allows for a sensor: the DPI numbers shown at the ends of the bar, the raw
// slider range, and whether X and Y may be set apart.
struct SensorLimits
{
    int iMinDpi = 0;
    int iMaxDpi = 0;
    int iRawMin = 0;
    int iRawMax = 0;
    bool bLinkVisible = false;
};

// True for the products whose 3327 sensor stops at 12400 DPI (exact, case-sensitive names).
bool limits3327To12400(const QString& productName);
// Limits of a sensor for the named product; nothing for an unknown sensor (callers keep what they had).
std::optional<SensorLimits> sensorLimits(int iSensor, const QString& productName);
