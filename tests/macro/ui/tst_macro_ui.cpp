#include "TestDataHome.h"
#include "look/UiText.h"
#include "macro/core/MacroBindings.h"
#include "macro/core/MacroFiles.h"
#include "macro/ui/GunFile.h"
#include "macro/ui/MacroDialog.h"
#include "macro/ui/MacroRowEdit.h"
#include "macro/ui/OrnGunsetDialog.h"
#include "macro/ui/OrnItemModel.h"
#include "platform/keyhook/KeyboardHook.h"
#include "store/ConfigData.h"
#include "store/DataPaths.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnPushButton.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace macroedit;

Q_DECLARE_METATYPE(macroedit::Rows)

namespace {

MacroEvent ev(int map, int h, int l)
{
    return MacroEvent{static_cast<quint8>(map), static_cast<quint8>(h), static_cast<quint8>(l)};
}

constexpr quint32 kScanA = 30, kScanB = 48, kScanShift = 42;
const MacroEvent kA = ev(0x84, 0, 4), kB = ev(0x84, 0, 5), kC = ev(0x84, 0, 6), kD = ev(0x84, 0, 7);
const MacroEvent kAUp = ev(0x04, 0, 4);
const MacroEvent kPress = ev(0x81, 0, 1), kRelease = ev(0x01, 0, 1);
const QString kNotReleased = QStringLiteral("Warning: ONE OR MORE KEYS HAS NOT BEEN RELEASED.");

// Stands in for the system hook: the test sends key events through the callback the editor installed.
class FakeKeyboardHook : public platform::KeyboardHook
{
public:
    bool install(platform::KeyHookCallback cb) override
    {
        callback = std::move(cb);
        return true;
    }
    void uninstall() override { callback = nullptr; }
    bool installed() const { return static_cast<bool>(callback); }
    bool key(quint32 scanCode, bool bPressed, bool bAutoRepeat = false)
    {
        if (!callback)
            return false;
        callback(
            platform::RawKeyEvent{scanCode, bPressed ? 0u : platform::RawKeyFlag::Released, 0, bPressed, bAutoRepeat});
        return true;
    }

    platform::KeyHookCallback callback;
};

// A macro file outside the macro folder, as the user would pick it for import.
QString writeOutside(const QString& dir, const QString& fileName, int iCount)
{
    const QString path = dir + QLatin1Char('/') + fileName;
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("Setting/DelayType"), 0);
    file.setValue(QStringLiteral("Setting/Count"), iCount);
    for (int i = 0; i < iCount; ++i) {
        file.setValue(QStringLiteral("Setting/Map_%1").arg(i), 132);
        file.setValue(QStringLiteral("Setting/DataL_%1").arg(i), 4 + i);
    }
    file.sync();
    return path;
}

} // namespace

namespace QTest {
template <> char* toString(const macroedit::Rows& rows)
{
    QByteArray text;
    for (const MacroEvent& e : rows)
        text += QByteArray::number(e.Map) + '/' + QByteArray::number(e.DataH) + '/' + QByteArray::number(e.DataL) + ' ';
    return qstrdup(text.constData());
}
} // namespace QTest

