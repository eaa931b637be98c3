#include "platform/linux/PointerSpeedScale.h"

#include "platform/PointerSpeed.h"

#include <QtGlobal>

#include <cmath>

namespace platform {

namespace {
constexpr int kSlowSteps = kDefaultPointerSpeed - kMinPointerSpeed; // 1..10 covers -1..0
constexpr int kFastSteps = kMaxPointerSpeed - kDefaultPointerSpeed; // 10..20 covers 0..1
} // namespace

double accelFromSpeed(int iSpeed)
{
    const int speed = qBound(kMinPointerSpeed, iSpeed, kMaxPointerSpeed);
    if (speed <= kDefaultPointerSpeed)
        return -1.0 + double(speed - kMinPointerSpeed) / kSlowSteps;
    return double(speed - kDefaultPointerSpeed) / kFastSteps;
}

int speedFromAccel(double accel)
{
    if (std::isnan(accel))
        return kDefaultPointerSpeed;
    const double value = qBound(-1.0, accel, 1.0);
    if (value <= 0.0)
        return kMinPointerSpeed + int(std::lround((value + 1.0) * kSlowSteps));
    return kDefaultPointerSpeed + int(std::lround(value * kFastSteps));
}

} // namespace platform
