#pragma once

#include "macro/ui/MacroPrompts.h"
#include "macro/ui/MacroRecorder.h"
#include "platform/keyhook/KeyboardHook.h"

#include <QElapsedTimer>
#include <QModelIndex>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

struct ConfigData;
class OrnItemModel;
class OrnLabel;
class OrnLineEdit;
class OrnMacroItemDelegate;
class OrnPushButton;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

// The commands of the macro tab; each has one button.
enum class MacroCommand
{
    Start, // "START", or "STOP" while recording
    RecordAfter,
    New,
    DeleteMacro,
    ChangeName,
    Save,
    Cancel,
    Edit,
    MoveUp,
    MoveDown,
    Top,
    Bottom,
    DeleteRow,
    Clear,
    InsertDelay,
    Copy,
    Cut,
    Paste,
    GunSet,
    Import,
    Export,
    MouseAction,
};

// The macro tab: the macro list, the event table of the selected macro, recording through the keyboard
// hook, the mouse command tree, the delay and loop settings, and the commands on macros and rows.
class MacroDialog : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBaseWidth = 572;
    static constexpr int kBaseHeight = 440;

    // The hook and prompts default to the system's keyboard hook and the skinned boxes and file dialogs.
    explicit MacroDialog(QWidget* parent = nullptr, std::unique_ptr<platform::KeyboardHook> hook = nullptr,
                         MacroPrompts prompts = MacroPrompts());
    ~MacroDialog() override;

    // Texts again after a language switch; sizes again after a display scale change.
    void retranslateUi();
    void applyScale();
    // Reads the macro list and loads the first macro.
    void reloadMacros();

    void runCommand(MacroCommand command);

    // State, for the main window and tests.
    bool isRecording() const { return m_bRecording; }
    bool isEditMode() const { return m_bEditMode; }
    bool isBatchMode() const { return m_bBatchMode; }
    int delayType() const { return m_iDelayType; }
    int loopType() const;
    QString selectedMacro() const;
    int currentRow() const;
    void setCurrentRow(int iRow);
    const QList<int>& heldKeys() const { return m_Recorder.heldKeys(); }
    // Milliseconds for the recorder's delays; a monotonic clock unless replaced (tests).
    void setClock(std::function<qint64()> now) { m_Now = std::move(now); }
    // The settings held in memory (edited and as saved): a delete counts their uses besides the profile
    // files'. Their bindings follow a rename through MacroRenamedSignal.
    void setLiveConfigs(std::function<std::vector<const ConfigData*>()> configs) { m_LiveConfigs = std::move(configs); }

    OrnItemModel* model() const { return m_pModel; }
    QTableView* table() const { return m_pTable; }
    QListWidget* macroList() const { return m_pMacroList; }
    OrnLineEdit* nameEdit() const { return m_pNameEdit; }
    QCheckBox* recordDelayCheck() const { return m_pRecordDelayCheck; }
    QCheckBox* defaultDelayCheck() const { return m_pDefaultDelayCheck; }
    QCheckBox* batchCheck() const { return m_pBatchCheck; }
    QCheckBox* loopCheck(int i) const { return m_LoopChecks[static_cast<size_t>(i)]; }
    QLineEdit* defaultDelayEdit() const { return m_pDefaultDelayEdit; }
    QTreeWidget* mouseTree() const { return m_pMouseTree; }
    OrnPushButton* moveButton(int i) const { return m_MoveButtons[static_cast<size_t>(i)]; }
    QLineEdit* moveDistanceEdit(int i) const { return m_MoveDistances[static_cast<size_t>(i)]; }
    QLineEdit* rowEditField() const { return m_pRowEditField; }
    // The check box of a name in batch mode, nullptr otherwise.
    QCheckBox* batchBox(int iRow) const;

signals:
    // false while recording or editing a row, so the main window locks its profile bar.
    void EnableButtonsSignal(bool bEnable);
    // A macro was renamed and the profile files bind the new name: the settings held in memory must follow.
    void MacroRenamedSignal(const QString& strOldName, const QString& strNewName);

