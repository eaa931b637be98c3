#include "log/Log.h"
#include "platform/PointerSpeed.h"

#include <QDebug>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform {

namespace {

// The Windows mouse speed, 1..20, for the logged-on user.
class WinPointerSpeed : public PointerSpeed
{
public:
    int currentSpeed(int /*iStoredSpeed*/) override
    {
        int speed = 0;
        if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0))
            return 0;
        return speed;
    }

    bool applySpeed(int iSpeed) override
    {
        // The new speed travels in the pointer argument itself; save it to the profile and broadcast it.
        void* speed = reinterpret_cast<void*>(static_cast<INT_PTR>(iSpeed));
        if (!SystemParametersInfoW(SPI_SETMOUSESPEED, 0, speed, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)) {
            qCDebug(lcPlatform, "Error in SystemParametersInfo :%d", static_cast<int>(GetLastError()));
            return false;
        }
        return true;
    }
};

} // namespace

std::unique_ptr<PointerSpeed> makePointerSpeed()
{
    return std::make_unique<WinPointerSpeed>();
}

} // namespace platform
