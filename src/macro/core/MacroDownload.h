#pragma once

#include "buttons/core/ButtonTable.h"
#include "device/Frame.h"
#include "store/ConfigData.h"

#include <functional>

using SleepFunction = std::function<void(int milliseconds)>;
// reads macro files under macroDirectory(); sends through `send`; 0 or the first failing result
quint8 downloadMacros(const ConfigData& config, MacroSlotMap& macroSlots, const FrameSender& send,
                      const SleepFunction& sleep);
