#pragma once

#include "buttons/core/ButtonTable.h"
#include "device/Frame.h"
#include "store/ConfigData.h"

#include <QString>

// Products whose records the button write encodes; any other product sends the block as it last was.
bool productFillsButtonTable(const QString& productName);

// Empties the slot map, refills the persistent block from the active slot of `deviceConfig` for the products
// above (updating Res4 of its macro records), then sends the block: 0 or the first failing result.
quint8 WriteButtonTable(const FrameSender& send, ConfigData& deviceConfig, const QString& productName, int sensorModel,
                        ButtonTable& table, MacroSlotMap& slots);
