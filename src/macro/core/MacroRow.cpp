#include "macro/core/MacroRow.h"

#include <QtGlobal>

namespace {

// One byte of a movement: 0..120 forwards, above 120 backwards by 256 - byte.
constexpr int kMaxForwardStep = 120;

} // namespace

const char* macroButtonText(quint8 buttonBit)
{
    switch (buttonBit) {
    case MacroMouseButton::Left:
        return QT_TRANSLATE_NOOP("Osken", "LEFT CLICK");
    case MacroMouseButton::Right:
        return QT_TRANSLATE_NOOP("Osken", "RIGHT CLICK");
    case MacroMouseButton::Middle:
        return QT_TRANSLATE_NOOP("Osken", "MIDDLE CLICK");
    case MacroMouseButton::Forward:
        return QT_TRANSLATE_NOOP("Osken", "FORWARD");
    case MacroMouseButton::Backward:
        return QT_TRANSLATE_NOOP("Osken", "BACKWARD");
    default:
        return nullptr;
    }
}

MacroRow macroRowFor(const MacroEvent& event, int delayType)
{
    MacroRow row;
    row.event = event;
    const quint8 type = event.Map & MacroEventType::TypeMask;
    const bool press = (event.Map & MacroEventType::PressFlag) != 0;
    switch (type) {
    case MacroEventType::MouseButton:
        if (macroButtonText(event.DataL)) {
            row.kind = MacroRowKind::MouseButton;
            row.press = press;
            row.value = event.DataL;
        }
        break;
    case MacroEventType::Movement:
        row.kind = MacroRowKind::Movement;
        if (event.DataH == 0) {
            row.direction = event.DataL > kMaxForwardStep ? MoveDirection::Left : MoveDirection::Right;
            row.distance = event.DataL > kMaxForwardStep ? 256 - event.DataL : event.DataL;
        } else if (event.DataL == 0) {
            row.direction = event.DataH > kMaxForwardStep ? MoveDirection::Up : MoveDirection::Down;
            row.distance = event.DataH > kMaxForwardStep ? 256 - event.DataH : event.DataH;
        } else {
            // A movement on both axes is not one the editor makes: it becomes a zero movement.
            row.event.DataH = 0;
            row.event.DataL = 0;
        }
        break;
    case MacroEventType::Delay:
        if (delayType == 1 || delayType == 2) {
            row.kind = MacroRowKind::Delay;
            row.delayMs = (event.DataH * 256 + event.DataL) * 10;
        }
        break;
    case MacroEventType::Key:
        row.kind = MacroRowKind::Key;
        row.press = press;
        row.value = event.DataL;
        row.event = keyEvent(event.DataL, press);
        break;
    default:
        break;
    }
    return row;
}
