#include "device/protocol/WriteProfileSet.h"

#include "device/protocol/ButtonTableWrite.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/DeviceCommands.h"

namespace {
// The DPI stages and the lighting go out from slot index 0.
constexpr quint8 kWrittenSlot = 0;

quint8 writeSections(WriteProfileContext& c, ChangeMask sections)
{
    const FrameSender& send = c.send;
    quint8 result = SetWriteSession(send, WriteSessionMode::Begin);
    if (result == DeviceResult::Done && (sections & ChangeBits::Basic))
        result = WriteSettingsBlock(send, c.deviceConfig);
    if (result == DeviceResult::Done && (sections & ChangeBits::Buttons))
        result = WriteButtonTable(send, c.deviceConfig, c.productName, c.sensorModel, c.buttonTable, c.macroSlots);
    if (result == DeviceResult::Done && (sections & ChangeBits::Dpi))
        result = WriteDpiStages(send, c.deviceConfig, kWrittenSlot, c.sensorModel);
    if (result == DeviceResult::Done && (sections & ChangeBits::Lighting))
        result = WriteLightingTable(send, c.deviceConfig);
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
    const quint8 result = writeSections(context, sections);
    if (result != DeviceResult::Done)
        return result;
    if (context.startStatusThread)
        context.startStatusThread();
    return DeviceResult::Done;
}
