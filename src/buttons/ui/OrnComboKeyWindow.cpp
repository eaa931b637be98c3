#include "buttons/ui/OrnComboKeyWindow.h"

#include "log/Log.h"
#include "look/DisplayScale.h"
#include "store/keys/KeyCodes.h"
#include "widgets/OrnLabel.h"

#include <QStringList>
#include <QToolButton>

namespace {

// Left and right key codes of the four modifier slots.
constexpr std::array<std::array<quint8, 2>, 4> kModifierCodes = {{
    {0x2A, 0x36}, // Shift
    {0x1D, 0xEE}, // Ctrl
    {0x5B, 0x5C}, // Windows
    {0x38, 0xEF}, // Alt
}};

// The modifier slot of a key code and its side (0 left, 1 right); -1 for other keys.
int modifierSlot(int iCode, int& iSide)
{
    for (int iSlot = 0; iSlot < int(kModifierCodes.size()); ++iSlot) {
        for (int i = 0; i < 2; ++i) {
            if (kModifierCodes[iSlot][i] == iCode) {
                iSide = i;
                return iSlot;
            }
        }
    }
    return -1;
}

constexpr quint8 kPressHigh = 0x80;

} // namespace

OrnComboKeyWindow::OrnComboKeyWindow(QWidget* parent) : OrnCaptureDialog("Combo Key", true, parent)
{
    for (int iSlot = 0; iSlot < kAlt + 1; ++iSlot)
        m_iHotKeyCode[iSlot] = kModifierCodes[iSlot];
    m_pComboLabel = new OrnLabel(this);
    m_pComboLabel->setObjectName(QStringLiteral("comboKeyLabel"));
    m_pComboLabel->setAlignment(Qt::AlignCenter);
    m_pComboLabel->setDarkBackground(true);
    updateOkButton();
}

void OrnComboKeyWindow::preset(const ButtonInfo& record)
{
    clearSlots();
    // Only the presses: every key of a combination is listed once pressed and once released.
    int iTaken = 0;
    for (const KeyInfo& event : record.keys) {
        if (iTaken == kSlotCount)
            break;
        if (event.map == 0 || event.high != kPressHigh)
            continue;
        int iCode = 0;
        if (!hidToScan(event.map, iCode))
            continue;
        ++iTaken;
        int iSide = 0;
        const int iSlot = modifierSlot(iCode, iSide);
        if (iSlot >= 0) {
            m_bHeld[iSlot][iSide] = true;
        } else {
            m_bHeld[kKey][0] = true;
            m_iKeyCode = iCode;
        }
    }
    takeSnapshot();
    // The first key pressed starts a new combination.
    m_bFresh = true;
}

quint8 OrnComboKeyWindow::slotState(int iSlot) const
{
    return static_cast<quint8>((m_bHeld[iSlot][0] ? 1 : 0) | (m_bHeld[iSlot][1] ? 2 : 0));
}

void OrnComboKeyWindow::clearSlots()
{
    m_bHeld = {};
    m_iKeyCode = 0;
    m_iComboKey = {};
}

void OrnComboKeyWindow::takeSnapshot()
{
    for (int iSlot = 0; iSlot < kSlotCount; ++iSlot)
        m_iComboKey[iSlot] = slotState(iSlot);
    m_iHotKeyCode[kKey] = {static_cast<quint8>(m_iKeyCode), 0};
    m_pComboLabel->setText(comboText());
    updateOkButton();
    emit SetComboKeyValue(m_iComboKey, m_iHotKeyCode);
}

std::vector<int> OrnComboKeyWindow::comboKeys() const
{
    std::vector<int> keys;
    for (int iSlot = 0; iSlot < kSlotCount; ++iSlot) {
        if (m_iComboKey[iSlot] != 0)
            keys.push_back(m_iHotKeyCode[iSlot][0]);
    }
    return keys;
}

bool OrnComboKeyWindow::hasCombination() const
{
    for (quint8 iState : m_iComboKey) {
        if (iState != 0)
            return true;
    }
    return false;
}

QString OrnComboKeyWindow::comboText() const
{
    QStringList names;
    for (int iCode : comboKeys())
        names << keyName(iCode);
    return names.join(QStringLiteral(" + "));
}

void OrnComboKeyWindow::accept()
{
    if (!hasCombination())
        return;
    OrnCaptureDialog::accept();
}

bool OrnComboKeyWindow::onKey(int iCode, quint32 flags)
{
    // A held key repeats the same code and flags.
    if (iCode == m_iLastCode && flags == m_iLastFlags)
        return true;
    qCDebug(lcUi, "OrnComboKeyWindow dwVCode = %x dwFlag = %x", unsigned(iCode), unsigned(flags));
    m_iLastCode = iCode;
    m_iLastFlags = flags;

    // Only the release bit marks a key up: right Alt goes down with flags 0x21.
    const bool bUp = (flags & KeyFlag::Released) != 0;
    int iSide = 0;
    const int iSlot = modifierSlot(iCode, iSide);
    if (bUp) {
        if (iSlot >= 0)
            m_bHeld[iSlot][iSide] = false;
        else if (iCode == m_iKeyCode)
            m_bHeld[kKey][0] = false;
        return true;
    }
    if (m_bFresh) {
        clearSlots();
        m_bFresh = false;
    }
    if (iSlot >= 0) {
        m_bHeld[iSlot][iSide] = true;
    } else {
        m_bHeld[kKey][0] = true;
        m_iKeyCode = iCode;
    }
    takeSnapshot();
    return true;
}

void OrnComboKeyWindow::updateOkButton()
{
    okButton()->setEnabled(hasCombination());
}

void OrnComboKeyWindow::resizeEvent(QResizeEvent* event)
{
    OrnCaptureDialog::resizeEvent(event);
    m_pComboLabel->setGeometry(look::scaled(30), contentTop() + look::scaled(40), width() - look::scaled(60),
                               look::scaled(36));
}
