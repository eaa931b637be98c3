#pragma once

#include "store/ConfigData.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <map>

// The block the mouse keeps for the buttons: a two-byte head (0x0A, 0x00), then 24 entries of four bytes,
// entry s at bytes 2 + 4s .. 5 + 4s.
constexpr int kButtonTableSize = 98;
constexpr int kButtonTableHead = 2;
constexpr int kDeviceEntrySize = 4;
constexpr int kDeviceEntryCount = 24;
static_assert(kButtonTableHead + kDeviceEntrySize * kDeviceEntryCount == kButtonTableSize, "button table layout");

struct ButtonTable
{
    std::array<quint8, kButtonTableSize> bytes{};
};

using MacroSlotMap = std::map<quint8, QString>; // slot -> macro name, ordered

// encodes the records the product sends into their entries; updates the slot map and Res4 of macro records
void fillButtonTable(ProfileData& profile, const QString& productName, ButtonTable& table, MacroSlotMap& macroSlots);

// The same with the sensor number given instead of read from "MouseSenSor/<productName>" (used for the sniper
// entries), for callers that already hold it.
void fillButtonTable(ProfileData& profile, const QString& productName, int sensorModel, ButtonTable& table,
                     MacroSlotMap& macroSlots);

// Whether the product's button table carries record iRecord (0..41); the others stay in the files only.
bool sendsRecord(const QString& productName, int iRecord);

// The sensor number stored for a product in the program-wide settings (0 when none).
int sensorModelFor(const QString& productName);
