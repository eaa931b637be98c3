#include "FakeKeyboardHook.h"
#include "TestDataHome.h"
#include "macro/core/MacroFiles.h"
#include "macro/ui/MacroDialog.h"
#include "macro/ui/OrnItemModel.h"
#include "widgets/OrnPushButton.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using macroedit::Rows;

namespace {

MacroEvent ev(int map, int h, int l)
{
    return MacroEvent{static_cast<quint8>(map), static_cast<quint8>(h), static_cast<quint8>(l)};
}

constexpr quint32 kScanA = 30, kScanB = 48, kScanShift = 42;

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

// Drives the macro tab with synthetic hook events, a test clock and recorded warnings.
class MacroRecordingTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void autoRepeatGivesOnePressRow();
    void fortyFirstEventDroppedWithoutDelays();
    void sixtyThreeRowsWithRecordedDelays();
    void eventsThreeMsApartGiveTenMsDelay();
    void defaultDelayBetweenEvents();
    void keyWithoutUsageIsNotRecorded();
    void unreleasedShiftWarnsAndEntersEditMode();
    void releasedKeysDoNotWarn();
    void recordAfterInsertsAfterCurrentRow();
    void enableSignalFollowsRecordingAndEditing();
    void editModeRetypesKeyRow();
    void editModeChangesDelayAndDistance();
    void moveUpOnFirstAndDownOnLastChangeNothing();
    void treeBounceUpRightClick();
    void treeButtonItemExpandsThenInserts();
    void movementItemInsertsAfterCurrentRow();
    void deleteRowAndInsertDelay();
    void copyCutPasteWithinLimits();
    void saveThreeOverFive();
    void cancelDropsEdits();

private:
    void makeDialog();
    void press(quint32 scan) { QVERIFY(m_pHook->key(scan, true)); }
    void release(quint32 scan) { QVERIFY(m_pHook->key(scan, false)); }
    Rows rows() const { return m_pDialog->model()->rows(); }

    std::unique_ptr<TestDataHome> m_pHome;
    std::unique_ptr<MacroDialog> m_pDialog;
    FakeKeyboardHook* m_pHook = nullptr;
    QStringList m_Warnings;
    qint64 m_iNow = 1000;
};

void MacroRecordingTest::init()
{
    m_pHome = std::make_unique<TestDataHome>();
    QCOMPARE(createMacro(), QStringLiteral("name_1"));
    m_Warnings.clear();
    m_iNow = 1000;
    makeDialog();
}

void MacroRecordingTest::cleanup()
{
    m_pDialog.reset();
    m_pHome.reset();
}

void MacroRecordingTest::makeDialog()
{
    auto hook = std::make_unique<FakeKeyboardHook>();
    m_pHook = hook.get();
    MacroPrompts prompts;
    prompts.warn = [this](const QString& text, const QString& title) { m_Warnings << title + ": " + text; };
    m_pDialog = std::make_unique<MacroDialog>(nullptr, std::move(hook), prompts);
    m_pDialog->setClock([this]() { return m_iNow; });
}

void MacroRecordingTest::autoRepeatGivesOnePressRow()
{
    m_pDialog->recordDelayCheck()->click();
    m_pDialog->runCommand(MacroCommand::Start);
    QVERIFY(m_pDialog->isRecording());
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
    QCOMPARE(rows(), (Rows{ev(0x84, 0, 4)}));
    QCOMPARE(m_pDialog->heldKeys(), QList<int>{kScanA});
    m_iNow = 2500;
    release(kScanA);
    QCOMPARE(rows(), (Rows{ev(0x84, 0, 4), ev(6, 0, 150), ev(0x04, 0, 4)}));
    QVERIFY(m_pDialog->heldKeys().isEmpty());
    // Typed again after a real pause, the key is recorded again.
    m_iNow += 60;
    press(kScanA);
    QCOMPARE(rows().size(), size_t(5));
    m_pDialog->runCommand(MacroCommand::Start); // stop
    QCOMPARE(m_Warnings, QStringList{QStringLiteral("Warning: ONE OR MORE KEYS HAS NOT BEEN RELEASED.")});
}

void MacroRecordingTest::fortyFirstEventDroppedWithoutDelays()
{
    QCOMPARE(m_pDialog->delayType(), 0);
    m_pDialog->runCommand(MacroCommand::Start);
    for (int i = 0; i < 41; ++i) {
        m_iNow += 50;
        m_pHook->key(kScanA, i % 2 == 0);
    }
    QCOMPARE(rows().size(), size_t(40));
    QCOMPARE(rows().back(), ev(0x04, 0, 4));
}

