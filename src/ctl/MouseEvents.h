#pragma once

#include "session/SettingsSession.h"

#include <QJsonObject>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// One event of the mouse as `osken-ctl watch` prints it.
struct MouseEvent
{
    QString text;
    QJsonObject json;

    // The line as printed, its line end included.
    QString line(bool bJson) const;
};

// Turns what a status handling hears (osken-ctl's own, or the window's) into watch's events, each once: a
// battery reading heard again, or a second "asleep", makes none.
class MouseEventLog
{
public:
    std::vector<MouseEvent> plugged(bool bPlugged);
    std::vector<MouseEvent> battery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    // What a status report changed, with the settings as they are after it.
    static std::vector<MouseEvent> status(const MouseChange& change, int iActiveSlot, const ProfileData& active,
                                          int iSensor);
    // What a listener that comes now hears first: plugged or unplugged, then asleep or the battery when known.
    std::vector<MouseEvent> current() const;

private:
    std::optional<bool> m_bPlugged;
    std::optional<bool> m_bAsleep;
    std::optional<std::pair<int, bool>> m_Battery; // percent, charging
};
