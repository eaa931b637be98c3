#include "log/Log.h"

Q_LOGGING_CATEGORY(lcHid, "osken.hid", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDevice, "osken.device", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMacro, "osken.macro", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatform, "osken.platform", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "osken.ui", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "osken.app", QtWarningMsg)

namespace osken {

void enableVerboseLog()
{
    QLoggingCategory::setFilterRules(QStringLiteral("osken.*.debug=true\nosken.*.info=true"));
}

} // namespace osken