void MacroRecordingTest::sixtyThreeRowsWithRecordedDelays()
{
    m_pDialog->recordDelayCheck()->click();
    QCOMPARE(m_pDialog->delayType(), 1);
    m_pDialog->runCommand(MacroCommand::Start);
    for (int i = 0; i < 40; ++i) {
        m_iNow += 50;
        m_pHook->key(kScanA, i % 2 == 0);
    }
    // Taken while the table has at most 61 rows: 31 events fill 61 rows, the 32nd brings
    // the table to 63 and later ones are dropped.
    const Rows recorded = rows();
    QCOMPARE(recorded.size(), size_t(63));
    QCOMPARE(macroedit::copyRows(recorded, 0, 2), (Rows{ev(0x84, 0, 4), ev(6, 0, 5), ev(0x04, 0, 4)}));
    QCOMPARE(macroedit::copyRows(recorded, 61, 62), (Rows{ev(6, 0, 5), ev(0x04, 0, 4)}));
}

void MacroRecordingTest::eventsThreeMsApartGiveTenMsDelay()
{
    m_pDialog->recordDelayCheck()->click();
    m_pDialog->runCommand(MacroCommand::Start);
    press(kScanA);
    m_iNow += 3;
    release(kScanA);
    m_iNow += 1234;
    press(kScanB);
    QCOMPARE(rows(), (Rows{ev(0x84, 0, 4), ev(6, 0, 1), ev(0x04, 0, 4), ev(6, 0, 123), ev(0x84, 0, 5)}));
}

void MacroRecordingTest::defaultDelayBetweenEvents()
{
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
    QCOMPARE(rows(), (Rows{ev(0x84, 0, 4), ev(6, 1, 0), ev(0x04, 0, 4)}));
}

void MacroRecordingTest::keyWithoutUsageIsNotRecorded()
{
    m_pDialog->runCommand(MacroCommand::Start);
    press(84); // no key of the table
    press(kScanA);
    QCOMPARE(rows(), (Rows{ev(0x84, 0, 4)}));
    QCOMPARE(m_pDialog->heldKeys(), QList<int>{int(kScanA)});
}

void MacroRecordingTest::unreleasedShiftWarnsAndEntersEditMode()
{
    m_pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pDialog.get()));
    m_pDialog->runCommand(MacroCommand::Start);
    // Shift held as the system sees it: the recorded rows must not be taken as a Shift+click range.
    QTest::keyPress(m_pDialog->windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::keyboardModifiers(), Qt::ShiftModifier);
    press(kScanShift);
    press(kScanA);
    release(kScanA);
    QCOMPARE(m_pDialog->table()->selectionModel()->selectedRows().size(), 1);
    m_pDialog->runCommand(MacroCommand::Start); // now "STOP"
    QVERIFY(!m_pDialog->isRecording());
    QCOMPARE(m_Warnings, QStringList{QStringLiteral("Warning: ONE OR MORE KEYS HAS NOT BEEN RELEASED.")});
    QCOMPARE(rows().size(), size_t(3));
    QVERIFY(m_pDialog->isEditMode());
    QCOMPARE(m_pDialog->currentRow(), 2);
}

void MacroRecordingTest::releasedKeysDoNotWarn()
{
    m_pDialog->runCommand(MacroCommand::Start);
    press(kScanShift);
    press(kScanA);
    release(kScanA);
    release(kScanShift);
    m_pDialog->runCommand(MacroCommand::Start);
    QVERIFY(m_Warnings.isEmpty());
    QVERIFY(!m_pHook->installed() || m_pDialog->isEditMode());
}

void MacroRecordingTest::recordAfterInsertsAfterCurrentRow()
{
    m_pDialog->model()->setRows({ev(0x81, 0, 1), ev(0x01, 0, 1)});
    m_pDialog->setCurrentRow(0);
    m_pDialog->runCommand(MacroCommand::RecordAfter);
    press(kScanA);
    release(kScanA);
    QCOMPARE(rows(), (Rows{ev(0x81, 0, 1), ev(0x84, 0, 4), ev(0x04, 0, 4), ev(0x01, 0, 1)}));
    QCOMPARE(m_pDialog->currentRow(), 2);
}

void MacroRecordingTest::enableSignalFollowsRecordingAndEditing()
{
    QSignalSpy spy(m_pDialog.get(), &MacroDialog::EnableButtonsSignal);
    m_pDialog->runCommand(MacroCommand::Start);
    QVERIFY(m_pHook->installed());
    press(kScanA);
    release(kScanA);
    m_pDialog->runCommand(MacroCommand::Start);
    m_pDialog->runCommand(MacroCommand::Save);
    QVERIFY(!m_pDialog->isEditMode());
    QVERIFY(!m_pHook->installed());
    QList<bool> values;
    for (const QList<QVariant>& call : spy)
        values << call.at(0).toBool();
    QCOMPARE(values, (QList<bool>{false, true, false, true}));
}

