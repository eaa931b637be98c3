#pragma once

#include "CtlArguments.h"

#include <QTextStream>

// Commands that read the stored settings and the program's tables, and touch no device.
int runShow(const CtlRequest& request, QTextStream& out, QTextStream& err);
int runFunctions(QTextStream& out);
int runEffects(QTextStream& out);
