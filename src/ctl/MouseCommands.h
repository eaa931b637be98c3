#pragma once

#include "CtlArguments.h"
#include "SettingsSource.h"
#include "device/link/DeviceLink.h"
#include "device/protocol/InputReports.h"

#include <QTextStream>

#include <functional>
#include <optional>

// apply FILE: the file's whole configuration written through `link`, without storing it; `openMouse` opens
// the mouse (or says, in its argument, why there is none). The file is read while the mouse is asked whether
// it is awake; a file that cannot be used is reported before a missing or sleeping mouse. Returns the exit
// code; messages go to `err` as one line.
int runApplyOn(const PendingSettingsFile& file, DeviceLink& link, const std::function<bool(QString&)>& openMouse,
               QTextStream& err);

// What status heard of the mouse.
struct StatusHeard
{
    bool asleep = false;
    std::optional<BatteryReply> battery;
    std::optional<StatusReport> status;
};

// status: prints what was heard; the exit code.
int printStatus(const CtlRequest& request, const StatusHeard& heard, QTextStream& out, QTextStream& err);
