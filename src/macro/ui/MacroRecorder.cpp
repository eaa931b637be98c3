#include "macro/ui/MacroRecorder.h"

#include "log/Log.h"
#include "store/keys/KeyCodes.h"

#include <QDebug>

void MacroRecorder::reset()
{
    m_HeldKeys.clear();
    m_iLastMs = 0;
    m_bHasLast = false;
    m_LastRelease = LastRelease{};
}

MacroRecorder::Step MacroRecorder::onKey(int iKeyCode, quint32 iFlags, qint64 iNowMs, int iRowCount, int iDelayType,
                                         int iDefaultDelayMs)
{
    const int iHeld = m_HeldKeys.indexOf(iKeyCode);
    qCDebug(lcMacro, "OnHookKey ret %d %d %d\n", iKeyCode, static_cast<int>(iFlags), iHeld);
    const bool bRelease = isRelease(iFlags);
    const LastRelease last = m_LastRelease;
    m_LastRelease = LastRelease{};
    if (!bRelease && last.iKeyCode == iKeyCode && iNowMs - last.iTimeMs <= kRepeatPairMs) {
        // The key never went up: undo its release and drop this press.
        m_HeldKeys.append(iKeyCode);
        m_iLastMs = last.iPreviousMs;
        m_bHasLast = last.bPreviousHasLast;
        return Step{last.iRows, {}};
    }
    if (!bRelease && iHeld >= 0)
        return {}; // auto-repeat of a key already down
    if (macroedit::recordLimitReached(iRowCount, iDelayType))
        return {};
    quint8 iUsage = 0;
    // A key the mouse cannot type (no HID usage) is not recorded at all.
    if (!scanToHid(iKeyCode, iUsage))
        return {};

    Step step;
    if (m_bHasLast && iDelayType != 0) {
        const qint64 iElapsed = qMax<qint64>(10, (iNowMs - m_iLastMs) / 10 * 10);
        const int iMs = iDelayType == 1 ? static_cast<int>(qMin<qint64>(iElapsed, 655350)) : iDefaultDelayMs;
        step.rows.push_back(macroedit::delayRow(iMs));
    }
    step.rows.push_back(keyEvent(iUsage, !bRelease));
    if (bRelease) {
        m_LastRelease = LastRelease{iKeyCode, iNowMs, static_cast<int>(step.rows.size()), m_iLastMs, m_bHasLast};
        m_HeldKeys.removeAll(iKeyCode);
    } else {
        m_HeldKeys.append(iKeyCode);
    }
    m_iLastMs = iNowMs;
    m_bHasLast = true;
    return step;
}
