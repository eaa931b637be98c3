#include "device/protocol/WriteProfileSet.h"

#include "device/protocol/ButtonTableWrite.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/DeviceCommands.h"
#include "editors/core/LightingEffects.h"

namespace {

quint8 writeSections(WriteProfileContext& c, ChangeMask sections)
{
    const FrameSender& send = c.send;
    const quint8 active = quint8(c.deviceConfig.ProfileID % kSlotCount);
    quint8 result = SetWriteSession(send, WriteSessionMode::Begin);
    if (result == DeviceResult::Done && (sections & ChangeBits::Basic))
        result = WriteSettingsBlock(send, c.deviceConfig);
    if (result == DeviceResult::Done && (sections & ChangeBits::Buttons))
        result = WriteButtonTable(send, c.deviceConfig, c.productName, c.sensorModel, c.buttonTable, c.macroSlots);
    if (result == DeviceResult::Done && (sections & ChangeBits::Dpi))
        result = WriteDpiStages(send, c.deviceConfig, active, c.sensorModel);
    if (result == DeviceResult::Done && (sections & ChangeBits::Lighting))
        result = WriteLightingTable(send, c.deviceConfig, quint8(lightingSlotFor(c.productName, active)));
    if (result == DeviceResult::Done && sections != 0)
        result = ReloadAllSections(send);
    if (result == DeviceResult::Done) {
        const SleepFunction noPause = [](int) {};
        result = downloadMacros(c.deviceConfig, c.macroSlots, send, c.sleep ? c.sleep : noPause);
    }
    if (result == DeviceResult::Done)
        result = SetWriteSession(send, WriteSessionMode::End);
    return result;
}
} // namespace

quint8 WriteProfileSet(WriteProfileContext& context, const ConfigData& config, ChangeMask sections)
{
    if (context.stopStatusThread)
        context.stopStatusThread();
    context.deviceConfig = config;
    const quint64 echoedBefore = context.echoedFrames ? context.echoedFrames() : 0;
    quint8 result = writeSections(context, sections);
    // Six silent replies let a frame pass; a whole write-out without one echo reached nobody.
    if (result == DeviceResult::Done && context.echoedFrames && context.echoedFrames() == echoedBefore)
        result = DeviceResult::Asleep;
    // Also after a failure: the window keeps following the mouse, and the sleep check keeps its source.
    if (context.startStatusThread)
        context.startStatusThread();
    return result;
}
