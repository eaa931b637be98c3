#pragma once

#include "platform/OsdMessage.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// Title of the companion's window (on Windows the program finds the companion by it).
inline QString osdWindowTitle()
{
    return QStringLiteral("QUVA Wireless Mouse OSD");
}
// The companion's own name: its single-instance lock (and on Linux its socket) is called after it.
inline QString osdInstanceName()
{
    return QStringLiteral("osken-osd");
}
// Where the companion listens on this system (a per-user socket on Linux, a named pipe on Windows).
QString osdServerName();

// Sends short texts to the on-screen-display companion, starting it when it is not running.
class OsdLink
{
public:
    virtual ~OsdLink() = default;
    // True when the companion took the message. A missing companion drops the text with a debug line.
    virtual bool send(const OsdMessage& message) = 0;
};

// `programDirectory` is where the companion program lies (beside the main program); it is started with
// `arguments`.
std::unique_ptr<OsdLink> makeOsdLink(const QString& programDirectory, const QStringList& arguments = {});

// The same texts as desktop notifications, each replacing the one before; null where the system has none.
std::unique_ptr<OsdLink> makeNotificationLink();

} // namespace platform
