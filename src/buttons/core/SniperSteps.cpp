#include "buttons/core/SniperSteps.h"

std::optional<SniperRange> sniperRange(int iSensor)
{
    switch (iSensor) {
    case 3325:
    case 3327:
    case 3360:
    case 3335:
        return SniperRange{1, 10, 1, 3};
    case 3389:
        return SniperRange{2, 20, 2, 6};
    case 3212:
        return SniperRange{16, 32, 17, 16};
    case 3104:
        return SniperRange{14, 26, 15, 14};
    case 3333:
        return SniperRange{2, 10, 1, 3};
    default:
        return std::nullopt;
    }
}
