#include "macro/ui/MacroDialog.h"

#include "look/UiText.h"
#include "macro/ui/OrnItemModel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnPushButton.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QTableView>
#include <QTreeWidget>

MacroDialog::MacroDialog(QWidget* parent, std::unique_ptr<platform::KeyboardHook> hook, MacroPrompts prompts)
    : QWidget(parent), m_pHook(std::move(hook))
{
    const MacroPrompts defaults = defaultMacroPrompts(this);
    m_Prompts = std::move(prompts);
    if (!m_Prompts.warn)
        m_Prompts.warn = defaults.warn;
    if (!m_Prompts.confirm)
        m_Prompts.confirm = defaults.confirm;
    if (!m_Prompts.openFile)
        m_Prompts.openFile = defaults.openFile;
    if (!m_Prompts.openFiles)
        m_Prompts.openFiles = defaults.openFiles;
    if (!m_Prompts.saveFile)
        m_Prompts.saveFile = defaults.saveFile;
    if (!m_Prompts.chooseFolder)
        m_Prompts.chooseFolder = defaults.chooseFolder;
    if (!m_Prompts.runGunset)
        m_Prompts.runGunset = defaults.runGunset;
    if (!m_pHook)
        m_pHook = platform::makeKeyboardHook();
    m_Clock.start();
    setFocusPolicy(Qt::StrongFocus);

    buildWidgets();
    retranslateUi();
    applyScale();
    reloadMacros();
    updateEnabled();
}

MacroDialog::~MacroDialog()
{
    // Children go one by one after this; none of their last signals may reach a half-destroyed editor.
    disconnect(m_pTable->selectionModel(), nullptr, this, nullptr);
    disconnect(m_pMacroList, nullptr, this, nullptr);
    removeHook();
}

qint64 MacroDialog::now() const
{
    return m_Now ? m_Now() : m_Clock.elapsed();
}

void MacroDialog::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
}

void MacroDialog::keyReleaseEvent(QKeyEvent* event)
{
    QWidget::keyReleaseEvent(event);
}

void MacroDialog::paintEvent(QPaintEvent*)
{
    // The tab lies over the main window's background: a translucent panel keeps it readable.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(33, 35, 35, 128));
}

int MacroDialog::loopType() const
{
    for (size_t i = 0; i < m_LoopChecks.size(); ++i) {
        if (m_LoopChecks[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 0;
}

QString MacroDialog::selectedMacro() const
{
    const QListWidgetItem* item = m_pMacroList->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

int MacroDialog::currentRow() const
{
    const QModelIndex index = m_pTable->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void MacroDialog::setCurrentRow(int iRow)
{
    if (iRow < 0 || iRow >= m_pModel->rowCount()) {
        m_pTable->setCurrentIndex(QModelIndex());
        m_pTable->clearSelection();
        return;
    }
    // Straight through the selection model: the view would read the keyboard's modifiers, and Shift held
    // while recording would stretch the selection over every recorded row.
    const QModelIndex index = m_pModel->index(iRow, 0);
    m_pTable->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_pTable->scrollTo(index);
}

QCheckBox* MacroDialog::batchBox(int iRow) const
{
    if (!m_bBatchMode)
        return nullptr;
    return qobject_cast<QCheckBox*>(m_pMacroList->itemWidget(m_pMacroList->item(iRow)));
}

void MacroDialog::warn(const char* text, const char* title)
{
    if (m_Prompts.warn)
        m_Prompts.warn(uiText(text), uiText(title));
}

void MacroDialog::updateEnabled()
{
    const bool bBusy = m_bRecording || m_bEditMode;
    const bool bSingle = !bBusy && !m_bBatchMode;
    for (auto& entry : m_Buttons) {
        bool bEnable = bSingle;
        switch (entry.first) {
        case MacroCommand::Start:
            bEnable = !m_bEditMode && !m_bBatchMode;
            break;
        case MacroCommand::Save:
        case MacroCommand::Cancel:
            bEnable = !m_bRecording && !m_bBatchMode;
            break;
        case MacroCommand::Import:
        case MacroCommand::Export:
            bEnable = !bBusy;
            break;
        default:
            break;
        }
        entry.second->setEnabled(bEnable);
        entry.second->setText(uiText(commandText(entry.first)));
    }
    m_pMacroList->setEnabled(!bBusy);
    m_pBatchCheck->setEnabled(!bBusy);
    for (QWidget* w : std::initializer_list<QWidget*>{m_pNameEdit, m_pRecordDelayCheck, m_pDefaultDelayCheck,
                                                      m_pDefaultDelayEdit, m_pLoopTimeEdit, m_pMousePanel,
                                                      m_LoopChecks[0], m_LoopChecks[1], m_LoopChecks[2]})
        w->setEnabled(bSingle);
    // The picture buttons keep their own look flag, which the panel's disabled state does not reach.
    for (OrnPushButton* button : m_MoveButtons)
        button->setEnabled(bSingle);
    m_pTable->setEnabled(!m_bBatchMode);
    m_pMousePanel->setVisible(m_bMousePanel && !m_bEditMode);
    m_pRowEditor->setVisible(m_bEditMode);
    if (bBusy != m_bBusySignalled) {
        m_bBusySignalled = bBusy;
        emit EnableButtonsSignal(!bBusy);
    }
}

void MacroDialog::checkbtn_clicked()
{
    auto* box = qobject_cast<QCheckBox*>(sender());
    if (!box)
        return;
    if (box == m_pRecordDelayCheck)
        setDelayType(box->isChecked() ? 1 : 0);
    else if (box == m_pDefaultDelayCheck)
        setDelayType(box->isChecked() ? 2 : 0);
    else if (box == m_pBatchCheck)
        setBatchMode(box->isChecked());
    else {
        for (size_t i = 0; i < m_LoopChecks.size(); ++i) {
            if (box == m_LoopChecks[i])
                setLoopType(box->isChecked() ? static_cast<int>(i) + 1 : 0);
        }
    }
}

void MacroDialog::setDelayType(int iDelayType)
{
    m_iDelayType = (iDelayType == 1 || iDelayType == 2) ? iDelayType : 0;
    m_pRecordDelayCheck->setChecked(m_iDelayType == 1);
    m_pDefaultDelayCheck->setChecked(m_iDelayType == 2);
}

void MacroDialog::setLoopType(int iLoopType)
{
    for (size_t i = 0; i < m_LoopChecks.size(); ++i)
        m_LoopChecks[i]->setChecked(static_cast<int>(i) + 1 == iLoopType);
}

void MacroDialog::SelectRow()
{
    if (m_bBatchMode || m_bRecording || m_bEditMode)
        return;
    loadMacro();
}

void MacroDialog::itemClicked(QModelIndex index)
{
    if (index.isValid())
        m_pTable->selectRow(index.row());
}

void MacroDialog::mousemove_test()
{
    m_bMousePanel = !m_bMousePanel;
    updateEnabled();
}

void MacroDialog::DefDelayChanged(const QString& strText)
{
    // A field left empty or at 0 keeps the last good value for inserted delays and the file.
    bool bOk = false;
    const int iMs = strText.toInt(&bOk);
    if (bOk && iMs >= 1)
        m_iDefaultDelayMs = iMs;
}

void MacroDialog::LoopTimeChanged(const QString& strText)
{
    bool bOk = false;
    const int iTimes = strText.toInt(&bOk);
    if (bOk && iTimes >= 1 && iTimes <= 255)
        m_iLoopTime = iTimes;
}
