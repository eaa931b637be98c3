#include "TestDataHome.h"
#include "TestMain.h"
#include "buttons/core/ButtonFunction.h"
#include "buttons/ui/OrnBtnWindow.h"
#include "buttons/ui/OrnComboKeyWindow.h"
#include "buttons/ui/OrnFireKeyWindow.h"
#include "buttons/ui/OrnMacroSelect.h"
#include "buttons/ui/OrnSingleKeyWindow.h"
#include "buttons/ui/OrnSniperWindow.h"
#include "macro/core/MacroFiles.h"
#include "platform/keyhook/KeyboardHook.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/RecordEquality.h"
#include "store/keys/KeyCodes.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace F = ButtonFunction;

namespace {

platform::RawKeyEvent raw(quint32 scanCode, quint32 flags)
{
    return platform::RawKeyEvent{scanCode, flags, 0, (flags & 0x80) == 0, false};
}

} // namespace

class TestCaptureDialogs : public QObject
{
    Q_OBJECT
private slots:
    void singleKeyPresetAndRepeat()
    {
        OrnSingleKeyWindow dialog;
        QCOMPARE(dialog.capturedCode(), quint8(0));
        dialog.preset(0x1E);
        QCOMPARE(dialog.keyText(), QStringLiteral("A"));
        QVERIFY(!dialog.handleRawKey(raw(0x30, 0))); // passed on
        dialog.handleRawKey(raw(0x30, 0));           // held: repeats change nothing
        dialog.handleRawKey(raw(0x38, 0x21));        // right Alt
        QCOMPARE(dialog.capturedCode(), quint8(0xEF));
        QCOMPARE(dialog.keyText(), QStringLiteral("RAlt"));
    }

    void comboModifiers()
    {
        OrnComboKeyWindow alt;
        alt.handleRawKey(raw(0x38, 0x21)); // right Alt down
        alt.handleRawKey(raw(0x10, 0x20)); // Q with Alt held
        QCOMPARE(alt.comboText(), QStringLiteral("LAlt + Q"));
        QCOMPARE(alt.comboKeys(), (std::vector<int>{0x38, 0x10}));
        QCOMPARE(alt.snapshot()[OrnComboKeyWindow::kAlt], quint8(2));

        // The two sides of a modifier are held independently.
        OrnComboKeyWindow dialog;
        dialog.handleRawKey(raw(0x1D, 0x00)); // left Ctrl down
        dialog.handleRawKey(raw(0x1D, 0x01)); // right Ctrl down
        dialog.handleRawKey(raw(0x1D, 0x80)); // left up first
        dialog.handleRawKey(raw(0x2E, 0x00)); // C: right Ctrl is still held
        QCOMPARE(dialog.comboText(), QStringLiteral("LCtr + C"));
        dialog.handleRawKey(raw(0x2E, 0x80));
        dialog.handleRawKey(raw(0x1D, 0x81)); // right up: nothing held any more
        dialog.handleRawKey(raw(0x2A, 0x00)); // Shift alone
        QCOMPARE(dialog.comboText(), QStringLiteral("LShift"));
        QCOMPARE(dialog.comboKeys(), (std::vector<int>{0x2A}));
        // Releasing a key that is not the held one leaves the held one in place.
        dialog.handleRawKey(raw(0x1E, 0x00));
        dialog.handleRawKey(raw(0x30, 0x80));
        dialog.handleRawKey(raw(0x1D, 0x00));
        QCOMPARE(dialog.comboText(), QStringLiteral("LShift + LCtr + A"));
    }

