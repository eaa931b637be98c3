#pragma once

#include <optional>

// The sniper's DPI steps a sensor offers (the record's Res1), and what a stored step out of range becomes.
struct SniperRange
{
    int iMin;
    int iMax;
    // A preset step outside [iPresetMin, iMax] becomes iDefault.
    int iPresetMin;
    int iDefault;
};

// Nothing for a sensor without its own range: the dialog then keeps 1..10 and any preset step.
std::optional<SniperRange> sniperRange(int iSensor);
