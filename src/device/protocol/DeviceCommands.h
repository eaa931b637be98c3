#pragma once

#include "device/Frame.h"
#include "store/ConfigData.h"

#include <vector>

// Senders: push the encoded frames through the verified write, stop at the first frame it does not accept
// and pass that result on; 0 when every frame went through.

quint8 sendFrames(const FrameSender& send, const std::vector<Frame>& frames);

quint8 SetWriteSession(const FrameSender& send, quint8 mode);
quint8 ReloadSection(const FrameSender& send, quint8 mask);
// The five reloads, 0x04, 0x01, 0x02, 0x08, 0x10.
quint8 ReloadAllSections(const FrameSender& send);
// Sends the switch and its reload whatever their results; nobody checks a profile switch.
void SwitchProfile(const FrameSender& send, quint8 index);
// What the slot menu sends: the switch, then the five reloads (their result is returned).
quint8 SwitchProfileAndReload(const FrameSender& send, quint8 index);

quint8 WriteSettingsBlock(const FrameSender& send, const ConfigData& config);
// Stages of slot index `slot` (taken modulo the slot count) encoded for `sensor`.
quint8 WriteDpiStages(const FrameSender& send, const ConfigData& config, quint8 slot, int sensor);
// Lighting entries of slot index `slot` (taken modulo the slot count).
quint8 WriteLightingTable(const FrameSender& send, const ConfigData& config, quint8 slot);
