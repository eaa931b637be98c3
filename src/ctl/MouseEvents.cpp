#include "MouseEvents.h"

#include "CtlOutput.h"
#include "device/status/BatteryLevel.h"
#include "editors/core/DpiConversion.h"
#include "editors/core/ReportRate.h"

namespace {

MouseEvent pluggedEvent(bool bPlugged)
{
    const QString word = bPlugged ? QStringLiteral("plugged") : QStringLiteral("unplugged");
    return {word, {{"event", word}}};
}

MouseEvent sleepEvent(bool bAsleep)
{
    const QString word = bAsleep ? QStringLiteral("asleep") : QStringLiteral("awake");
    return {word, {{"event", word}}};
}

MouseEvent batteryEvent(const std::pair<int, bool>& battery)
{
    return {QStringLiteral("battery %1%%2").arg(battery.first).arg(battery.second ? " charging" : ""),
            {{"event", "battery"}, {"percent", battery.first}, {"charging", battery.second}}};
}

} // namespace

QString MouseEvent::line(bool bJson) const
{
    return bJson ? jsonLine(json) : text + QLatin1Char('\n');
}

std::vector<MouseEvent> MouseEventLog::plugged(bool bPlugged)
{
    if (m_bPlugged == bPlugged)
        return {};
    m_bPlugged = bPlugged;
    // What the mouse said before does not hold for the next time it is there.
    m_bAsleep.reset();
    m_Battery.reset();
    return {pluggedEvent(bPlugged)};
}

std::vector<MouseEvent> MouseEventLog::battery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    // All zero: the receiver answers for a mouse that sleeps or is out of reach.
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        const bool bWasAsleep = m_bAsleep == true;
        m_bAsleep = true;
        if (bWasAsleep)
            return {};
        return {sleepEvent(true)};
    }
    std::vector<MouseEvent> events;
    if (m_bAsleep == true)
        events.push_back(sleepEvent(false));
    m_bAsleep = false;
    const std::pair<int, bool> reading{batteryPercent(iLowByte, iHiByte), iCharge != 0};
    if (m_Battery != reading) {
        m_Battery = reading;
        events.push_back(batteryEvent(reading));
    }
    return events;
}

std::vector<MouseEvent> MouseEventLog::status(const MouseChange& change, int iActiveSlot, const ProfileData& active,
                                              int iSensor)
{
    std::vector<MouseEvent> events;
    if (change.profile)
        events.push_back(
            {QStringLiteral("profile %1").arg(iActiveSlot + 1), {{"event", "profile"}, {"slot", iActiveSlot + 1}}});
    if (change.dpiStage) {
        const int iStage = active.dpi % kDpiStageCount;
        const int iDpi = dpiFromRaw(int(active.stages[iStage].x), iSensor);
        events.push_back({QStringLiteral("dpi-stage %1 %2").arg(iStage + 1).arg(iDpi),
                          {{"event", "dpi-stage"}, {"stage", iStage + 1}, {"dpi", iDpi}}});
    }
    if (change.rate) {
        const int iHz = rateHz(active.pollrate);
        events.push_back({QStringLiteral("rate %1").arg(iHz), {{"event", "rate"}, {"hz", iHz}}});
    }
    return events;
}

std::vector<MouseEvent> MouseEventLog::current() const
{
    std::vector<MouseEvent> events{pluggedEvent(m_bPlugged.value_or(false))};
    if (m_bAsleep == true)
        events.push_back(sleepEvent(true));
    else if (m_Battery)
        events.push_back(batteryEvent(*m_Battery));
    return events;
}
