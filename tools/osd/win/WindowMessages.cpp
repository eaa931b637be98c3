#include "WindowMessages.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

// Reads WM_COPYDATA sent to the companion's window: dwData 0 and exactly one message of 1044 bytes.
class CopyDataFilter : public QAbstractNativeEventFilter
{
public:
    CopyDataFilter(HWND window, OsdMessageHandler handler) : m_window(window), m_handler(std::move(handler)) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, long* result) override
    {
        if (eventType != "windows_generic_MSG" || !message)
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != m_window || msg->message != WM_COPYDATA)
            return false;
        const auto* copyData = reinterpret_cast<const COPYDATASTRUCT*>(msg->lParam);
        if (!copyData || copyData->dwData != 0 || copyData->cbData != DWORD(platform::OsdLayout::Size) ||
            !copyData->lpData)
            return false;
        const QByteArray data(static_cast<const char*>(copyData->lpData), int(copyData->cbData));
        const std::optional<platform::OsdMessage> parsed = platform::parseOsdMessage(data);
        if (!parsed)
            return false;
        m_handler(*parsed);
        if (result)
            *result = TRUE; // the sender's SendMessageW sees the message taken
        return true;
    }

private:
    HWND m_window;
    OsdMessageHandler m_handler;
};

} // namespace

bool receiveWindowMessages(quintptr window, OsdMessageHandler handler)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !window || !handler)
        return false;
    // Lives as long as the program.
    static CopyDataFilter filter(reinterpret_cast<HWND>(window), std::move(handler));
    app->installNativeEventFilter(&filter);
    return true;
}
