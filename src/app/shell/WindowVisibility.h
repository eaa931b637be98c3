#pragma once

#include "platform/TrayHostWatch.h"

#include <QObject>

#include <functional>

// What becomes of the window when something would put it away. Without a notification area (stock GNOME,
// many tiling desktops) a hidden window could not be brought back, so hiding becomes minimising and the
// close button ends the program.
enum class WindowRequest
{
    Hide,     // OK or Cancel of the profile bar, OK on the no-mouse warning, a click on the tray icon
    Close,    // the window's × button
    TrayLost, // the notification area went away
};
enum class WindowAction
{
    Nothing,
    Hide,
    Minimise,
    Quit,
};
WindowAction windowActionFor(WindowRequest request, bool bTrayAvailable, bool bWindowHidden);

// Follows whether a notification area is there: asked at start, whenever `changes` says an area came or went,
// and afresh whenever the window is put away. Nothing is asked on a timer, so an idle program stays asleep.
class TrayWatch : public QObject
{
    Q_OBJECT

public:
    // `probe` answers whether a tray is there now (QSystemTrayIcon::isSystemTrayAvailable in the program);
    // `changes` may be null.
    TrayWatch(std::function<bool()> probe, platform::TrayHostWatch* changes, QObject* parent = nullptr);
    bool isAvailable() const { return m_bAvailable; }
    // Asks the probe at once (an announcement of `changes` does the same).
    void check();

signals:
    void availabilityChanged(bool bAvailable);

private:
    std::function<bool()> m_probe;
    bool m_bAvailable = false;
};
