#pragma once

#include "CtlArguments.h"
#include "platform/PointerSpeed.h"
#include "session/SettingsSession.h"

#include <QTextStream>

// Where a change command runs: osken-ctl's own session over the receiver it opened, or the running
// window's session over the window's mouse.
struct ChangeTarget
{
    SettingsSession& session;
    bool bMouseOpen = false;
    QString noMouse; // why there is no open mouse, for the message of a write that found none
    platform::PointerSpeed* pointerSpeed = nullptr; // none: the pointer speed is not applied
};

// The commands that change the settings (profile, dpi, rate, speed, lighting, button, reset): the value is
// checked and put into the session's working settings, then the difference is written as the window's Apply
// writes it. A refused value changes nothing. Returns the exit code; messages go to `err` as one line.
int runChangeOn(const CtlRequest& request, ChangeTarget target, QTextStream& err);
