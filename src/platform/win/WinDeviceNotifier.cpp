#include "log/Log.h"
#include "platform/DeviceNotifier.h"
#include "platform/InterfacePathClassifier.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <dbt.h>

#include <cstddef>
#include <cwchar>

namespace platform {

namespace {

// The HID device interface class, {4D1E55B2-F16F-11CF-88CB-001111000030}.
const GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// Registers the main window for HID interface notifications and reads WM_DEVICECHANGE from the
// application's native events; the message is never consumed, so default processing goes on.
class WinDeviceNotifier : public DeviceNotifier, public QAbstractNativeEventFilter
{
public:
    WinDeviceNotifier() = default;
    ~WinDeviceNotifier() override { stop(); }
    WinDeviceNotifier(const WinDeviceNotifier&) = delete;
    WinDeviceNotifier& operator=(const WinDeviceNotifier&) = delete;

    bool start(quintptr nativeWindow, DeviceChangeCallback callback) override
    {
        stop();
        m_window = reinterpret_cast<HWND>(nativeWindow);
        DEV_BROADCAST_DEVICEINTERFACE_W filter;
        ZeroMemory(&filter, sizeof(filter));
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = kHidInterfaceClass;
        m_registration = RegisterDeviceNotificationW(m_window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        if (!m_registration) {
            qCDebug(lcPlatform, "注册失败");
            return false;
        }
        m_callback = std::move(callback);
        if (QCoreApplication* app = QCoreApplication::instance())
            app->installNativeEventFilter(this);
        return true;
    }

    void stop() override
    {
        if (!m_registration)
            return;
        if (QCoreApplication* app = QCoreApplication::instance())
            app->removeNativeEventFilter(this);
        UnregisterDeviceNotification(m_registration);
        m_registration = nullptr;
        m_callback = nullptr;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* /*result*/) override
    {
        if (eventType != "windows_generic_MSG" || !message)
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != m_window || msg->message != WM_DEVICECHANGE)
            return false;
        if (msg->wParam == DBT_DEVICEARRIVAL) {
            qCDebug(lcPlatform, "DBT_DEVICEARRIVAL\n");
            report(msg->lParam, true);
        } else if (msg->wParam == DBT_DEVICEREMOVECOMPLETE) {
            report(msg->lParam, false);
            qCDebug(lcPlatform, "DBT_DEVICEREMOVECOMPLETE\n");
        }
        return false;
    }

private:
    void report(LPARAM lParam, bool bArrived)
    {
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
        if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
            return;
        const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
        // The name fills the rest of the broadcast; never read past its stated size.
        const std::size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
        if (header->dbch_size <= nameOffset)
            return;
        const std::size_t maxChars = (header->dbch_size - nameOffset) / sizeof(wchar_t);
        const std::size_t length = wcsnlen(device->dbcc_name, maxChars);
        const QString name = QString::fromWCharArray(device->dbcc_name, static_cast<int>(length));
        if (m_callback) {
            const DeviceChangeCallback callback = m_callback;
            callback(classifyInterfacePath(name, bArrived));
        }
        qCDebug(lcPlatform).noquote() << name;
    }

    HWND m_window = nullptr;
    HDEVNOTIFY m_registration = nullptr;
    DeviceChangeCallback m_callback;
};

} // namespace

std::unique_ptr<DeviceNotifier> makeDeviceNotifier()
{
    return std::make_unique<WinDeviceNotifier>();
}

} // namespace platform