// The macro tab driven through its commands, with synthetic hook events, a test clock and recorded prompts.
class MacroDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_pHome = std::make_unique<TestDataHome>();
        m_pOutside = std::make_unique<QTemporaryDir>();
        QCOMPARE(createMacro(), QStringLiteral("name_1"));
        m_Warnings.clear();
        m_Questions.clear();
        m_bYes = false;
        m_iNow = 1000;
        MacroPrompts prompts;
        prompts.warn = [this](const QString& text, const QString& title) { m_Warnings << title + ": " + text; };
        prompts.confirm = [this](const QString& text, const QString&) {
            m_Questions << text;
            return m_bYes;
        };
        prompts.openFile = [this](const QString&, const QString&) { return m_OpenMany.value(0); };
        prompts.openFiles = [this](const QString&, const QString&) { return m_OpenMany; };
        prompts.saveFile = [this](const QString&, const QString&) { return m_strSave; };
        prompts.chooseFolder = [this](const QString&, const QString&) { return m_strSave; };
        prompts.runGunset = [this](OrnGunsetDialog& dialog) { return m_Gunset && m_Gunset(dialog); };
        auto hook = std::make_unique<FakeKeyboardHook>();
        m_pHook = hook.get();
        m_pDialog = std::make_unique<MacroDialog>(nullptr, std::move(hook), prompts);
        m_pDialog->setClock([this]() { return m_iNow; });
    }
    void cleanup()
    {
        m_pDialog.reset();
        m_pOutside.reset();
        m_pHome.reset();
    }

    void autoRepeatGivesOnePressRow()
    {
        m_pDialog->recordDelayCheck()->click();
        m_pDialog->runCommand(MacroCommand::Start);
        press(kScanA);
        QVERIFY(m_pHook->key(kScanA, true, true));
        press(kScanA); // a repeat the system did not mark
        // X11 repeats a held key as release/press pairs, marked or not, for a second and a half.
        for (int i = 1; i <= 50; ++i) {
            m_iNow += 30;
            const bool bMarked = i % 2 == 0;
            QVERIFY(m_pHook->key(kScanA, false, bMarked));
            m_iNow += i % 3; // at once, or nearly
            QVERIFY(m_pHook->key(kScanA, true, bMarked));
        }
        QCOMPARE(rows(), (Rows{kA}));
        QCOMPARE(m_pDialog->heldKeys(), QList<int>{kScanA});
        m_iNow = 2500;
        release(kScanA);
        QCOMPARE(rows(), (Rows{kA, ev(6, 0, 150), kAUp}));
        QVERIFY(m_pDialog->heldKeys().isEmpty());
        // Typed again after a real pause, the key is recorded again.
        m_iNow += 60;
        press(kScanA);
        QCOMPARE(rows().size(), size_t(5));
        m_pDialog->runCommand(MacroCommand::Start); // stop
        QCOMPARE(m_Warnings, QStringList{kNotReleased});
    }

    void recordingStopsAtTheRowLimit_data()
    {
        QTest::addColumn<bool>("withDelays");
        QTest::addColumn<int>("rowCount");
        QTest::addRow("40 rows without delays") << false << 40;
        // Taken while the table has at most 61 rows: 31 events fill 61 rows, the 32nd brings it to 63.
        QTest::addRow("63 rows with recorded delays") << true << 63;
    }
    void recordingStopsAtTheRowLimit()
    {
        QFETCH(bool, withDelays);
        if (withDelays)
            m_pDialog->recordDelayCheck()->click();
        m_pDialog->runCommand(MacroCommand::Start);
        for (int i = 0; i < 41; ++i) {
            m_iNow += 50;
            m_pHook->key(kScanA, i % 2 == 0);
        }
        const Rows recorded = rows();
        QTEST(int(recorded.size()), "rowCount");
        QCOMPARE(recorded.back(), kAUp);
        if (withDelays)
            QCOMPARE(copyRows(recorded, 0, 2), (Rows{kA, ev(6, 0, 5), kAUp}));
    }

    void recordedAndDefaultDelays()
    {
        // The two delay modes exclude each other; unticking both records none.
        m_pDialog->recordDelayCheck()->click();
        m_pDialog->defaultDelayCheck()->click();
        QCOMPARE(m_pDialog->delayType(), 2);
        QVERIFY(!m_pDialog->recordDelayCheck()->isChecked());
        m_pDialog->defaultDelayCheck()->click();
        QCOMPARE(m_pDialog->delayType(), 0);
        m_pDialog->defaultDelayCheck()->click();
        m_pDialog->defaultDelayEdit()->setText(QStringLiteral("2560"));
        m_pDialog->runCommand(MacroCommand::Start);
        press(kScanA);
        m_iNow += 7;
        release(kScanA);
        QCOMPARE(rows(), (Rows{kA, ev(6, 1, 0), kAUp}));
        m_pDialog->runCommand(MacroCommand::Start);
        m_pDialog->runCommand(MacroCommand::Save);

        m_pDialog->recordDelayCheck()->click();
        QCOMPARE(m_pDialog->delayType(), 1);
        m_pDialog->runCommand(MacroCommand::Clear);
        m_pDialog->runCommand(MacroCommand::Start);
        press(84); // no key of the table: not recorded, not held
        press(kScanA);
        m_iNow += 3;
        release(kScanA);
        m_iNow += 1234;
        press(kScanB);
        QCOMPARE(rows(), (Rows{kA, ev(6, 0, 1), kAUp, ev(6, 0, 123), kB}));
        QCOMPARE(m_pDialog->heldKeys(), QList<int>{int(kScanB)});
    }

    void unreleasedShiftWarnsAndEntersEditMode()
    {
        m_pDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pDialog.get()));
        m_pDialog->runCommand(MacroCommand::Start);
        // Shift held as the system sees it: the recorded rows must not be taken as a Shift+click range.
        QTest::keyPress(m_pDialog->windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
        press(kScanShift);
        press(kScanA);
        release(kScanA);
        QCOMPARE(m_pDialog->table()->selectionModel()->selectedRows().size(), 1);
        m_pDialog->runCommand(MacroCommand::Start); // now "STOP"
        QCOMPARE(m_Warnings, QStringList{kNotReleased});
        QCOMPARE(rows().size(), size_t(3));
        QVERIFY(m_pDialog->isEditMode());
        QCOMPARE(m_pDialog->currentRow(), 2);
    }

    // Other pages' buttons are off while the hook records, on again once saved.
    void recordAfterInsertsAfterCurrentRow()
    {
        QSignalSpy enable(m_pDialog.get(), &MacroDialog::EnableButtonsSignal);
        m_pDialog->model()->setRows({kPress, kRelease});
        m_pDialog->setCurrentRow(0);
        m_pDialog->runCommand(MacroCommand::RecordAfter);
        press(kScanA);
        release(kScanA);
        QCOMPARE(rows(), (Rows{kPress, kA, kAUp, kRelease}));
        QCOMPARE(m_pDialog->currentRow(), 2);
        m_pDialog->runCommand(MacroCommand::Start);
        m_pDialog->runCommand(MacroCommand::Save);
        QVERIFY(!m_pDialog->isEditMode());
        QVERIFY(!m_pHook->installed());
        QList<bool> values;
        for (const QList<QVariant>& call : enable)
            values << call.at(0).toBool();
        QCOMPARE(values, (QList<bool>{false, true, false, true}));
    }

    void editModeChangesTheCurrentRow()
    {
        m_pDialog->model()->setRows({kA, ev(6, 0, 1), ev(2, 0, 251), ev(2, 10, 0)});
        m_pDialog->setCurrentRow(0);
        m_pDialog->runCommand(MacroCommand::Edit);
        press(kScanB);
        QCOMPARE(m_pDialog->model()->rowEvent(0), kB);
        QCOMPARE(rows().size(), size_t(4)); // edit mode records nothing
        m_pDialog->setCurrentRow(1);
        QVERIFY(!m_pHook->installed()); // a delay row is edited through its field
        m_pDialog->EditDelayChanged(QStringLiteral("1000"));
        QCOMPARE(m_pDialog->model()->rowEvent(1), ev(6, 0, 100));
        m_pDialog->EditMoveChanged(QStringLiteral("7")); // not a movement row
        QCOMPARE(m_pDialog->model()->rowEvent(1), ev(6, 0, 100));
        m_pDialog->setCurrentRow(2);
        m_pDialog->EditMoveChanged(QStringLiteral("9"));
        QCOMPARE(m_pDialog->model()->rowEvent(2), ev(2, 0, 247));
        m_pDialog->setCurrentRow(3);
        m_pDialog->EditMoveChanged(QStringLiteral("3"));
        QCOMPARE(m_pDialog->model()->rowEvent(3), ev(2, 3, 0));
    }

    void mouseTreeAndMovementInsertAfterCurrentRow()
    {
        m_pDialog->defaultDelayCheck()->click();
        m_pDialog->defaultDelayEdit()->setText(QStringLiteral("40"));
        QTreeWidgetItem* left = m_pDialog->mouseTree()->topLevelItem(0);
        m_pDialog->mouseTree()->topLevelItem(1)->setExpanded(true);
        m_pDialog->TreeitemClick(left, 0); // a button item opens first
        QVERIFY(rows().empty());
        m_pDialog->TreeitemClick(left, 0);
        QCOMPARE(rows(), (Rows{kPress, ev(6, 0, 4), kRelease, ev(6, 0, 4)}));
        QCOMPARE(m_pDialog->currentRow(), 3);

        m_pDialog->recordDelayCheck()->click();
        m_pDialog->setCurrentRow(0);
        m_pDialog->moveDistanceEdit(2)->setText(QStringLiteral("5"));
        m_pDialog->moveButton(2)->click(); // "MOVE UP"
        QCOMPARE(copyRows(rows(), 0, 3), (Rows{kPress, ev(2, 251, 0), ev(6, 0, 1), ev(6, 0, 4)}));
        QCOMPARE(m_pDialog->currentRow(), 2);
    }

    void rowCommands()
    {
        m_pDialog->model()->setRows({kA, kAUp});
        m_pDialog->setCurrentRow(0);
        m_pDialog->runCommand(MacroCommand::InsertDelay);
        QCOMPARE(rows(), (Rows{kA, ev(6, 0, 1), kAUp}));
        // A macro without delay mode would lose the row when read back; the mouse would still play it.
        QCOMPARE(m_pDialog->delayType(), 1);
        QVERIFY(m_pDialog->recordDelayCheck()->isChecked());
        m_pDialog->setCurrentRow(2);
        m_pDialog->runCommand(MacroCommand::DeleteRow);
        QCOMPARE(rows(), (Rows{kA, ev(6, 0, 1)}));
        QCOMPARE(m_pDialog->currentRow(), 1);

        // Copy the selection (rows 0 and 1), paste after the current row.
        m_pDialog->model()->setRows({kA, kAUp, kB});
        QItemSelectionModel* selection = m_pDialog->table()->selectionModel();
        m_pDialog->setCurrentRow(0);
        selection->select(m_pDialog->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        m_pDialog->runCommand(MacroCommand::Copy);
        m_pDialog->setCurrentRow(2);
        m_pDialog->runCommand(MacroCommand::Paste);
        QCOMPARE(rows(), (Rows{kA, kAUp, kB, kA, kAUp}));
        QCOMPARE(m_pDialog->currentRow(), 4);
        m_pDialog->setCurrentRow(0);
        m_pDialog->runCommand(MacroCommand::Cut);
        QCOMPARE(rows(), (Rows{kAUp, kB, kA, kAUp}));
        m_pDialog->setCurrentRow(3);
        m_pDialog->runCommand(MacroCommand::Paste);
        QCOMPARE(rows(), (Rows{kAUp, kB, kA, kAUp, kA}));

        // Without delays a table holds 40 rows at most: a paste that would pass it is refused whole.
        m_pDialog->recordDelayCheck()->click();
        m_pDialog->model()->setRows(Rows(39, kA));
        m_pDialog->setCurrentRow(0);
        selection->select(m_pDialog->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        m_pDialog->runCommand(MacroCommand::Copy);
        m_pDialog->runCommand(MacroCommand::Paste);
        QCOMPARE(rows().size(), size_t(39));
        m_pDialog->runCommand(MacroCommand::Clear);
        QVERIFY(rows().empty());
    }

    void saveWritesOverALongerMacroAndCancelRestores()
    {
        MacroFile five;
        five.DelayType = 1;
        five.events = {kA, ev(6, 0, 2), kAUp, ev(6, 0, 3), ev(0x84, 0, 9)};
        QVERIFY(saveMacro(QStringLiteral("name_1"), five));
        m_pDialog->reloadMacros();
        QCOMPARE(rows().size(), size_t(5));
        m_pDialog->setCurrentRow(3);
        m_pDialog->runCommand(MacroCommand::DeleteRow);
        m_pDialog->runCommand(MacroCommand::DeleteRow);
        m_pDialog->loopCheck(1)->click();
        m_pDialog->runCommand(MacroCommand::Save);

        QSettings file(macroFilePath(QStringLiteral("name_1")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("Setting/Count")).toInt(), 3);
        QCOMPARE(file.value(QStringLiteral("Setting/Map_2")).toString(), QStringLiteral("4"));
        QCOMPARE(file.value(QStringLiteral("Setting/Map_4")).toString(), QStringLiteral("132")); // left over
        QCOMPARE(file.value(QStringLiteral("Setting/LoopType")).toInt(), 2);
        m_pDialog->reloadMacros();
        QCOMPARE(rows(), (Rows{kA, ev(6, 0, 2), kAUp}));
        QCOMPARE(m_pDialog->currentRow(), 2);

        MacroFile stored;
        stored.events = {kA, ev(6, 0, 2), kAUp, ev(9, 1, 2)};
        QVERIFY(saveMacro(QStringLiteral("name_1"), stored));
        m_pDialog->reloadMacros();
        // Without delay mode the delay is dropped; an event the table cannot show keeps its bytes.
        const Rows loaded{kA, kAUp, ev(9, 1, 2)};
        QCOMPARE(rows(), loaded);
        m_pDialog->runCommand(MacroCommand::Clear);
        m_pDialog->runCommand(MacroCommand::Cancel);
        QCOMPARE(rows(), loaded);
    }

    // Import adds new names and keeps present ones, alone or in a batch; export copies the files.
    void importAndExport()
    {
        m_OpenMany = QStringList{writeOutside(m_pOutside->path(), QStringLiteral("fire.v2.MSMACRO"), 3)};
        m_pDialog->runCommand(MacroCommand::Import);
        QCOMPARE(listMacroNames(), (QStringList{"name_1", "fire.v2"}));
        QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("fire.v2"));
        QCOMPARE(m_pDialog->model()->rowEvent(2), (MacroEvent{132, 0, 6}));
        QVERIFY(m_Warnings.isEmpty());

        m_OpenMany = QStringList{writeOutside(m_pOutside->path(), QStringLiteral("name_1.MSMACRO"), 4)};
        m_pDialog->runCommand(MacroCommand::Import);
        QCOMPARE(m_Warnings, QStringList{QStringLiteral("Warning: Macro Exist!")});
        QCOMPARE(readMacro(QStringLiteral("name_1")).events.size(), size_t(0)); // not replaced

        m_strSave = m_pOutside->path() + QStringLiteral("/copy");
        QFile stale(m_strSave + QStringLiteral(".MSMACRO"));
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("old") == 3);
        stale.close();
        m_pDialog->runCommand(MacroCommand::Export);
        QFile exported(m_strSave + QStringLiteral(".MSMACRO"));
        QFile original(macroFilePath(QStringLiteral("fire.v2")));
        QVERIFY(exported.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), original.readAll());

        // A batch skips present names, a name in the list whose file is gone among them; a batch export writes
        // the ticked macros into the chosen folder.
        m_pDialog->batchCheck()->click();
        m_OpenMany = QStringList{writeOutside(m_pOutside->path(), QStringLiteral("a.MSMACRO"), 1),
                                 writeOutside(m_pOutside->path(), QStringLiteral("name_1.MSMACRO"), 2),
                                 writeOutside(m_pOutside->path(), QStringLiteral("b.MSMACRO"), 2)};
        addMacroName(QStringLiteral("b"));
        m_pDialog->runCommand(MacroCommand::Import);
        QCOMPARE(listMacroNames(), (QStringList{"name_1", "fire.v2", "b", "a"}));
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("b"))));
        QCOMPARE(readMacro(QStringLiteral("name_1")).events.size(), size_t(0));
        QCOMPARE(readMacro(QStringLiteral("a")).events.size(), size_t(1));
        m_pDialog->batchBox(0)->setChecked(true);
        m_pDialog->batchBox(3)->setChecked(true);
        m_strSave = m_pOutside->path() + QStringLiteral("/batch");
        QVERIFY(QDir().mkpath(m_strSave));
        m_pDialog->runCommand(MacroCommand::Export);
        QCOMPARE(QDir(m_strSave).entryList(QDir::Files), (QStringList{"a.MSMACRO", "name_1.MSMACRO"}));
    }

    void changeNameRefusals_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addRow("empty") << "";
        QTest::addRow("slash") << "a/b";
        QTest::addRow("climbing out") << "../../evil";
    }
    void changeNameRefusals()
    {
        QFETCH(QString, wanted);
        m_pDialog->nameEdit()->setText(wanted);
        m_pDialog->runCommand(MacroCommand::ChangeName);
        QCOMPARE(m_Warnings.size(), 1);
        QCOMPARE(listMacroNames(), QStringList{QStringLiteral("name_1")});
        QCOMPARE(QDir(macroDirectory()).entryList(QDir::Files), QStringList{QStringLiteral("name_1.MSMACRO")});
        QCOMPARE(m_pDialog->nameEdit()->text(), QStringLiteral("name_1"));
    }

    void newMacroAtFiftyRefused()
    {
        m_pDialog->runCommand(MacroCommand::New);
        QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("name_2"));
        for (int i = 3; i <= kMaxMacroCount; ++i)
            addMacroName(QStringLiteral("listed_%1").arg(i));
        const QStringList before = QDir(macroDirectory()).entryList(QDir::Files);
        m_pDialog->runCommand(MacroCommand::New);
        QCOMPARE(m_Warnings, QStringList{QStringLiteral("WARNING: TOO MANY MACROS TO BE CREATE!")});
        QCOMPARE(QDir(macroDirectory()).entryList(QDir::Files), before);
    }

    void boundMacroRenameRebindsAndDeleteAsks()
    {
        ConfigData working;
        working.slotProfileNames[2] = QStringLiteral("Game");
        working.slot(2).buttons[4].Fun = 200;
        working.slot(2).buttons[4].macroname = QStringLiteral("name_1");
        m_pDialog->setLiveConfigs([&working] { return std::vector<const ConfigData*>{&working}; });
        QSignalSpy renamed(m_pDialog.get(), &MacroDialog::MacroRenamedSignal);
        m_pDialog->reloadMacros();
        m_pDialog->nameEdit()->setText(QStringLiteral("Burst"));
        m_pDialog->runCommand(MacroCommand::ChangeName);
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(renamed.first(), (QVariantList{QStringLiteral("name_1"), QStringLiteral("Burst")}));
        renameBindings(working, QStringLiteral("name_1"), QStringLiteral("Burst"));

        MacroFile two;
        two.events = {kA, kAUp};
        QVERIFY(saveMacro(QStringLiteral("second"), two));
        addMacroName(QStringLiteral("second"));
        m_pDialog->reloadMacros();
        m_pDialog->runCommand(MacroCommand::DeleteMacro);
        QCOMPARE(m_Questions, QStringList{uiText("This macro is used by %1. Delete it anyway?").arg("Game")});
        QVERIFY(QFile::exists(macroFilePath(QStringLiteral("Burst"))));
        m_bYes = true;
        m_pDialog->runCommand(MacroCommand::DeleteMacro);
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("Burst"))));
        // The next macro is loaded.
        QCOMPARE(listMacroNames(), QStringList{QStringLiteral("second")});
        QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("second"));
        QCOMPARE(m_pDialog->model()->rowCount(), 2);
    }

    void gunSetMakesUniqueNameAndLoads()
    {
        QVERIFY(saveMacro(QStringLiteral("ak"), MacroFile{}));
        m_Gunset = [](OrnGunsetDialog& dialog) {
            dialog.nameEdit()->setText(QStringLiteral("ak"));
            dialog.moveYBox(0)->setValue(3);
            dialog.OnYesClick();
            return dialog.result() == QDialog::Accepted;
        };
        m_pDialog->runCommand(MacroCommand::GunSet);
        QCOMPARE(listMacroNames(), (QStringList{"name_1", "ak_2"}));
        QCOMPARE(m_pDialog->selectedMacro(), QStringLiteral("ak_2"));
        QCOMPARE(m_pDialog->delayType(), 1);
        // Five shots of the default 100 ms (10 units); the first moves 3 down.
        QCOMPARE(m_pDialog->model()->rowCount(), 16);
        QCOMPARE(copyRows(rows(), 0, 4), (Rows{kPress, kRelease, ev(2, 3, 0), ev(6, 0, 10), kPress}));
        QCOMPARE(readMacro(QStringLiteral("ak")).events.size(), size_t(0));
    }

    void gunsetRefusesEmptyOrUnsafeName()
    {
        OrnGunsetDialog dialog(nullptr, 1.0);
        QStringList warnings;
        dialog.setWarning([&](const QString& text, const QString& title) { warnings << title + ": " + text; });
        dialog.nameEdit()->setText(QStringLiteral("../x"));
        dialog.OnYesClick();
        QCOMPARE(warnings, QStringList{QStringLiteral("Warning: Please input file name.")});
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY(dialog.events().empty());
        QVERIFY(!writeGunFile(QStringLiteral("a/b"), {}));
    }

    void moves_data()
    {
        QTest::addColumn<int>("command"); // 0 up, 1 down, 2 top, 3 bottom
        QTest::addColumn<int>("current");
        QTest::addColumn<Rows>("expected");
        QTest::addColumn<int>("newCurrent");
        QTest::addRow("up on first row") << 0 << 0 << Rows{kA, kB, kC, kD} << 0;
        QTest::addRow("up") << 0 << 2 << Rows{kA, kC, kB, kD} << 1;
        QTest::addRow("down") << 1 << 1 << Rows{kA, kC, kB, kD} << 2;
        QTest::addRow("top") << 2 << 2 << Rows{kC, kA, kB, kD} << 0;
        QTest::addRow("no current row") << 0 << -1 << Rows{kA, kB, kC, kD} << -1;
        QTest::addRow("index past the end") << 3 << 4 << Rows{kA, kB, kC, kD} << -1;
    }
    void moves()
    {
        QFETCH(int, command);
        QFETCH(int, current);
        Rows rows{kA, kB, kC, kD};
        int (*const ops[])(Rows&, int) = {moveUp, moveDown, moveTop, moveBottom};
        QTEST(ops[command](rows, current), "newCurrent");
        QTEST(rows, "expected");
    }

    void insertRespectsRowLimits()
    {
        Rows rows{kA, kB};
        QCOMPARE(insertAfter(rows, 0, {kC, kD}, 1), 2);
        QCOMPARE(rows, (Rows{kA, kC, kD, kB}));
        QCOMPARE(insertAfter(rows, -1, {kD}, 1), 0);
        QCOMPARE(rows.front(), kD);

        Rows withDelays(62, kA);
        QCOMPARE(insertAfter(withDelays, 0, {kB, kC}, 2), -1); // 64 rows would not fit the download
        QCOMPARE(insertAfter(withDelays, 0, {kB}, 2), 1);
        QCOMPARE(withDelays.size(), size_t(63));
    }

    void commandRows_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<Rows>("expected");
        QTest::addRow("right bounce up, no delays")
            << mouseClickRows(2, ClickPart::BounceUp, 0, 300) << Rows{ev(1, 0, 2)};
        QTest::addRow("left click, no delays") << mouseClickRows(0, ClickPart::Click, 0, 300) << Rows{kPress, kRelease};
        QTest::addRow("middle click, recorded delays") << mouseClickRows(1, ClickPart::Click, 1, 300)
                                                       << Rows{ev(0x81, 0, 4), ev(6, 0, 1), ev(1, 0, 4), ev(6, 0, 1)};
        QTest::addRow("forward press, default delay 300 ms")
            << mouseClickRows(3, ClickPart::PressDown, 2, 300) << Rows{ev(0x81, 0, 8), ev(6, 0, 30)};
        QTest::addRow("no such button") << mouseClickRows(5, ClickPart::Click, 0, 300) << Rows{};
        QTest::addRow("left 5") << movementRows(MoveItem::Left, 5, 0, 25) << Rows{ev(2, 0, 251)};
        QTest::addRow("right 5, recorded delays")
            << movementRows(MoveItem::Right, 5, 1, 25) << Rows{ev(2, 0, 5), ev(6, 0, 1)};
        QTest::addRow("right 300 modulo 256") << movementRows(MoveItem::Right, 300, 0, 25) << Rows{ev(2, 0, 44)};
        // X -5 is 5 steps left (low byte FB), Y 12 is 12 steps down (high byte 0C), 30 ms is 3 units.
        QTest::addRow("gun bullets") << gunEvents({GunBullet{30, -5, 12}, GunBullet{999, 0, -100}})
                                     << Rows{kPress, kRelease, ev(2, 0, 0xFB), ev(2, 0x0C, 0), ev(6, 0, 3),
                                             kPress, kRelease, ev(2, 0x9C, 0), ev(6, 0, 99)};
        QTest::addRow("gun pause under 10 ms waits a unit")
            << gunEvents({GunBullet{4, 0, 0}}) << Rows{kPress, kRelease, ev(6, 0, 1)};
    }
    void commandRows()
    {
        QFETCH(Rows, rows);
        QTEST(rows, "expected");
    }

    void releaseCheck_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<bool>("passes");
        const MacroEvent shiftDown = ev(0x84, 0, 0xE1), shiftUp = ev(0x04, 0, 0xE1);
        QTest::addRow("shift pressed and released") << Rows{shiftDown, ev(6, 0, 1), shiftUp} << true;
        QTest::addRow("shift never released") << Rows{shiftDown, kA, kAUp} << false;
        QTest::addRow("release without press") << Rows{kAUp} << false;
        QTest::addRow("mouse release does not match a key press") << Rows{kA, ev(0x01, 0, 4)} << false;
        QTest::addRow("other key released") << Rows{kA, ev(0x04, 0, 5)} << false;
    }
    void releaseCheck()
    {
        QFETCH(Rows, rows);
        QTEST(releaseCheckPasses(rows), "passes");
    }

private:
    void press(quint32 scan) { QVERIFY(m_pHook->key(scan, true)); }
    void release(quint32 scan) { QVERIFY(m_pHook->key(scan, false)); }
    Rows rows() const { return m_pDialog->model()->rows(); }

    std::unique_ptr<TestDataHome> m_pHome;
    std::unique_ptr<QTemporaryDir> m_pOutside;
    std::unique_ptr<MacroDialog> m_pDialog;
    FakeKeyboardHook* m_pHook = nullptr;
    qint64 m_iNow = 1000;
    QStringList m_Warnings;
    QStringList m_Questions;
    bool m_bYes = false;
    QStringList m_OpenMany;
    QString m_strSave;
    std::function<bool(OrnGunsetDialog&)> m_Gunset;
};

QTEST_MAIN(MacroDialogTest)
#include "tst_macro_ui.moc"
