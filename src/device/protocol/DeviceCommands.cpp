#include "device/protocol/DeviceCommands.h"

#include "device/protocol/CommandFrames.h"
#include "device/protocol/DpiCodes.h"

quint8 sendFrames(const FrameSender& send, const std::vector<Frame>& frames)
{
    if (!send)
        return DeviceResult::NoDevice;
    for (const Frame& frame : frames) {
        const quint8 result = send(frame);
        if (result != DeviceResult::Done)
            return result;
    }
    return DeviceResult::Done;
}

quint8 SetWriteSession(const FrameSender& send, quint8 mode)
{
    return sendFrames(send, {encodeSetWriteSession(mode)});
}

quint8 ReloadSection(const FrameSender& send, quint8 mask)
{
    return sendFrames(send, {encodeReloadSection(mask)});
}

quint8 ReloadAllSections(const FrameSender& send)
{
    return sendFrames(send, encodeReloadAll());
}

void SwitchProfile(const FrameSender& send, quint8 index)
{
    if (!send)
        return;
    for (const Frame& frame : encodeSwitchProfile(index))
        send(frame);
}

quint8 SwitchProfileAndReload(const FrameSender& send, quint8 index)
{
    SwitchProfile(send, index);
    return ReloadAllSections(send);
}

quint8 WriteSettingsBlock(const FrameSender& send, const ConfigData& config)
{
    return sendFrames(send, encodeSettingsBlock(config));
}

quint8 WriteDpiStages(const FrameSender& send, const ConfigData& config, quint8 slot, int sensor)
{
    return sendFrames(send, encodeDpiStages(config.slots[slot % kSlotCount], sensor));
}

quint8 WriteLightingTable(const FrameSender& send, const ConfigData& config, quint8 slot)
{
    return sendFrames(send, encodeLightingTable(config.slots[slot % kSlotCount]));
}