public slots:
    void TreeitemClick(QTreeWidgetItem* item, int column);
    void itemClicked(QModelIndex index);
    void EditMoveChanged(const QString& strText);
    void EditDelayChanged(const QString& strText);
    void DefDelayChanged(const QString& strText);
    void LoopTimeChanged(const QString& strText);
    void CurrentChanged(QModelIndex current, QModelIndex previous);
    void mousemove_test();
    void OrnItemPressed();
    void checkbtn_clicked();
    void SelectRow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Layout (MacroDialogLayout.cpp)
    void buildWidgets();
    void buildMousePanel();
    OrnPushButton* makeCommandButton(MacroCommand command);
    const char* commandText(MacroCommand command) const;

    // Recording and edit mode (MacroDialogRecord.cpp)
    bool onHookEvent(const platform::RawKeyEvent& event);
    void startRecording(bool bAfter);
    void stopRecording();
    void recordKey(int iKeyCode, quint32 iFlags);
    void editKey(int iKeyCode, quint32 iFlags);
    void enterEditMode();
    void leaveEditMode();
    void installHook();
    void removeHook();
    void showRowEditor();
    qint64 now() const;

    // Commands on rows (MacroDialogCommands.cpp)
    void onCommandButton();
    void applyRows(const macroedit::Rows& rows, int iCurrent);
    void insertRows(const macroedit::Rows& rows);
    int defaultDelayMs() const;
    std::pair<int, int> selectedRange() const;

    // Macros and files (MacroDialogFiles.cpp)
    void loadMacro();
    void saveCurrentMacro();
    void newMacro();
    void deleteCurrentMacro();
    void changeName();
    void gunSet();
    void importMacros();
    void exportMacros();
    void fillMacroList(const QString& strSelect);
    void resetEditor(int iDelayType);
    void setDelayType(int iDelayType);
    void setLoopType(int iLoopType);
    void setBatchMode(bool bBatch);

    void updateEnabled();
    void warn(const char* text, const char* title);

    MacroPrompts m_Prompts;
    std::unique_ptr<platform::KeyboardHook> m_pHook;
    bool m_bHookInstalled = false;
    MacroRecorder m_Recorder;
    QElapsedTimer m_Clock;
    std::function<qint64()> m_Now;
    std::function<std::vector<const ConfigData*>()> m_LiveConfigs;

    bool m_bRecording = false;
    bool m_bRecordAfter = false;
    bool m_bEditMode = false;
    bool m_bBatchMode = false;
    bool m_bMousePanel = false;
    bool m_bBusySignalled = false;
    int m_iDelayType = 0;
    int m_iDefaultDelayMs = 10;
    int m_iLoopTime = 1;
    int m_iLastKeyCode = -1;
    quint32 m_iLastFlags = 0;
    macroedit::Rows m_Clipboard;

    QListWidget* m_pMacroList = nullptr;
    OrnLineEdit* m_pNameEdit = nullptr;
    QTableView* m_pTable = nullptr;
    OrnItemModel* m_pModel = nullptr;
    OrnMacroItemDelegate* m_pDelegate = nullptr;
    QCheckBox* m_pRecordDelayCheck = nullptr;
    QCheckBox* m_pDefaultDelayCheck = nullptr;
    QLineEdit* m_pDefaultDelayEdit = nullptr;
    std::array<QCheckBox*, 3> m_LoopChecks{};
    QLineEdit* m_pLoopTimeEdit = nullptr;
    QCheckBox* m_pBatchCheck = nullptr;
    std::map<MacroCommand, OrnPushButton*> m_Buttons;

    QWidget* m_pMousePanel = nullptr;
    QTreeWidget* m_pMouseTree = nullptr;
    OrnLabel* m_pDistanceLabel = nullptr;
    std::array<OrnPushButton*, 4> m_MoveButtons{};
    std::array<QLineEdit*, 4> m_MoveDistances{};

    QWidget* m_pRowEditor = nullptr;
    OrnLabel* m_pRowEditLabel = nullptr;
    QLineEdit* m_pRowEditField = nullptr;
};
