#include "macro/ui/MacroDialog.h"

#include "macro/ui/OrnItemModel.h"
#include "widgets/OrnPushButton.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <QTreeWidget>

void MacroDialog::onCommandButton()
{
    auto* button = qobject_cast<OrnPushButton*>(sender());
    if (!button || !button->isButtonEnabled())
        return;
    runCommand(static_cast<MacroCommand>(button->property("macroCommand").toInt()));
}

void MacroDialog::runCommand(MacroCommand command)
{
    macroedit::Rows rows = m_pModel->rows();
    const int iCurrent = currentRow();
    switch (command) {
    case MacroCommand::Start:
        if (m_bRecording)
            stopRecording();
        else
            startRecording(false);
        return;
    case MacroCommand::RecordAfter:
        if (!m_bRecording)
            startRecording(true);
        return;
    case MacroCommand::New:
        newMacro();
        return;
    case MacroCommand::DeleteMacro:
        deleteCurrentMacro();
        return;
    case MacroCommand::ChangeName:
        changeName();
        return;
    case MacroCommand::Save:
        saveCurrentMacro();
        leaveEditMode();
        return;
    case MacroCommand::Cancel:
        leaveEditMode();
        loadMacro();
        return;
    case MacroCommand::Edit:
        enterEditMode();
        return;
    case MacroCommand::MoveUp:
        applyRows(rows, macroedit::moveUp(rows, iCurrent));
        return;
    case MacroCommand::MoveDown:
        applyRows(rows, macroedit::moveDown(rows, iCurrent));
        return;
    case MacroCommand::Top:
        applyRows(rows, macroedit::moveTop(rows, iCurrent));
        return;
    case MacroCommand::Bottom:
        applyRows(rows, macroedit::moveBottom(rows, iCurrent));
        return;
    case MacroCommand::DeleteRow:
        if (iCurrent >= 0)
            applyRows(rows, macroedit::removeRow(rows, iCurrent));
        return;
    case MacroCommand::Clear:
        applyRows({}, -1);
        return;
    case MacroCommand::InsertDelay:
        if (selectedMacro().isEmpty())
            return;
        // A macro without delay mode drops its delay rows when it is read back, while the mouse would still
        // play them: an inserted delay turns the mode on.
        if (m_iDelayType == 0)
            setDelayType(1);
        insertRows({macroedit::delayRow(10)});
        return;
    case MacroCommand::Copy:
    case MacroCommand::Cut: {
        const auto range = selectedRange();
        const macroedit::Rows copied = macroedit::copyRows(rows, range.first, range.second);
        if (copied.empty())
            return;
        m_Clipboard = copied;
        if (command == MacroCommand::Cut)
            applyRows(rows, macroedit::cutRows(rows, range.first, range.second));
        return;
    }
    case MacroCommand::Paste:
        insertRows(m_Clipboard);
        return;
    case MacroCommand::GunSet:
        gunSet();
        return;
    case MacroCommand::Import:
        importMacros();
        return;
    case MacroCommand::Export:
        exportMacros();
        return;
    case MacroCommand::MouseAction:
        mousemove_test();
        return;
    }
}

void MacroDialog::applyRows(const macroedit::Rows& rows, int iCurrent)
{
    // A command that changed nothing (-1 from a move out of range) leaves the table alone.
    if (iCurrent < 0 && !rows.empty())
        return;
    m_pModel->setRows(rows);
    setCurrentRow(iCurrent);
}

void MacroDialog::insertRows(const macroedit::Rows& inserted)
{
    macroedit::Rows rows = m_pModel->rows();
    const int iCurrent = macroedit::insertAfter(rows, currentRow(), inserted, m_iDelayType);
    if (iCurrent >= 0)
        applyRows(rows, iCurrent);
}

int MacroDialog::defaultDelayMs() const
{
    return m_iDefaultDelayMs;
}

std::pair<int, int> MacroDialog::selectedRange() const
{
    const QModelIndexList selected = m_pTable->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        const int iRow = currentRow();
        return {iRow, iRow};
    }
    int iFirst = selected.first().row();
    int iLast = iFirst;
    for (const QModelIndex& index : selected) {
        iFirst = std::min(iFirst, index.row());
        iLast = std::max(iLast, index.row());
    }
    return {iFirst, iLast};
}

void MacroDialog::TreeitemClick(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column);
    if (!item || selectedMacro().isEmpty())
        return;
    QTreeWidgetItem* parent = item->parent();
    if (!parent) {
        // The first click opens the button's item (and closes the others); a click on an open item inserts.
        if (!item->isExpanded()) {
            for (int i = 0; i < m_pMouseTree->topLevelItemCount(); ++i)
                m_pMouseTree->topLevelItem(i)->setExpanded(m_pMouseTree->topLevelItem(i) == item);
            return;
        }
        insertRows(macroedit::mouseClickRows(item->data(0, Qt::UserRole).toInt(), macroedit::ClickPart::Click,
                                             m_iDelayType, defaultDelayMs()));
        return;
    }
    const macroedit::ClickPart part =
        parent->indexOfChild(item) == 0 ? macroedit::ClickPart::PressDown : macroedit::ClickPart::BounceUp;
    insertRows(macroedit::mouseClickRows(parent->data(0, Qt::UserRole).toInt(), part, m_iDelayType, defaultDelayMs()));
}

void MacroDialog::OrnItemPressed()
{
    auto* button = qobject_cast<OrnPushButton*>(sender());
    if (!button || !button->isButtonEnabled() || selectedMacro().isEmpty())
        return;
    const int iItem = button->property("moveItem").toInt();
    if (iItem < 0 || iItem >= static_cast<int>(m_MoveDistances.size()))
        return;
    bool bOk = false;
    const int iDistance = m_MoveDistances[static_cast<size_t>(iItem)]->text().toInt(&bOk);
    if (!bOk)
        return;
    insertRows(
        macroedit::movementRows(static_cast<macroedit::MoveItem>(iItem), iDistance, m_iDelayType, defaultDelayMs()));
}
