#include "macro/core/MacroDownload.h"

#include "buttons/core/ButtonFunction.h"
#include "log/Log.h"
#include "macro/core/MacroFiles.h"
#include "macro/core/MacroImage.h"

#include <QDebug>

#include <algorithm>

namespace {

constexpr quint8 kMacroCommand = 0x05;
constexpr int kBlockBytes = 20;
constexpr int kBlocksPerSlot = kMacroSlotBytes / kBlockBytes;
static_assert(kBlocksPerSlot * kBlockBytes == kMacroSlotBytes, "a slot is sent in whole blocks");
constexpr quint16 kMacroCommitAddress = 0x0FFF;
constexpr int kEmptyTestBytes = 5; // a slot whose first five bytes are zero holds nothing
constexpr int kPauseAfterMacroMs = 50;

bool findSlot(const MacroSlotMap& macroSlots, const QString& name, quint8& slot)
{
    for (const auto& entry : macroSlots) {
        if (entry.second == name) {
            slot = entry.first;
            return true;
        }
    }
    return false;
}

} // namespace

quint8 downloadMacros(const ConfigData& config, MacroSlotMap& macroSlots, const FrameSender& send,
                      const SleepFunction& sleep)
{
    MacroImage image;
    for (const ProfileData& profile : config.slots) {
        for (const ButtonInfo& record : profile.buttons) {
            if (record.Fun != ButtonFunction::Macro && record.Fun != ButtonFunction::GunFile)
                continue;
            quint8 slot = 0;
            if (!findSlot(macroSlots, record.macroname, slot))
                continue;
            if (slot >= kMacroSlotCount) {
                qCDebug(lcMacro, "iIndex>=MAX_MACRO_NUMBER_560\n");
                continue;
            }
            encodeMacroStream(readMacro(record.macroname).events, slot, image);
            if (sleep)
                sleep(kPauseAfterMacroMs);
            // Once per name, however many buttons or profiles use it.
            macroSlots.erase(slot);
        }
    }

    bool first = true;
    for (int n = 0; n < kMacroSlotCount; ++n) {
        const quint8* slotBytes = image.bytes.data() + n * kMacroSlotBytes;
        if (std::all_of(slotBytes, slotBytes + kEmptyTestBytes, [](quint8 b) { return b == 0; }))
            continue;
        for (int k = 0; k < kBlocksPerSlot; ++k) {
            const quint16 address = static_cast<quint16>(n * kMacroSlotBytes + k * kBlockBytes);
            const Frame frame = makeFrame(kMacroCommand, address, first ? kPhaseFirst : kPhaseNext,
                                          slotBytes + k * kBlockBytes, kBlockBytes);
            first = false;
            const quint8 result = send(frame);
            if (result != DeviceResult::Done)
                return result;
        }
    }
    if (first)
        return DeviceResult::Done;
    return send(makeCommitFrame(kMacroCommand, kMacroCommitAddress));
}
