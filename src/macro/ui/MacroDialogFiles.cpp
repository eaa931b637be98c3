#include "macro/ui/MacroDialog.h"

#include "look/DisplayScale.h"
#include "look/UiText.h"
#include "macro/core/MacroBindings.h"
#include "macro/core/MacroFiles.h"
#include "macro/core/MacroRow.h"
#include "macro/ui/OrnGunsetDialog.h"
#include "macro/ui/OrnItemModel.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileReading.h"
#include "widgets/OrnLineEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace {

const char* const kFilter = QT_TRANSLATE_NOOP("Osken", "Macro File(*.MSMACRO)");
const QString kExtension = QStringLiteral("MSMACRO");

// The macro name an imported file brings: its name without ".MSMACRO"; empty when that is no plain name.
QString importedName(const QString& strPath)
{
    const QFileInfo info(strPath);
    const QString name =
        info.suffix().compare(kExtension, Qt::CaseInsensitive) == 0 ? info.completeBaseName() : info.fileName();
    return isSafeFileName(name) ? name : QString();
}

// Copies over an existing target: the file dialogs have asked before.
bool copyReplacing(const QString& strFrom, const QString& strTo)
{
    if (QFileInfo(strFrom).absoluteFilePath() == QFileInfo(strTo).absoluteFilePath())
        return true;
    if (QFile::exists(strTo))
        QFile::remove(strTo);
    return QFile::copy(strFrom, strTo);
}

// A name that neither a macro file nor a list entry uses yet: "_2", "_3", ... appended as needed.
QString unusedMacroName(const QString& wanted)
{
    const QStringList listed = listMacroNames();
    QString name = freeMacroName(wanted);
    for (int n = 2; listed.contains(name) || macroFileExists(name); ++n)
        name = wanted + QStringLiteral("_%1").arg(n);
    return name;
}

} // namespace

void MacroDialog::reloadMacros()
{
    fillMacroList(QString());
    loadMacro();
}

void MacroDialog::fillMacroList(const QString& strSelect)
{
    const QSignalBlocker blocker(m_pMacroList);
    m_pMacroList->clear();
    const QStringList names = listMacroNames();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(m_bBatchMode ? QString() : name, m_pMacroList);
        item->setData(Qt::UserRole, name);
        if (m_bBatchMode) {
            auto* box = new QCheckBox(name, m_pMacroList);
            box->setStyleSheet(QStringLiteral("QCheckBox{color:rgb(255,255,255)}"));
            box->setFont(m_pMacroList->font());
            m_pMacroList->setItemWidget(item, box);
        }
    }
    const int iSelect = names.indexOf(strSelect);
    m_pMacroList->setCurrentRow(iSelect >= 0 ? iSelect : (names.isEmpty() ? -1 : 0));
}

void MacroDialog::resetEditor(int iDelayType)
{
    setDelayType(iDelayType);
    setLoopType(0);
    m_pModel->setRows({});
    m_pDefaultDelayEdit->setText(QStringLiteral("10"));
    m_pLoopTimeEdit->setText(QStringLiteral("1"));
}

void MacroDialog::loadMacro()
{
    const QString name = selectedMacro();
    if (name.isEmpty()) {
        m_pNameEdit->clear();
        m_pModel->setRows({});
        return;
    }
    const MacroFile macro = readMacro(name);
    setDelayType(macro.DelayType);
    setLoopType(macro.LoopType);
    // An unreadable file reads 0 for both; the fields show the values a save would write.
    m_pDefaultDelayEdit->setText(QString::number(macro.DefaultDelay >= 1 ? macro.DefaultDelay : 10));
    m_pLoopTimeEdit->setText(QString::number(macro.LoopTime >= 1 && macro.LoopTime <= 255 ? macro.LoopTime : 1));
    macroedit::Rows rows;
    for (const MacroEvent& event : macro.events) {
        const MacroRow row = macroRowFor(event, macro.DelayType);
        if ((event.Map & MacroEventType::TypeMask) == MacroEventType::Delay && row.kind == MacroRowKind::Hidden)
            continue; // a macro without delay mode drops its delays
        // Events the table cannot show keep their bytes, so saving does not turn them into zeros.
        rows.push_back(row.kind == MacroRowKind::Hidden ? event : row.event);
    }
    m_pModel->setRows(rows);
    setCurrentRow(static_cast<int>(rows.size()) - 1);
    m_pNameEdit->setText(name);
}

void MacroDialog::saveCurrentMacro()
{
    const QString name = selectedMacro();
    if (name.isEmpty())
        return;
    MacroFile macro;
    macro.DefaultDelay = m_iDefaultDelayMs;
    macro.DelayType = m_iDelayType;
    macro.LoopType = loopType();
    macro.LoopTime = m_iLoopTime;
    macro.events = m_pModel->rows();
    if (!saveMacro(name, macro))
        warn("The macro file could not be saved.", "Warning");
}

void MacroDialog::newMacro()
{
    if (countMacroNames() >= kMaxMacroCount) {
        warn("TOO MANY MACROS TO BE CREATE!", "WARNING");
        return;
    }
    resetEditor(0);
    const QString name = createMacro();
    if (name.isEmpty()) {
        warn("The macro file could not be saved.", "Warning");
        return;
    }
    fillMacroList(name);
    loadMacro();
}

