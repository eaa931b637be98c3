#include "macro/core/MacroImage.h"
#include "log/Log.h"

#include <QDebug>

#include <algorithm>

namespace {

constexpr int kEventBytes = 3;
constexpr int kGroupEvents = 4;               // without delays, a separator follows every four events
const MacroEvent kSeparator = delayEvent(10); // 06 01 00: a delay of one unit

void putEvent(std::array<quint8, kMacroStagePlaces * kEventBytes>& stage, int place, const MacroEvent& event)
{
    // Stream order: type, low byte, high byte.
    stage[static_cast<size_t>(place * kEventBytes)] = event.Map;
    stage[static_cast<size_t>(place * kEventBytes + 1)] = event.DataL;
    stage[static_cast<size_t>(place * kEventBytes + 2)] = event.DataH;
}

bool isDelay(const MacroEvent& event)
{
    return (event.Map & MacroEventType::TypeMask) == MacroEventType::Delay;
}

} // namespace

bool encodeMacroStream(const std::vector<MacroEvent>& events, int slot, MacroImage& image)
{
    if (slot < 0 || slot >= kMacroSlotCount)
        return false;

    const bool hasDelay = std::any_of(events.begin(), events.end(), isDelay);
    const int capacity = hasDelay ? kMacroCapacityWithDelay : kMacroCapacityWithoutDelay;
    int count = static_cast<int>(events.size());
    if (count > capacity) {
        qCDebug(lcMacro, "macro of %d events cut to %d", count, capacity);
        count = capacity;
    }

    std::array<quint8, kMacroStagePlaces * kEventBytes> stage{};
    int places = 0;
    if (hasDelay) {
        // Delays already pace the mouse: the events go as they are.
        for (int j = 0; j < count; ++j)
            putEvent(stage, j, events[static_cast<size_t>(j)]);
        places = count;
    } else {
        for (int place = kGroupEvents; place < kMacroStagePlaces; place += kGroupEvents + 1)
            putEvent(stage, place, kSeparator);
        for (int j = 0; j < count; ++j)
            putEvent(stage, j + j / kGroupEvents, events[static_cast<size_t>(j)]);
        putEvent(stage, count + count / kGroupEvents, kSeparator);
        places = count + count / kGroupEvents + 2;
    }

    const int streamBytes = std::min(places * kEventBytes, kMacroSlotBytes);
    quint8* slotBytes = image.bytes.data() + slot * kMacroSlotBytes;
    std::fill(slotBytes, slotBytes + kMacroSlotBytes, quint8{0});
    std::copy(stage.begin(), stage.begin() + streamBytes, slotBytes);
    return true;
}