    void comboPresetKeptOrRefused()
    {
        OrnComboKeyWindow dialog;
        QVERIFY(!dialog.okButton()->isEnabled());
        dialog.handleRawKey(raw(0x1E, 0x80)); // a release alone makes no combination
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // nothing to store

        ButtonInfo record; // Ctrl, Alt, Delete pressed, then released in reverse order
        const quint8 usages[] = {0xE0, 0xE2, 0x4C};
        for (int i = 0; i < 3; ++i) {
            record.keys[i] = KeyInfo{usages[i], 5, 0x80};
            record.keys[5 - i] = KeyInfo{usages[i], 5, 0};
        }
        dialog.preset(record);
        QCOMPARE(dialog.comboText(), QStringLiteral("LCtr + LAlt + Delete"));
        QVERIFY(dialog.okButton()->isEnabled());
        dialog.handleRawKey(raw(0x4C, 0x80)); // a stray release keeps the preset
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.comboKeys(), (std::vector<int>{0x1D, 0x38, 0x53}));
    }

    void fireCaptureRules()
    {
        OrnFireKeyWindow dialog;
        dialog.handleRawKey(raw(0x1E, 0)); // "Left" ticked: typing captures nothing
        QCOMPARE(dialog.keyText(), QString());
        QCOMPARE(dialog.sourceByte(), quint8(0x81));

        dialog.sourceBox(OrnFireKeyWindow::kKeyboard)->click();
        QVERIFY(!dialog.sourceBox(OrnFireKeyWindow::kLeft)->isChecked());
        QVERIFY(!dialog.handleRawKey(raw(0x4F, 0))); // keypad 1, passed on
        QCOMPARE(dialog.capturedCode(), quint8(0xE6));
        QCOMPARE(dialog.sourceByte(), quint8(0x59));

        // The Return that leaves an edit is not taken as the key.
        dialog.onEditReturn();
        dialog.handleRawKey(raw(0x1C, 0x80));
        QCOMPARE(dialog.capturedCode(), quint8(0xE6));
        dialog.handleRawKey(raw(0x2C, 0)); // Z
        QCOMPARE(dialog.keyText(), QStringLiteral("Z"));

        dialog.sourceBox(OrnFireKeyWindow::kMiddle)->click();
        QCOMPARE(dialog.keyText(), QString());
        QCOMPARE(dialog.capturedCode(), quint8(0));
        QCOMPARE(dialog.sourceByte(), quint8(0x84));

        // A stored fire key opens as it was chosen.
        ButtonInfo record;
        record.Res1 = 0x09; // F
        record.LoopNumber = 7;
        record.KeyNumber = 20;
        OrnFireKeyWindow shown;
        shown.preset(record);
        QCOMPARE(shown.keyText(), QStringLiteral("F"));
        QCOMPARE(shown.timesEdit()->text(), QStringLiteral("7"));
        QCOMPARE(shown.delayEdit()->text(), QStringLiteral("20"));
        QVERIFY(shown.sourceBox(OrnFireKeyWindow::kKeyboard)->isChecked());
    }

    // OK stays off, and accept() refuses, until the fire key would fire something the user asked for.
    void fireIncompleteRefused_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("delay");
        QTest::addRow("keyboard without a key") << int(OrnFireKeyWindow::kKeyboard) << "3"
                                                << "10";
        QTest::addRow("no shots") << int(OrnFireKeyWindow::kLeft) << ""
                                  << "10";
        QTest::addRow("no pause") << int(OrnFireKeyWindow::kRight) << "3"
                                  << "5";
        QTest::addRow("no delay") << int(OrnFireKeyWindow::kMiddle) << "3"
                                  << "";
    }
    void fireIncompleteRefused()
    {
        QFETCH(int, source);
        QFETCH(QString, times);
        QFETCH(QString, delay);
        OrnFireKeyWindow dialog;
        dialog.setSource(source);
        dialog.timesEdit()->setText(times);
        dialog.delayEdit()->setText(delay);
        QVERIFY(!dialog.okButton()->isEnabled());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        if (source == OrnFireKeyWindow::kKeyboard)
            dialog.handleRawKey(raw(0x2A, 0)); // left Shift has a usage
        dialog.timesEdit()->setText(QStringLiteral("3"));
        dialog.delayEdit()->setText(QStringLiteral("10"));
        QVERIFY(dialog.okButton()->isEnabled());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void sniperPreset_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("dpi");
        QTest::addRow("3104 step 30") << 3104 << 30 << 14 << 14 << 26 << "500"; // 14 x 38 = 532 -> 530 -> 500
        QTest::addRow("3325 step 0") << 3325 << 0 << 3 << 1 << 10 << "300";
        QTest::addRow("3212 step 40") << 3212 << 40 << 16 << 16 << 32 << "";
    }
    void sniperPreset()
    {
        QFETCH(int, sensor);
        QFETCH(int, stored);
        QFETCH(int, minimum);
        QFETCH(QString, dpi);
        OrnSniperWindow dialog(sensor);
        dialog.preset(stored);
        QTEST(dialog.step(), "step");
        QCOMPARE(dialog.slider()->minimum(), minimum);
        QTEST(dialog.slider()->maximum(), "maximum");
        if (!dpi.isEmpty())
            QCOMPARE(dialog.dpiText(), dpi);
        dialog.slider()->setValue(minimum + 1);
        QCOMPARE(dialog.step(), minimum + 1);
    }

    void macroSelectNeedsNameAndCount()
    {
        TestDataHome home;
        OrnMacroSelect empty("MACRO SELECT", QString(), 1, 0);
        QVERIFY(!empty.okButton()->isEnabled());
        empty.accept();
        QCOMPARE(empty.result(), int(QDialog::Rejected));
        empty.selectMacro(QStringLiteral("Any"));
        QVERIFY(empty.okButton()->isEnabled());

        OrnMacroSelect dialog("MACRO SELECT", QStringLiteral("Reload"), 12, 2);
        QCOMPARE(dialog.selectedName(), QStringLiteral("Reload"));
        QCOMPARE(dialog.loopCount(), 12);
        QCOMPARE(dialog.loopMode(), 2);
        dialog.loopOption(0)->click(); // a counted loop
        QLineEdit* edit = dialog.loopCountEdit();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("0256"));
        QCOMPARE(edit->text(), QStringLiteral("25")); // no 0, at most 255
        edit->clear();
        QCOMPARE(dialog.loopCount(), 0);
        // A counted loop without a count would not run.
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.setLoopMode(1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

class TestBtnWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_home = std::make_unique<TestDataHome>();
        writeCurrentProductName(QStringLiteral("OSKEN R5"));
        m_profile = ProfileData{};
        m_profile.buttons[0].Fun = F::Left;
    }
    void cleanup() { m_home.reset(); }

    // Rebuilding after a language switch gives the same menus, not doubled ones.
    void menusAreRebuiltNotDoubled()
    {
        OrnBtnWindow window(m_profile);
        window.retranslate();
        QCOMPARE(window.mainMenu()->actions().size(), 14);
        QCOMPARE(window.extraMenu()->actions().size(), 11);
    }

    void plainPicks_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addRow("Right on front 1") << 0 << 1 << F::Right << "Right";
        QTest::addRow("Mail on side 5") << 1 << 5 << F::Mail << "Mail";
        QTest::addRow("Scroll Up on extra 0") << 2 << 0 << F::ScrollUp << "Scroll Up";
    }
    void plainPicks()
    {
        QFETCH(int, page);
        QFETCH(int, index);
        QFETCH(int, code);
        OrnBtnWindow window(m_profile);
        const int iRecord = index + 20 * page;
        ButtonInfo& record = m_profile.buttons[iRecord];
        record.LoopNumber = 9;
        record.Res1 = 0x44;
        record.macroname = QStringLiteral("kept");
        window.showPage(quint8(index), quint8(page));
        window.action(code)->trigger();
        QCOMPARE(record.Fun, code);
        QCOMPARE(record.LoopNumber, 9);
        QCOMPARE(record.Res1, quint8(0x44));
        QCOMPARE(record.macroname, QStringLiteral("kept"));
        QTEST(window.label(iRecord)->text(), "text");
    }

    void clickRule()
    {
        OrnBtnWindow window(m_profile);
        QSignalSpy refused(&window, &OrnBtnWindow::PopOneClickBox);
        window.showPage(0, 0);
        window.action(F::Right)->trigger();
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_profile.buttons[0].Fun, F::Left);
        QCOMPARE(window.selectedIndex(), quint8(0)); // the selection stays for another try

        window.action(F::Left)->trigger(); // Left on a Left record is always accepted
        window.showPage(5, 0);
        window.action(F::Left)->trigger();
        window.showPage(0, 0);
        window.action(F::Right)->trigger();
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_profile.buttons[0].Fun, F::Right);
        QCOMPARE(m_profile.buttons[5].Fun, F::Left);
    }

    void macroWithoutMacrosGoesToMacroTab()
    {
        OrnBtnWindow window(m_profile);
        bool bOpened = false;
        window.setDialogRunner([&](QDialog&) {
            bOpened = true;
            return int(QDialog::Accepted);
        });
        QSignalSpy tab(&window, &OrnBtnWindow::GotoMacroTab);
        window.showPage(2, 0);
        const ProfileData before = m_profile;
        window.action(F::Macro)->trigger();
        QCOMPARE(tab.count(), 1);
        QCOMPARE(tab.first().at(0).value<quint8>(), quint8(3));
        QVERIFY(!bOpened);
        QVERIFY(m_profile.buttons == before.buttons);
    }

    void macroPickCopiesEvents()
    {
        MacroFile big;
        for (int i = 0; i < 70; ++i)
            big.events.push_back(MacroEvent{quint8(0x84), quint8(i), quint8(0x04 + i % 3)});
        QVERIFY(saveMacro(QStringLiteral("Burst"), big));
        MacroFile small;
        small.events = {MacroEvent{0x81, 0x00, 0x01}, MacroEvent{0x06, 0x01, 0x2C}};
        QVERIFY(saveMacro(QStringLiteral("Two"), small));
        QSettings list(programConfigPath(), QSettings::IniFormat);
        list.setValue(QStringLiteral("MACRO_LIST/0"), QStringLiteral("Burst"));
        list.setValue(QStringLiteral("MACRO_LIST/1"), QStringLiteral("Two"));
        list.sync();

        ButtonInfo& record = m_profile.buttons[2];
        record.keys[63 - 1] = KeyInfo{9, 9, 9};
        OrnBtnWindow window(m_profile);
        window.setDialogRunner([&](QDialog& dialog) {
            auto* select = qobject_cast<OrnMacroSelect*>(&dialog);
            select->selectMacro(QStringLiteral("Burst"));
            select->setLoopMode(OrnMacroSelect::kRepeatWhileDown);
            select->accept();
            return dialog.result();
        });
        window.showPage(2, 0);
        window.action(F::Macro)->trigger();
        QCOMPARE(record.Fun, F::Macro);
        QCOMPARE(record.macroname, QStringLiteral("Burst"));
        QCOMPARE(record.Res1, quint8(1));
        QCOMPARE(record.LoopNumber, 1);
        QCOMPARE(record.KeyNumber, 63); // the record's room, not the file's 70
        QCOMPARE(record.keys[0], (KeyInfo{0x84, 0x04, 0}));
        QCOMPARE(record.keys[62], (KeyInfo{0x84, 0x04 + 62 % 3, 62}));
        QCOMPARE(window.label(2)->text(), QStringLiteral("Burst (while held)"));

        // Reopening shows the record's choice; a counted loop of 7 on the short macro.
        window.setDialogRunner([&](QDialog& dialog) {
            auto* select = qobject_cast<OrnMacroSelect*>(&dialog);
            if (select->selectedName() != QLatin1String("Burst") || select->loopMode() != 1)
                return int(QDialog::Rejected);
            select->selectMacro(QStringLiteral("Two"));
            select->setLoopMode(OrnMacroSelect::kLoopTimes);
            select->loopCountEdit()->setText(QStringLiteral("7"));
            select->accept();
            return dialog.result();
        });
        window.showPage(2, 0);
        window.action(F::Macro)->trigger();
        QCOMPARE(record.macroname, QStringLiteral("Two"));
        QCOMPARE(record.Res1, quint8(0));
        QCOMPARE(record.LoopNumber, 7);
        QCOMPARE(record.KeyNumber, 2);
        QCOMPARE(record.keys[1], (KeyInfo{0x06, 0x2C, 0x01}));

        // Cancelled, the dialog leaves the record and its label as they were.
        window.setDialogRunner([&](QDialog& dialog) {
            qobject_cast<OrnMacroSelect*>(&dialog)->selectMacro(QStringLiteral("Burst"));
            dialog.reject();
            return dialog.result();
        });
        const ProfileData before = m_profile;
        window.showPage(2, 0);
        window.action(F::Macro)->trigger();
        QVERIFY(m_profile.buttons == before.buttons);
        QCOMPARE(window.label(2)->text(), QStringLiteral("Two ×7"));
    }

    void capturedKeysStored()
    {
        OrnBtnWindow window(m_profile);
        window.setDialogRunner([&](QDialog& dialog) {
            qobject_cast<OrnSingleKeyWindow*>(&dialog)->handleRawKey(raw(0x53, 0x80)); // keypad Del released
            return int(QDialog::Accepted);
        });
        window.showPage(6, 0);
        window.action(F::SingleKey)->trigger();
        QCOMPARE(m_profile.buttons[6].Fun, F::SingleKey);
        QCOMPARE(int(m_profile.buttons[6].Res1), 0xE0);
        QCOMPARE(window.label(6)->text(), keyName(0xE0)); // the key, not the function's menu text

        window.setDialogRunner([&](QDialog& dialog) {
            auto* combo = qobject_cast<OrnComboKeyWindow*>(&dialog);
            combo->handleRawKey(raw(0x1D, 0)); // left Ctrl
            combo->handleRawKey(raw(0x2A, 0)); // left Shift
            combo->handleRawKey(raw(0x1E, 0)); // A
            combo->handleRawKey(raw(0x1E, 0x80));
            return int(QDialog::Accepted);
        });
        ButtonInfo& record = m_profile.buttons[4];
        record.keys[20] = KeyInfo{7, 7, 7};
        window.showPage(4, 0);
        window.action(F::ComboKey)->trigger();
        QCOMPARE(record.Fun, F::ComboKey);
        const KeyInfo expected[6] = {{0xE1, 5, 0x80}, {0xE0, 5, 0x80}, {0x04, 5, 0x80},
                                     {0x04, 5, 0x00}, {0xE0, 5, 0x00}, {0xE1, 5, 0x00}};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(record.keys[i], expected[i]);
        QCOMPARE(record.keys[20], (KeyInfo{0, 0, 0})); // every other event cleared

        window.setDialogRunner([&](QDialog& dialog) {
            auto* fire = qobject_cast<OrnFireKeyWindow*>(&dialog);
            fire->setSource(OrnFireKeyWindow::kKeyboard);
            fire->handleRawKey(raw(0x30, 0)); // B
            fire->timesEdit()->setText(QStringLiteral("12"));
            fire->delayEdit()->setText(QStringLiteral("50"));
            return int(QDialog::Accepted);
        });
        window.showPage(2, 0);
        window.action(F::FireKey)->trigger();
        const ButtonInfo& fire = m_profile.buttons[2];
        QCOMPARE(fire.Fun, F::FireKey);
        QCOMPARE(fire.Res1, quint8(0x05)); // HID usage of B
        QCOMPARE(fire.LoopNumber, 12);
        QCOMPARE(fire.KeyNumber, 50);
    }

    // A product that sends no side record shows its two thumb buttons on the side page, no blank labels.
    void sidePageShowsWhatTheProductSends()
    {
        writeCurrentProductName(QStringLiteral("Wireless Mouse"));
        OrnBtnWindow window(m_profile);
        window.resize(572, 440);
        window.layoutForProduct();
        window.setView(1, 0);
        QList<int> shown;
        for (int i = 0; i < OrnBtnWindow::kLabelCount; ++i) {
            if (window.label(i)->isVisibleTo(&window))
                shown << i;
        }
        QCOMPARE(shown, (QList<int>{3, 4}));
        // Other products keep the twenty side labels.
        writeCurrentProductName(QStringLiteral("K263"));
        window.setView(1, 0);
        QVERIFY(window.label(39)->isVisibleTo(&window));
    }

private:
    std::unique_ptr<TestDataHome> m_home;
    ProfileData m_profile;
};

int main(int argc, char** argv)
{
    return runTestClasses<QApplication, TestCaptureDialogs, TestBtnWindow>(argc, argv);
}

#include "tst_buttons_ui.moc"
