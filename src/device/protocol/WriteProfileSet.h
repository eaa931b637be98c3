#pragma once

#include "buttons/core/ButtonTable.h"
#include "device/Frame.h"
#include "macro/core/MacroDownload.h"
#include "store/ConfigData.h"

#include <QString>

#include <functional>

// What a write-out needs besides the settings: kept by the owner for the life of the program, because the
// button table and the slot map carry over from one write to the next.
struct WriteProfileContext
{
    FrameSender send;
    QString productName;
    int sensorModel = 0;
    ButtonTable buttonTable;
    MacroSlotMap macroSlots;
    ConfigData deviceConfig; // what the encoders read during a write
    SleepFunction sleep;     // the pause after each macro; none when empty
    std::function<void()> stopStatusThread;
    std::function<void()> startStatusThread;
    // Frames the mouse has really echoed so far (DeviceLink::echoedFrames); empty when the sender cannot tell.
    std::function<quint64()> echoedFrames;
};

// Writes the sections of `config` named by `sections` (ChangeBits): stops the status thread, opens a
// write session, sends settings, buttons, DPI stages, lighting, the reloads and the macros, closes the
// session and starts the status thread again, whatever the result. The tables are the active slot's
// (lighting: lightingSlotFor the product). Returns 0, or the first failing result, after which nothing
// more is sent; a write in which the mouse echoed no frame at all is Asleep (5), not done.
[[nodiscard]] quint8 WriteProfileSet(WriteProfileContext& context, const ConfigData& config, ChangeMask sections);
