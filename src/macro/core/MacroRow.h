#pragma once

#include "macro/core/MacroEvent.h"

// How the editor's table shows one stored event. The row of event i is row i, so a hidden event leaves an
// empty row.
enum class MacroRowKind
{
    Hidden,
    MouseButton,
    Movement,
    Delay,
    Key,
};

enum class MoveDirection
{
    Left,
    Right,
    Up,
    Down,
};

struct MacroRow
{
    MacroRowKind kind = MacroRowKind::Hidden;
    bool press = false;                             // mouse button and key rows
    quint8 value = 0;                               // button bit or HID usage
    MoveDirection direction = MoveDirection::Right; // movement rows
    int distance = 0;                               // movement steps, 0..136
    int delayMs = 0;                                // delay rows
    MacroEvent event;                               // the event as the row keeps it (key rows: DataH 0)
};

// Delay events are shown only when the macro records or inserts delays (DelayType 1 or 2).
MacroRow macroRowFor(const MacroEvent& event, int delayType);

// The English name of a mouse button bit ("LEFT CLICK", ...), nullptr for any other value.
const char* macroButtonText(quint8 buttonBit);
