#include "device/status/BatteryLevel.h"

int batteryMillivolts(quint8 iLowByte, quint8 iHiByte)
{
    // The receiver reports the cell voltage in steps of 990/240 mV.
    return ((iHiByte * 256 + iLowByte) * 990) / 240;
}

int batteryPercent(quint8 iLowByte, quint8 iHiByte)
{
    struct Step
    {
        int aboveMv;
        int percent;
    };
    static constexpr Step kSteps[] = {{4199, 100}, {4099, 90}, {3999, 80}, {3899, 70}, {3799, 60},
                                      {3699, 50},  {3499, 40}, {3399, 30}, {3199, 20}};
    const int mv = batteryMillivolts(iLowByte, iHiByte);
    for (const Step& step : kSteps) {
        if (mv > step.aboveMv)
            return step.percent;
    }
    return 10;
}