void MacroDialog::deleteCurrentMacro()
{
    const QString name = selectedMacro();
    if (name.isEmpty())
        return;
    const QStringList users = macroUsers(name, m_LiveConfigs ? m_LiveConfigs() : std::vector<const ConfigData*>{});
    if (!users.isEmpty() &&
        !m_Prompts.confirm(uiText("This macro is used by %1. Delete it anyway?").arg(users.join(QStringLiteral(", "))),
                           uiText("Warning")))
        return;
    const int iRow = m_pMacroList->currentRow();
    deleteMacro(name);
    fillMacroList(QString());
    if (m_pMacroList->count() > 0)
        m_pMacroList->setCurrentRow(qMin(iRow, m_pMacroList->count() - 1));
    loadMacro();
}

void MacroDialog::changeName()
{
    const QString oldName = selectedMacro();
    if (oldName.isEmpty())
        return;
    const QString wanted = m_pNameEdit->text().trimmed();
    // The name becomes a file name in the macro folder.
    if (!isSafeFileName(wanted)) {
        warn("Please input a valid macro name.", "Warning");
        m_pNameEdit->setText(oldName);
        return;
    }
    if (wanted == oldName)
        return;
    const QString name = renameMacro(oldName, wanted);
    if (name.isEmpty()) {
        warn("Please input a valid macro name.", "Warning");
        m_pNameEdit->setText(oldName);
        return;
    }
    fillMacroList(name);
    m_pNameEdit->setText(name);
    // Buttons bound to the old name would otherwise send an empty macro.
    if (!renameMacroBindings(oldName, name, {}))
        warn("The profile file could not be written.", "Warning");
    emit MacroRenamedSignal(oldName, name);
}

void MacroDialog::gunSet()
{
    if (countMacroNames() >= kMaxMacroCount) {
        warn("TOO MANY MACROS TO BE CREATE!", "WARNING");
        return;
    }
    OrnGunsetDialog dialog(this, look::displayScale());
    if (!m_Prompts.runGunset || !m_Prompts.runGunset(dialog))
        return;
    const QString name = unusedMacroName(dialog.name());
    resetEditor(1);
    m_pNameEdit->setText(name);
    if (!dialog.writeGunFile(name)) {
        warn("The macro file could not be saved.", "Warning");
        return;
    }
    addMacroName(name);
    fillMacroList(name);
    loadMacro();
}

void MacroDialog::importMacros()
{
    if (!QDir().mkpath(macroDirectory()))
        return;
    if (!m_bBatchMode) {
        const QString path = m_Prompts.openFile(uiText("Load Macro File"), uiText(kFilter));
        if (path.isEmpty())
            return;
        const QString name = importedName(path);
        if (name.isEmpty())
            return;
        // Copying a FIFO or device node would never end.
        const ProfileFileResult source = checkSourceFile(path);
        if (source != ProfileFileResult::Done) {
            warn(profileFileMessage(source), "Warning");
            return;
        }
        if (macroFileExists(name) || listMacroNames().contains(name)) {
            warn("Macro Exist!", "Warning");
            return;
        }
        if (!QFile::copy(path, macroFilePath(name)))
            return;
        // With the list full the file is kept but not listed.
        addMacroName(name);
        fillMacroList(name);
        loadMacro();
        return;
    }
    const QStringList paths = m_Prompts.openFiles(uiText("Load Macro File"), uiText(kFilter));
    for (const QString& path : paths) {
        const QString name = importedName(path);
        // A name already present is skipped, so the list never holds a name twice.
        if (name.isEmpty() || checkSourceFile(path) != ProfileFileResult::Done || macroFileExists(name) ||
            listMacroNames().contains(name))
            continue;
        if (QFile::copy(path, macroFilePath(name)))
            addMacroName(name);
    }
    fillMacroList(selectedMacro());
}

void MacroDialog::exportMacros()
{
    if (!m_bBatchMode) {
        const QString name = selectedMacro();
        if (name.isEmpty() || !macroFileExists(name))
            return;
        QString target = m_Prompts.saveFile(uiText("Save Macro File"), uiText(kFilter));
        if (target.isEmpty())
            return;
        if (QFileInfo(target).suffix().isEmpty())
            target += QLatin1Char('.') + kExtension;
        copyReplacing(macroFilePath(name), target);
        return;
    }
    const QString folder = m_Prompts.chooseFolder(uiText("Save Macro File"), QStringLiteral("./"));
    if (folder.isEmpty())
        return;
    for (int i = 0; i < m_pMacroList->count(); ++i) {
        const QCheckBox* box = batchBox(i);
        const QString name = m_pMacroList->item(i)->data(Qt::UserRole).toString();
        if (box && box->isChecked() && macroFileExists(name))
            copyReplacing(macroFilePath(name), folder + QLatin1Char('/') + name + QStringLiteral(".MSMACRO"));
    }
}

void MacroDialog::setBatchMode(bool bBatch)
{
    m_bBatchMode = bBatch;
    m_pBatchCheck->setChecked(bBatch);
    fillMacroList(selectedMacro());
    updateEnabled();
}
