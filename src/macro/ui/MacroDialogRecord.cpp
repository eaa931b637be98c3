#include "macro/ui/MacroDialog.h"

#include "look/UiText.h"
#include "macro/core/MacroRow.h"
#include "macro/ui/OrnItemModel.h"
#include "store/keys/KeyCodes.h"
#include "widgets/OrnLabel.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QTableView>

namespace {

macroedit::MoveItem moveItemOf(const MacroRow& row)
{
    switch (row.direction) {
    case MoveDirection::Left:
        return macroedit::MoveItem::Left;
    case MoveDirection::Up:
        return macroedit::MoveItem::Up;
    case MoveDirection::Down:
        return macroedit::MoveItem::Down;
    case MoveDirection::Right:
        break;
    }
    return macroedit::MoveItem::Right;
}

} // namespace

bool MacroDialog::onHookEvent(const platform::RawKeyEvent& event)
{
    // Repeats the system marks, releases included: the key stays down until its real release.
    if (event.bAutoRepeat)
        return false;
    // The flag word carries the release bit whatever the system layer filled in.
    const quint32 iFlags = event.flags | (event.bPressed ? 0u : platform::RawKeyFlag::Released);
    const NormalisedKey key = normaliseScanCode(event.scanCode, iFlags, event.virtualKey, KeyHook::MacroRecorder);
    if (m_bEditMode)
        editKey(key.keyCode, key.flags);
    else if (m_bRecording)
        recordKey(key.keyCode, key.flags);
    return false; // keys always go on to the system
}

void MacroDialog::installHook()
{
    if (m_bHookInstalled || !m_pHook)
        return;
    m_bHookInstalled = m_pHook->install([this](const platform::RawKeyEvent& event) { return onHookEvent(event); });
}

void MacroDialog::removeHook()
{
    if (!m_bHookInstalled)
        return;
    m_pHook->uninstall();
    m_bHookInstalled = false;
}

void MacroDialog::startRecording(bool bAfter)
{
    // Recording fills the selected macro; with none there is nothing to record into.
    if (selectedMacro().isEmpty())
        return;
    m_Recorder.reset();
    m_bRecording = true;
    m_bRecordAfter = bAfter;
    if (!bAfter)
        applyRows({}, -1);
    installHook();
    setFocus(Qt::OtherFocusReason);
    // Keys typed while recording must not drive the table or a field.
    if (isVisible())
        grabKeyboard();
    updateEnabled();
}

void MacroDialog::stopRecording()
{
    m_Recorder.reset();
    m_bRecording = false;
    m_bRecordAfter = false;
    releaseKeyboard();
    removeHook();
    updateEnabled();
    if (!macroedit::releaseCheckPasses(m_pModel->rows()))
        warn("ONE OR MORE KEYS HAS NOT BEEN RELEASED.", "Warning");
    if (currentRow() >= 0)
        enterEditMode();
}

void MacroDialog::recordKey(int iKeyCode, quint32 iFlags)
{
    macroedit::Rows rows = m_pModel->rows();
    const MacroRecorder::Step step =
        m_Recorder.onKey(iKeyCode, iFlags, now(), static_cast<int>(rows.size()), m_iDelayType, defaultDelayMs());
    if (step.iTakeBack > 0) {
        // The rows of the release a repeat press took back were the last ones recorded.
        const int iLast = currentRow();
        const int iFirst = iLast - step.iTakeBack + 1;
        if (iFirst < 0 || iLast >= static_cast<int>(rows.size()))
            return;
        rows.erase(rows.begin() + iFirst, rows.begin() + iLast + 1);
        m_pModel->setRows(rows);
        setCurrentRow(iFirst - 1);
        return;
    }
    if (step.rows.empty())
        return;
    const int iAt = m_bRecordAfter ? currentRow() : static_cast<int>(rows.size()) - 1;
    // The recorder applied the recording limits, which stay within the edit limit insertAfter checks.
    const int iCurrent = macroedit::insertAfter(rows, iAt, step.rows, m_iDelayType);
    if (iCurrent >= 0)
        applyRows(rows, iCurrent);
}

