#pragma once

#include "macro/ui/MacroRowEdit.h"

#include <QList>
#include <QtGlobal>

// Turns normalised key events (key code, flag word) into macro rows while recording. Holds the keys that
// are down, so auto-repeat presses are ignored, and the time of the last recorded event for delay rows.
// X11 repeats a held key as release/press pairs that the toolkit does not always mark: a press of a key
// at once after its release takes that release back, and the key stays down.
class MacroRecorder
{
public:
    // A release and a press of one key this close together are the system repeating a held key.
    static constexpr int kRepeatPairMs = 20;

    // What one key event does to the table: first remove the last `iTakeBack` rows recorded (the release
    // of a repeat pair, with its delay row), then add `rows`.
    struct Step
    {
        int iTakeBack = 0;
        macroedit::Rows rows;
    };

    // Forgets the held keys, the last event time and the last release.
    void reset();

    // iRowCount is the size of the whole table, for the row limits.
    Step onKey(int iKeyCode, quint32 iFlags, qint64 iNowMs, int iRowCount, int iDelayType, int iDefaultDelayMs);

    const QList<int>& heldKeys() const { return m_HeldKeys; }

    // A flag word above 1 is a key release; 0 and 1 (extended) are presses.
    static bool isRelease(quint32 iFlags) { return iFlags > 1; }

private:
    // The release recorded last, with what it replaced, so that a repeat press can undo it.
    struct LastRelease
    {
        int iKeyCode = -1;
        qint64 iTimeMs = 0;
        int iRows = 0;
        qint64 iPreviousMs = 0;
        bool bPreviousHasLast = false;
    };

    QList<int> m_HeldKeys;
    qint64 m_iLastMs = 0;
    bool m_bHasLast = false;
    LastRelease m_LastRelease;
};
