#include "buttons/ui/OrnBtnWindow.h"

#include "buttons/core/ButtonFunction.h"
#include "buttons/ui/OrnComboKeyWindow.h"
#include "buttons/ui/OrnFireKeyWindow.h"
#include "buttons/ui/OrnMacroSelect.h"
#include "buttons/ui/OrnSingleKeyWindow.h"
#include "buttons/ui/OrnSniperWindow.h"
#include "log/Log.h"
#include "look/UiText.h"
#include "macro/core/MacroFiles.h"
#include "store/AppSettings.h"
#include "widgets/OrnPushButton.h"

namespace F = ButtonFunction;

void OrnBtnWindow::pickFunction(int iCode)
{
    const int iRecord = selectedRecord();
    // No label is selected: there is no record to give the function to.
    if (iRecord < 0)
        return;
    // "Profile Menu" and "GunFile Manager" carry texts for the labels but are not offered (a gun file
    // would need its own selection road).
    const ButtonFunctionRow* row = buttonFunctionRow(iCode);
    if (!row || !row->offered || !row->entryText)
        return;
    ButtonInfo& record = m_pProfile->buttons[static_cast<size_t>(iRecord)];
    OrnPushButton* pLabel = label(iRecord);
    emit SelBtnControl(pLabel, 1);

    // At least one record keeps the left click.
    if (record.Fun == F::Left && iCode != F::Left && !hasOtherLeftClick(*m_pProfile, iRecord)) {
        emit PopOneClickBox();
        return;
    }

    switch (iCode) {
    case F::Macro:
        if (listMacroNames().isEmpty()) {
            emit GotoMacroTab(kMacroTab);
            return;
        }
        pickMacro(iRecord, pLabel);
        break;
    case F::SingleKey:
    case F::ComboKey:
    case F::FireKey:
    case F::Sniper:
        pickAdvance(iCode, iRecord, pLabel);
        break;
    default:
        record.Fun = iCode;
        pLabel->setText(labelText(iRecord));
        break;
    }
    endPick();
}

void OrnBtnWindow::pickMacro(int iRecord, OrnPushButton* pLabel)
{
    ButtonInfo& record = m_pProfile->buttons[static_cast<size_t>(iRecord)];
    const bool bHolds = record.Fun == F::Macro;
    OrnMacroSelect dialog("MACRO SELECT", bHolds ? record.macroname : QString(), bHolds ? record.LoopNumber : 1,
                          bHolds ? record.Res1 : 0, this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    record.Fun = F::Macro;
    record.LoopNumber = dialog.loopCount();
    record.Res1 = static_cast<quint8>(dialog.loopMode());
    record.macroname = dialog.selectedName();
    copyMacroEvents(record);
    pLabel->setText(labelText(iRecord));
}

bool OrnBtnWindow::pickAdvance(int iCode, int iRecord, OrnPushButton* pLabel)
{
    ButtonInfo& record = m_pProfile->buttons[static_cast<size_t>(iRecord)];
    const bool bHolds = record.Fun == iCode;
    switch (iCode) {
    case F::SingleKey: {
        OrnSingleKeyWindow dialog(this);
        if (bHolds)
            dialog.preset(record.Res1);
        if (runDialog(dialog) != QDialog::Accepted)
            return false;
        record.Res1 = dialog.capturedCode();
        break;
    }
    case F::ComboKey: {
        OrnComboKeyWindow dialog(this);
        if (bHolds)
            dialog.preset(record);
        if (runDialog(dialog) != QDialog::Accepted || !dialog.hasCombination())
            return false;
        setComboEvents(record, dialog.comboKeys());
        break;
    }
    case F::FireKey: {
        OrnFireKeyWindow dialog(this);
        if (bHolds)
            dialog.preset(record);
        if (runDialog(dialog) != QDialog::Accepted || dialog.sourceByte() == 0)
            return false;
        record.Res1 = dialog.sourceByte();
        record.LoopNumber = dialog.times();
        record.KeyNumber = dialog.delay();
        break;
    }
    case F::Sniper: {
        OrnSniperWindow dialog(readSensorModel(), this);
        if (bHolds)
            dialog.preset(record.Res1);
        if (runDialog(dialog) != QDialog::Accepted)
            return false;
        record.Res1 = static_cast<quint8>(dialog.step());
        break;
    }
    default:
        return false;
    }
    record.Fun = iCode;
    pLabel->setText(labelText(iRecord));
    return true;
}

void OrnBtnWindow::endPick()
{
    if (m_iIndex < kFrontCount)
        emit SelBtnControl(m_FrontLabels[m_iIndex], 0);
    if (m_iIndex < kSideCount)
        emit SelBtnControl(m_SideLabels[m_iIndex], 0);
    if (m_iIndex < kExtraCount)
        emit SelBtnControl(m_ExtraLabels[m_iIndex], 0);
    m_iPage = kNone;
    m_iIndex = kNone;
}
