#pragma once

#include "platform/keyhook/KeyboardHook.h"

#include <QObject>

class QKeyEvent;

namespace platform {

// Watches every key event of the application (a filter on the application object) and hands it on as the
// set-1 key a Windows hook would see. Only keys that reach this program's windows are seen.
class EventFilterKeyboardHook : public QObject, public KeyboardHook
{
    Q_OBJECT
public:
    EventFilterKeyboardHook();
    ~EventFilterKeyboardHook() override;

    bool install(KeyHookCallback cb) override;
    void uninstall() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent* keyEvent);

    KeyHookCallback m_callback;
    bool m_bInstalled = false;
    bool m_bLeftAltHeld = false;
    bool m_bRightAltHeld = false;
    // A key event climbing the parent chain passes the filter once per widget; it is handed on once.
    const QEvent* m_lastEvent = nullptr;
    int m_iLastType = 0;
    quint32 m_lastScanCode = 0;
    ulong m_lastTimestamp = 0;
    bool m_bLastSwallowed = false;
};

} // namespace platform
