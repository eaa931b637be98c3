#pragma once

#include "macro/core/MacroEvent.h"

#include <vector>

// Row operations of the macro editor on a plain list of events, so every command can be checked without
// the table widget. `current` is the index of the current row, -1 when there is none.
namespace macroedit {

using Rows = std::vector<MacroEvent>;

// Recording drops an event once the table holds this many rows (a delay row and a key row may still land,
// so a table reaches at most kMaxRows + 1 rows).
constexpr int kRecordLimit = 62;
constexpr int kRecordLimitWithoutDelays = 40;
// Most rows an edit may leave: the download packs at most 63 events with delays, and a macro without delay
// rows is recorded up to 40 events.
constexpr int kMaxRows = kRecordLimit + 1;
int maxRows(int iDelayType);
// True when the recorder must drop the next event.
bool recordLimitReached(int iRowCount, int iDelayType);

// Delay row for a time in ms: units of 10 ms, at least one unit.
MacroEvent delayRow(int iMilliseconds);

// Inserts the rows after the current row (at the start with no current row) when the result stays within
// maxRows; returns the index of the last inserted row, or -1 when nothing was inserted.
int insertAfter(Rows& rows, int iCurrent, const Rows& inserted, int iDelayType);

// Moves return the new index of the moved row; -1 (nothing changed) for an index out of range.
int moveUp(Rows& rows, int iCurrent);
int moveDown(Rows& rows, int iCurrent);
int moveTop(Rows& rows, int iCurrent);
int moveBottom(Rows& rows, int iCurrent);
// Removes the current row; the new current row keeps the index or is the new last row (-1 when empty).
int removeRow(Rows& rows, int iCurrent);

// Rows [iFirst, iLast] as a copy; empty for a range outside the table.
Rows copyRows(const Rows& rows, int iFirst, int iLast);
// Removes rows [iFirst, iLast]; returns the new current row as removeRow does.
int cutRows(Rows& rows, int iFirst, int iLast);

// The mouse command tree. iButton 0..4 = LEFT, MIDDLE, RIGHT, FORWARD, BACKWARD.
constexpr int kMouseButtonCount = 5;
quint8 mouseButtonBit(int iButton); // 1, 4, 2, 8, 16; 0 outside 0..4
const char* mouseButtonItemText(int iButton);
enum class ClickPart
{
    Click,     // the button item itself: press and release
    PressDown, // "PRESS DOWN"
    BounceUp,  // "BOUNCE UP"
};
Rows mouseClickRows(int iButton, ClickPart part, int iDelayType, int iDefaultDelayMs);

enum class MoveItem
{
    Left,
    Right,
    Up,
    Down,
};
const char* moveItemText(MoveItem item);
// A movement of d steps (taken modulo 256) and the delay row of the delay mode.
Rows movementRows(MoveItem item, int iDistance, int iDelayType, int iDefaultDelayMs);
// Sets the distance of a movement row in place, keeping its direction.
void setMovementDistance(MacroEvent& row, MoveItem item, int iDistance);

// Key and mouse button rows only: fails with more releases than presses, else passes when every press is
// matched by a release of the same kind and value.
bool releaseCheckPasses(const Rows& rows);

} // namespace macroedit
