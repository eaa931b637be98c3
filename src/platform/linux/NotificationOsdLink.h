#pragma once

#include "platform/OsdLink.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

class QDBusPendingCallWatcher;

namespace platform {

// Sends each text as a desktop notification (org.freedesktop.Notifications) that replaces the previous
// one. Calls go out one at a time without waiting on the GUI thread; a text that arrives while a call is
// out waits, and only the newest waiting text is sent.
class NotificationOsdLink : public OsdLink
{
public:
    explicit NotificationOsdLink(const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~NotificationOsdLink() override;
    // False when there is no session bus; otherwise the text is on its way.
    bool send(const OsdMessage& message) override;

private:
    void dispatch();

    QDBusConnection m_bus;
    QObject m_context;
    quint32 m_iShownId = 0; // the notification to replace, 0 for none
    QDBusPendingCallWatcher* m_pPending = nullptr;
    std::optional<OsdMessage> m_waiting;
};

} // namespace platform
