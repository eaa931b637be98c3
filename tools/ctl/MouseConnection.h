#pragma once

#include "device/link/DeviceLink.h"
#include "device/protocol/InputReports.h"
#include "hid/HidBackend.h"
#include "session/SettingsSession.h"

#include <QString>

#include <memory>
#include <optional>

// What the mouse said within a listening time.
struct Heard
{
    std::optional<BatteryReply> battery;
    std::optional<StatusReport> status;
    bool readFailed = false;

    bool asleep() const { return readFailed || (battery && battery->isAsleep()); }
};

// The current product's mouse for one command: opened through a backend (the hidapi one or the virtual
// receiver), closed when the connection goes.
class MouseConnection
{
public:
    static constexpr int kAwakeCheckMs = 500; // the status thread waits about as long for a battery reply

    explicit MouseConnection(std::unique_ptr<HidBackend> backend);
    ~MouseConnection();
    MouseConnection(const MouseConnection&) = delete;
    MouseConnection& operator=(const MouseConnection&) = delete;

    // False, with one line in `error`, when the HID layer cannot start or the product's mouse is not there.
    bool open(const QString& product, QString& error);
    bool isOpen() const { return m_link.hasCommandHandle(); }
    DeviceLink& link() { return m_link; }

    // Sends the battery query and reads the command collection for up to `listenMs`; with `untilBattery` it
    // stops at the battery reply.
    Heard queryAndListen(int listenMs, bool untilBattery);
    // What a session writes through: the verified write, and an awake check that asks the battery first,
    // since a sleeping mouse echoes nothing and the verified write would count that as done. Without an open
    // mouse the check passes and the write reports that there is no device.
    MousePort port();

private:
    DeviceLink m_link;
};
