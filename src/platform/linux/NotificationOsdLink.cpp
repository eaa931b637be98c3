#include "platform/linux/NotificationOsdLink.h"

#include "log/Log.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform {

namespace {
constexpr int kCallTimeoutMs = 2000;
} // namespace

NotificationOsdLink::NotificationOsdLink(const QDBusConnection& bus) : m_bus(bus) {}

NotificationOsdLink::~NotificationOsdLink() = default;

bool NotificationOsdLink::send(const OsdMessage& message)
{
    if (!m_bus.isConnected())
        return false;
    m_waiting = message;
    if (!m_pPending)
        dispatch();
    return true;
}

void NotificationOsdLink::dispatch()
{
    const OsdMessage message = *m_waiting;
    m_waiting.reset();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("transient"), true}, // not kept in the notification history
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(0))},
        {QStringLiteral("desktop-entry"), QStringLiteral("osken-config")},
    };
    call << QStringLiteral("OSKEN R5 Config") << m_iShownId << QStringLiteral("osken-config") << message.text
         << QString() << QStringList() << hints << int(message.durationMs);
    m_pPending = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kCallTimeoutMs), &m_context);
    QObject::connect(m_pPending, &QDBusPendingCallWatcher::finished, &m_context,
                     [this](QDBusPendingCallWatcher* watcher) {
                         const QDBusPendingReply<quint32> reply = *watcher;
                         if (reply.isError())
                             qCDebug(lcPlatform) << "Notification not shown:" << reply.error().message();
                         else
                             m_iShownId = reply.value();
                         watcher->deleteLater();
                         m_pPending = nullptr;
                         if (m_waiting)
                             dispatch();
                     });
}

std::unique_ptr<OsdLink> makeNotificationLink()
{
    return std::make_unique<NotificationOsdLink>();
}

} // namespace platform