void MacroRecordingTest::editModeRetypesKeyRow()
{
    m_pDialog->model()->setRows({ev(0x84, 0, 4), ev(6, 0, 1)});
    m_pDialog->setCurrentRow(0);
    m_pDialog->runCommand(MacroCommand::Edit);
    QVERIFY(m_pDialog->isEditMode());
    QVERIFY(m_pHook->installed());
    press(kScanB);
    QCOMPARE(m_pDialog->model()->rowEvent(0), ev(0x84, 0, 5));
    QCOMPARE(m_pDialog->rowEditField()->text(), QStringLiteral("B"));
    QCOMPARE(rows().size(), size_t(2)); // edit mode records nothing
    m_pDialog->setCurrentRow(1);
    QVERIFY(!m_pHook->installed()); // a delay row is edited through its field
}

void MacroRecordingTest::editModeChangesDelayAndDistance()
{
    m_pDialog->model()->setRows({ev(6, 0, 1), ev(2, 0, 251), ev(2, 10, 0)});
    m_pDialog->setCurrentRow(0);
    m_pDialog->runCommand(MacroCommand::Edit);
    m_pDialog->EditDelayChanged(QStringLiteral("1000"));
    QCOMPARE(m_pDialog->model()->rowEvent(0), ev(6, 0, 100));
    m_pDialog->EditMoveChanged(QStringLiteral("7")); // not a movement row
    QCOMPARE(m_pDialog->model()->rowEvent(0), ev(6, 0, 100));
    m_pDialog->setCurrentRow(1);
    m_pDialog->EditMoveChanged(QStringLiteral("9"));
    QCOMPARE(m_pDialog->model()->rowEvent(1), ev(2, 0, 247));
    m_pDialog->setCurrentRow(2);
    m_pDialog->EditMoveChanged(QStringLiteral("3"));
    QCOMPARE(m_pDialog->model()->rowEvent(2), ev(2, 3, 0));
}

void MacroRecordingTest::moveUpOnFirstAndDownOnLastChangeNothing()
{
    const Rows start{ev(0x84, 0, 4), ev(6, 0, 1), ev(0x04, 0, 4)};
    m_pDialog->model()->setRows(start);
    m_pDialog->setCurrentRow(0);
    m_pDialog->runCommand(MacroCommand::MoveUp);
    QCOMPARE(rows(), start);
    QCOMPARE(m_pDialog->currentRow(), 0);
    m_pDialog->setCurrentRow(2);
    m_pDialog->runCommand(MacroCommand::MoveDown);
    QCOMPARE(rows(), start);
    m_pDialog->runCommand(MacroCommand::Top);
    QCOMPARE(rows(), (Rows{ev(0x04, 0, 4), ev(0x84, 0, 4), ev(6, 0, 1)}));
    QCOMPARE(m_pDialog->currentRow(), 0);
}

void MacroRecordingTest::treeBounceUpRightClick()
{
    QTreeWidgetItem* right = m_pDialog->mouseTree()->topLevelItem(2);
    QCOMPARE(right->text(0), QStringLiteral("RIGHT CLICK"));
    m_pDialog->TreeitemClick(right->child(1), 0);
    QCOMPARE(rows(), (Rows{ev(0x01, 0, 2)}));
}

void MacroRecordingTest::treeButtonItemExpandsThenInserts()
{
    m_pDialog->defaultDelayCheck()->click();
    m_pDialog->defaultDelayEdit()->setText(QStringLiteral("40"));
    QTreeWidgetItem* left = m_pDialog->mouseTree()->topLevelItem(0);
    m_pDialog->mouseTree()->topLevelItem(1)->setExpanded(true);
    m_pDialog->TreeitemClick(left, 0);
    QVERIFY(rows().empty());
    QVERIFY(left->isExpanded());
    QVERIFY(!m_pDialog->mouseTree()->topLevelItem(1)->isExpanded());
    m_pDialog->TreeitemClick(left, 0);
    QCOMPARE(rows(), (Rows{ev(0x81, 0, 1), ev(6, 0, 4), ev(0x01, 0, 1), ev(6, 0, 4)}));
    QCOMPARE(m_pDialog->currentRow(), 3);
}

