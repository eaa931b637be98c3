#pragma once

#include "CtlArguments.h"
#include "hid/HidBackend.h"
#include "platform/PointerSpeed.h"

#include <QTextStream>

#include <functional>
#include <memory>

// What the commands reach outside the settings files; the program takes the system's, tests their own.
struct CtlServices
{
    std::function<std::unique_ptr<HidBackend>()> makeBackend;
    platform::PointerSpeed* pointerSpeed = nullptr; // none: the pointer speed is not applied
};

// The commands that change the settings (profile, dpi, rate, speed, lighting, button, reset): the value is
// checked and put into the stored settings through a session, which then writes the difference to the mouse
// as the window's Apply does. Returns the exit code; messages go to `err` as one line.
int runChange(const CtlRequest& request, CtlServices& services, QTextStream& err);
