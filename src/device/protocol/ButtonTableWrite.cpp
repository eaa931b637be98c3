#include "device/protocol/ButtonTableWrite.h"

#include "device/protocol/CommandFrames.h"
#include "device/protocol/DeviceCommands.h"

static_assert(kButtonBlockSize == kButtonTableSize, "the framing carries the whole button table");

bool productFillsButtonTable(const QString& productName)
{
    return productName == QLatin1String("Wireless Mouse") || productName == QLatin1String("OSKEN R5");
}

quint8 WriteButtonTable(const FrameSender& send, ConfigData& deviceConfig, const QString& productName, int sensorModel,
                        ButtonTable& table, MacroSlotMap& slots)
{
    slots.clear();
    if (productFillsButtonTable(productName))
        fillButtonTable(deviceConfig.slots[deviceConfig.ProfileID % kSlotCount], productName, sensorModel, table,
                        slots);
    return sendFrames(send, encodeButtonTable(table.bytes));
}
