#pragma once

#include "buttons/ui/OrnCaptureDialog.h"
#include "store/ConfigData.h"

#include <array>
#include <vector>

class OrnLabel;

// "COMBO KEY": up to four modifiers and one key, captured while held together. The keys are swallowed
// while the dialog is open so that no program acts on them.
class OrnComboKeyWindow : public OrnCaptureDialog
{
    Q_OBJECT
public:
    enum ComboSlot
    {
        kShift = 0,
        kCtrl,
        kWindows,
        kAlt,
        kKey,
        kSlotCount
    };
    using ComboStates = std::array<quint8, kSlotCount>;               // 0 not held, else 1 left / 2 right / 3 both
    using ComboCodes = std::array<std::array<quint8, 2>, kSlotCount>; // (left, right) key code per slot

    explicit OrnComboKeyWindow(QWidget* parent = nullptr);

    // The record already holds a combo key: its presses give the starting combination.
    void preset(const ButtonInfo& record);
    // The combination of the last key press (or the preset): key codes in the order Shift, Ctrl,
    // Windows, Alt, key, each modifier by its left code.
    std::vector<int> comboKeys() const;
    bool hasCombination() const;
    QString comboText() const;
    const ComboStates& snapshot() const { return m_iComboKey; }

    // Refused while there is no combination.
    void accept() override;

signals:
    void SetComboKeyValue(const OrnComboKeyWindow::ComboStates& iComboKey,
                          const OrnComboKeyWindow::ComboCodes& iHotKeyCode);

protected:
    bool onKey(int iCode, quint32 flags) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void clearSlots();
    quint8 slotState(int iSlot) const;
    void takeSnapshot();
    void updateOkButton();

    OrnLabel* m_pComboLabel = nullptr;
    bool m_bFresh = true;
    int m_iLastCode = -1;
    quint32 m_iLastFlags = 0;
    // Each side of a modifier is held or not on its own, so releases in any order leave the right state.
    std::array<std::array<bool, 2>, kSlotCount> m_bHeld{};
    int m_iKeyCode = 0;
    ComboCodes m_iHotKeyCode{};
    ComboStates m_iComboKey{};
};
