#pragma once

#include "platform/PointerSpeed.h"
#include "platform/linux/CommandRunner.h"

#include <QProcessEnvironment>

#include <optional>

namespace platform {

// Which desktop setting the pointer speed reaches.
enum class PointerSpeedBackend
{
    StoredOnly, // nothing reachable: the value is only remembered
    Gnome,      // gsettings org.gnome.desktop.peripherals.mouse speed
    Xinput,     // the X11 libinput "Accel Speed" of every pointer device
};

// The desktop's own pointer speed setting where one is reachable; found on first use.
class DesktopPointerSpeed : public PointerSpeed
{
public:
    DesktopPointerSpeed(QProcessEnvironment environment, CommandRunner runner);

    int currentSpeed(int iStoredSpeed) override;
    bool applySpeed(int iSpeed) override;
    PointerSpeedBackend backend();

private:
    std::optional<double> readGnome();
    std::optional<double> readXinput();
    bool writeGnome(double accel);
    bool writeXinput(double accel);
    QStringList xinputAccelDevices(std::optional<double>* firstValue);

    QProcessEnvironment m_environment;
    CommandRunner m_run;
    std::optional<PointerSpeedBackend> m_backend;
    std::optional<int> m_lastApplied;
};

} // namespace platform
