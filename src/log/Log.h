#pragma once

#include <QLoggingCategory>

// One category per layer. Debug lines are off in a normal run and come on with --verbose or with
// QT_LOGGING_RULES="osken.*.debug=true" (or one layer, e.g. "osken.device.debug=true"); warnings always show.
Q_DECLARE_LOGGING_CATEGORY(lcHid)
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcMacro)
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace osken {
// Turns every debug line of this program on.
void enableVerboseLog();
} // namespace osken
