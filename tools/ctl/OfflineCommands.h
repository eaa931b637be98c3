#pragma once

#include "CtlArguments.h"

#include <QTextStream>

// Commands that touch no device. Each returns the exit code; messages go to `err` as one line.
int runFrames(const CtlRequest& request, QTextStream& out, QTextStream& err);
int runDefaults(const CtlRequest& request, QTextStream& err);
