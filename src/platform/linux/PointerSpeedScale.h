#pragma once

namespace platform {

// Linux desktops keep the pointer acceleration as a number in -1..1 (0 = their default). The 1..20 scale
// maps onto it in two straight pieces so that both ends and the default (10 <-> 0) meet exactly.
double accelFromSpeed(int iSpeed);
// The nearest speed for a desktop value; values outside -1..1 are taken as the nearest end.
int speedFromAccel(double accel);

} // namespace platform
