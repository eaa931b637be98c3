#pragma once

#include "macro/ui/MacroRowEdit.h"

#include <QList>
#include <QtGlobal>

// Turns normalised key events (key code, flag word) into macro rows while recording. Holds the keys that
// are down, so auto-repeat presses are ignored, and the time of the last recorded event for delay rows.
class MacroRecorder
{
public:
    // Forgets the held keys and the last event time.
    void reset();

    // The rows one key event adds (none, a key row, or a delay row and a key row). iRowCount is the size
    // of the whole table, for the row limits.
    macroedit::Rows onKey(int iKeyCode, quint32 iFlags, qint64 iNowMs, int iRowCount, int iDelayType,
                          int iDefaultDelayMs);

    const QList<int>& heldKeys() const { return m_HeldKeys; }
    bool hasLastEvent() const { return m_bHasLast; }

    // A flag word above 1 is a key release; 0 and 1 (extended) are presses.
    static bool isRelease(quint32 iFlags) { return iFlags > 1; }

private:
    QList<int> m_HeldKeys;
    qint64 m_iLastMs = 0;
    bool m_bHasLast = false;
};
