#include "hid/HidBackend.h"

#include "hid/hidapi/HidapiBackend.h"
#include "hid/sim/VirtualReceiver.h"
#include "log/Log.h"

#include <QDebug>

std::unique_ptr<HidBackend> makeDefaultBackend()
{
    if (qgetenv("OSKEN_VIRTUAL_MOUSE") != "1")
        return std::make_unique<HidapiBackend>();
    auto receiver = std::make_unique<VirtualReceiver>();
    const QString logPath = qEnvironmentVariable("OSKEN_VIRTUAL_MOUSE_LOG");
    if (!logPath.isEmpty() && !receiver->setFrameLogPath(logPath))
        qCWarning(lcHid, "virtual mouse: cannot open frame log %s", qPrintable(logPath));
    return receiver;
}
