#pragma once

#include <QtGlobal>

#include <array>

// Command bytes (frame byte 3) of the reports exchanged with the mouse.
namespace ProtocolCommand {
constexpr quint8 SettingsBlock = 0x01;
constexpr quint8 DpiStages = 0x02;
constexpr quint8 Buttons = 0x03;
constexpr quint8 Lighting = 0x04;
constexpr quint8 Macros = 0x05;
constexpr quint8 Reload = 0x40;
constexpr quint8 SwitchProfile = 0x44;
constexpr quint8 WriteSession = 0x46;
constexpr quint8 Battery = 0x48; // query out, reply in
constexpr quint8 Status = 0x49;  // sent by the mouse on its own
} // namespace ProtocolCommand

// Byte 4 of a write-session frame.
namespace WriteSessionMode {
constexpr quint8 Begin = 0;
constexpr quint8 End = 1;
} // namespace WriteSessionMode

// Byte 4 of every reload frame; byte 5 carries the section mask.
constexpr quint8 kReloadParameter = 0xF3;
constexpr quint8 kReloadAfterSwitch = 0x01;
// The order in which the write-out and the slot menu ask the mouse to reload its sections.
constexpr std::array<quint8, 5> kReloadOrder{0x04, 0x01, 0x02, 0x08, 0x10};
