#pragma once

#include <QtGlobal>

// One macro row: event type in the low 7 bits of Map, press flag in bit 7, two parameter bytes.
struct MacroEvent
{
    quint8 Map = 0;
    quint8 DataH = 0;
    quint8 DataL = 0;

    bool operator==(const MacroEvent& o) const { return Map == o.Map && DataH == o.DataH && DataL == o.DataL; }
    bool operator!=(const MacroEvent& o) const { return !(*this == o); }
};

namespace MacroEventType {
constexpr quint8 PressFlag = 0x80;
constexpr quint8 TypeMask = 0x7F;
constexpr quint8 MouseButton = 0x01; // DataL = button bit
constexpr quint8 Movement = 0x02;    // DataH vertical, DataL horizontal, signed 8-bit
constexpr quint8 Key = 0x04;         // DataL = HID usage
constexpr quint8 Delay = 0x06;       // DataH:DataL = delay / 10 ms
} // namespace MacroEventType

// Mouse button bits of a button event.
namespace MacroMouseButton {
constexpr quint8 Left = 1;
constexpr quint8 Right = 2;
constexpr quint8 Middle = 4;
constexpr quint8 Forward = 8;
constexpr quint8 Backward = 16;
} // namespace MacroMouseButton

inline MacroEvent keyEvent(quint8 hidUsage, bool bPress)
{
    return MacroEvent{static_cast<quint8>(MacroEventType::Key | (bPress ? MacroEventType::PressFlag : 0)), 0, hidUsage};
}

inline MacroEvent mouseButtonEvent(quint8 buttonBit, bool bPress)
{
    return MacroEvent{static_cast<quint8>(MacroEventType::MouseButton | (bPress ? MacroEventType::PressFlag : 0)), 0,
                      buttonBit};
}

// Delay in ms, held in units of 10 ms (at most 65535 units).
inline MacroEvent delayEvent(int milliseconds)
{
    int units = milliseconds / 10;
    if (units < 0)
        units = 0;
    if (units > 0xFFFF)
        units = 0xFFFF;
    return MacroEvent{MacroEventType::Delay, static_cast<quint8>(units >> 8), static_cast<quint8>(units & 0xFF)};
}

// Movement along one axis; steps are -120..120 (negative = left / up), stored in two's complement.
inline MacroEvent movementEvent(int horizontal, int vertical)
{
    auto step = [](int v) {
        if (v > 120)
            v = 120;
        if (v < -120)
            v = -120;
        return static_cast<quint8>(v & 0xFF);
    };
    return MacroEvent{MacroEventType::Movement, step(vertical), step(horizontal)};
}
