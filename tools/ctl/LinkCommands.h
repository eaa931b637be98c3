#pragma once

#include "CtlArguments.h"
#include "SettingsSource.h"
#include "hid/HidBackend.h"

#include <QTextStream>

#include <memory>

// Commands that talk to the mouse through `backend` (the hidapi one, or the virtual receiver) and store
// nothing. Each returns the exit code; messages go to `err` as one line.
int runApply(const PendingSettingsFile& file, std::unique_ptr<HidBackend> backend, QTextStream& err);
int runStatus(const CtlRequest& request, std::unique_ptr<HidBackend> backend, QTextStream& out, QTextStream& err);
int runList(const CtlRequest& request, std::unique_ptr<HidBackend> backend, QTextStream& out, QTextStream& err);
