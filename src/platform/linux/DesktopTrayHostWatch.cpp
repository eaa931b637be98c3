#include "platform/TrayHostWatch.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

namespace platform {

namespace {
const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// Qt's own tray on X11 follows the _NET_SYSTEM_TRAY selection and says so through the xcb plug-in's
// systemTrayWindowChanged(QScreen*); a StatusNotifier host comes and goes with the watcher service and its
// host signals.
class DesktopTrayHostWatch : public TrayHostWatch
{
    Q_OBJECT

public:
    DesktopTrayHostWatch()
    {
        if (QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
            native && native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") >= 0)
            connect(native, SIGNAL(systemTrayWindowChanged(QScreen*)), this, SLOT(announce()));

        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        auto* service = new QDBusServiceWatcher(kWatcherService, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(service, &QDBusServiceWatcher::serviceOwnerChanged, this, &TrayHostWatch::mayHaveChanged);
        for (const char* hostSignal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
            bus.connect(kWatcherService, QStringLiteral("/StatusNotifierWatcher"), kWatcherService,
                        QLatin1String(hostSignal), this, SLOT(announce()));
    }

private slots:
    void announce() { emit mayHaveChanged(); }
};
} // namespace

std::unique_ptr<TrayHostWatch> makeTrayHostWatch()
{
    return std::make_unique<DesktopTrayHostWatch>();
}

} // namespace platform

#include "DesktopTrayHostWatch.moc"