void MacroRecordingTest::movementItemInsertsAfterCurrentRow()
{
    m_pDialog->recordDelayCheck()->click();
    m_pDialog->model()->setRows({ev(0x81, 0, 1), ev(0x01, 0, 1)});
    m_pDialog->setCurrentRow(0);
    m_pDialog->moveDistanceEdit(2)->setText(QStringLiteral("5"));
    m_pDialog->moveButton(2)->click(); // "MOVE UP"
    QCOMPARE(rows(), (Rows{ev(0x81, 0, 1), ev(2, 251, 0), ev(6, 0, 1), ev(0x01, 0, 1)}));
    QCOMPARE(m_pDialog->currentRow(), 2);
}

void MacroRecordingTest::deleteRowAndInsertDelay()
{
    m_pDialog->model()->setRows({ev(0x84, 0, 4), ev(0x04, 0, 4)});
    m_pDialog->setCurrentRow(0);
    QCOMPARE(m_pDialog->delayType(), 0);
    m_pDialog->runCommand(MacroCommand::InsertDelay);
    QCOMPARE(rows(), (Rows{ev(0x84, 0, 4), ev(6, 0, 1), ev(0x04, 0, 4)}));
    // A macro without delay mode would lose the row when read back; the mouse would still play it.
    QCOMPARE(m_pDialog->delayType(), 1);
    QVERIFY(m_pDialog->recordDelayCheck()->isChecked());
    m_pDialog->setCurrentRow(2);
    m_pDialog->runCommand(MacroCommand::DeleteRow);
    QCOMPARE(rows().size(), size_t(2));
    QCOMPARE(m_pDialog->currentRow(), 1);
    m_pDialog->runCommand(MacroCommand::Clear);
    QVERIFY(rows().empty());
}

void MacroRecordingTest::copyCutPasteWithinLimits()
{
    const MacroEvent a = ev(0x84, 0, 4), b = ev(0x04, 0, 4), c = ev(0x84, 0, 5);
    m_pDialog->model()->setRows({a, b, c});
    QItemSelectionModel* selection = m_pDialog->table()->selectionModel();
    m_pDialog->setCurrentRow(0);
    selection->select(m_pDialog->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_pDialog->runCommand(MacroCommand::Copy);
    m_pDialog->setCurrentRow(2);
    m_pDialog->runCommand(MacroCommand::Paste);
    QCOMPARE(rows(), (Rows{a, b, c, a, b}));
    QCOMPARE(m_pDialog->currentRow(), 4);

    m_pDialog->setCurrentRow(0);
    m_pDialog->runCommand(MacroCommand::Cut);
    QCOMPARE(rows(), (Rows{b, c, a, b}));
    m_pDialog->setCurrentRow(3);
    m_pDialog->runCommand(MacroCommand::Paste);
    QCOMPARE(rows(), (Rows{b, c, a, b, a}));

    // Without delays a table holds 40 rows at most: a paste that would pass it is refused whole.
    m_pDialog->model()->setRows(Rows(39, a));
    m_pDialog->setCurrentRow(0);
    selection->select(m_pDialog->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_pDialog->runCommand(MacroCommand::Copy);
    m_pDialog->runCommand(MacroCommand::Paste);
    QCOMPARE(rows().size(), size_t(39));
}

void MacroRecordingTest::saveThreeOverFive()
{
    MacroFile five;
    five.DelayType = 1;
    five.events = {ev(0x84, 0, 4), ev(6, 0, 2), ev(0x04, 0, 4), ev(6, 0, 3), ev(0x84, 0, 9)};
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
    QCOMPARE(file.value(QStringLiteral("Setting/DelayType")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("Setting/WriteSign")).toInt(), 1);
    m_pDialog->reloadMacros();
    QCOMPARE(rows(), (Rows{ev(0x84, 0, 4), ev(6, 0, 2), ev(0x04, 0, 4)}));
    QCOMPARE(m_pDialog->currentRow(), 2);
}

void MacroRecordingTest::cancelDropsEdits()
{
    MacroFile stored;
    stored.DelayType = 0;
    stored.events = {ev(0x84, 0, 4), ev(6, 0, 2), ev(0x04, 0, 4), ev(9, 1, 2)};
    QVERIFY(saveMacro(QStringLiteral("name_1"), stored));
    m_pDialog->reloadMacros();
    // Without delay mode the delay is dropped; an event the table cannot show keeps its bytes.
    const Rows loaded{ev(0x84, 0, 4), ev(0x04, 0, 4), ev(9, 1, 2)};
    QCOMPARE(rows(), loaded);
    m_pDialog->runCommand(MacroCommand::Clear);
    m_pDialog->runCommand(MacroCommand::Cancel);
    QCOMPARE(rows(), loaded);
}

QTEST_MAIN(MacroRecordingTest)
#include "MacroRecordingTest.moc"
