#pragma once

#include <QObject>

#include <memory>

namespace platform {

// Announces that a notification area may have come or gone, so the program asks whether there is one only
// then, not on a timer.
class TrayHostWatch : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void mayHaveChanged();
};

// The system's news of notification areas (an X11 tray manager, a StatusNotifier host on D-Bus). Null where
// the area cannot come or go (Windows' taskbar).
std::unique_ptr<TrayHostWatch> makeTrayHostWatch();

} // namespace platform
