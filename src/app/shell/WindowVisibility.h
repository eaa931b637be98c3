#pragma once

#include <QObject>
#include <QTimer>

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

// Follows whether a notification area is there. Qt does not announce it, so it is asked every 10 s (rarely
// enough for an idle program) and afresh whenever the window is put away.
class TrayWatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollMs = 10000;

    // `probe` answers whether a tray is there now (QSystemTrayIcon::isSystemTrayAvailable in the program).
    explicit TrayWatch(std::function<bool()> probe, QObject* parent = nullptr);
    bool isAvailable() const { return m_bAvailable; }
    // Asks the probe at once (the timer does the same).
    void check();

signals:
    void availabilityChanged(bool bAvailable);

private:
    std::function<bool()> m_probe;
    bool m_bAvailable = false;
    QTimer m_timer;
};