void MacroDialog::editKey(int iKeyCode, quint32 iFlags)
{
    if (iKeyCode == m_iLastKeyCode && iFlags == m_iLastFlags)
        return;
    m_iLastKeyCode = iKeyCode;
    m_iLastFlags = iFlags;
    const int iRow = currentRow();
    if (iRow < 0)
        return;
    MacroEvent event = m_pModel->rowEvent(iRow);
    quint8 iUsage = 0;
    if ((event.Map & MacroEventType::TypeMask) != MacroEventType::Key || !scanToHid(iKeyCode, iUsage))
        return;
    event.DataL = iUsage;
    m_pModel->setRowEvent(iRow, event);
    m_pRowEditField->setText(keyName(iKeyCode));
}

void MacroDialog::enterEditMode()
{
    if (currentRow() < 0)
        return;
    m_bEditMode = true;
    m_iLastKeyCode = -1;
    showRowEditor();
    updateEnabled();
}

void MacroDialog::leaveEditMode()
{
    m_bEditMode = false;
    removeHook();
    updateEnabled();
}

void MacroDialog::CurrentChanged(QModelIndex current, QModelIndex previous)
{
    Q_UNUSED(current);
    Q_UNUSED(previous);
    if (!m_bEditMode)
        return;
    m_iLastKeyCode = -1;
    showRowEditor();
}

void MacroDialog::showRowEditor()
{
    const int iRow = currentRow();
    const MacroRow row = macroRowFor(iRow >= 0 ? m_pModel->rowEvent(iRow) : MacroEvent{}, 1);
    m_pRowEditField->setValidator(nullptr);
    m_pRowEditField->setReadOnly(true);
    m_pRowEditField->setVisible(true);
    bool bKeyRow = false;
    switch (iRow >= 0 ? row.kind : MacroRowKind::Hidden) {
    case MacroRowKind::Key: {
        bKeyRow = true;
        m_pRowEditLabel->setText(uiText("KEY"));
        int iKeyCode = 0;
        m_pRowEditField->setText(hidToScan(row.value, iKeyCode) ? keyName(iKeyCode) : QString());
        break;
    }
    case MacroRowKind::Delay:
        m_pRowEditLabel->setText(uiText("DELAY(ms)"));
        m_pRowEditField->setReadOnly(false);
        m_pRowEditField->setValidator(new QIntValidator(10, 655350, m_pRowEditField));
        m_pRowEditField->setText(QString::number(row.delayMs));
        break;
    case MacroRowKind::Movement:
        m_pRowEditLabel->setText(uiText(macroedit::moveItemText(moveItemOf(row))) + QLatin1Char(' ') +
                                 uiText("DISTANCE"));
        m_pRowEditField->setReadOnly(false);
        m_pRowEditField->setValidator(new QIntValidator(0, 120, m_pRowEditField));
        m_pRowEditField->setText(QString::number(row.distance));
        break;
    case MacroRowKind::MouseButton:
        m_pRowEditLabel->setText(uiText(macroButtonText(row.value)));
        m_pRowEditField->setVisible(false);
        break;
    case MacroRowKind::Hidden:
        m_pRowEditLabel->setText(QString());
        m_pRowEditField->setVisible(false);
        break;
    }
    // Key rows take the next key pressed; other rows are edited through the field.
    if (m_bEditMode && bKeyRow)
        installHook();
    else if (!m_bRecording)
        removeHook();
}

void MacroDialog::EditDelayChanged(const QString& strText)
{
    const int iRow = currentRow();
    if (!m_bEditMode || iRow < 0)
        return;
    const MacroEvent event = m_pModel->rowEvent(iRow);
    bool bOk = false;
    const int iMs = strText.toInt(&bOk);
    if ((event.Map & MacroEventType::TypeMask) != MacroEventType::Delay || !bOk)
        return;
    m_pModel->setRowEvent(iRow, macroedit::delayRow(iMs));
}

void MacroDialog::EditMoveChanged(const QString& strText)
{
    const int iRow = currentRow();
    if (!m_bEditMode || iRow < 0)
        return;
    MacroEvent event = m_pModel->rowEvent(iRow);
    bool bOk = false;
    const int iDistance = strText.toInt(&bOk);
    if ((event.Map & MacroEventType::TypeMask) != MacroEventType::Movement || !bOk)
        return;
    const MacroRow row = macroRowFor(event, 1);
    macroedit::setMovementDistance(event, moveItemOf(row), iDistance);
    m_pModel->setRowEvent(iRow, event);
}
