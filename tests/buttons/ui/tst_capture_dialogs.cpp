#include "TestDataHome.h"
#include "buttons/ui/OrnComboKeyWindow.h"
#include "buttons/ui/OrnFireKeyWindow.h"
#include "buttons/ui/OrnMacroSelect.h"
#include "buttons/ui/OrnSingleKeyWindow.h"
#include "buttons/ui/OrnSniperWindow.h"
#include "platform/keyhook/KeyboardHook.h"
#include "store/DataPaths.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

class TestCaptureDialogs : public QObject
{
    Q_OBJECT
private slots:
    void singleKeyPresetAndRepeat();
    void comboRightAltIsPress();
    void comboModifierSidesIndependent();
    void comboPresetKeptOrRefused();
    void comboFreshAfterPreset();
    void firePreset_data();
    void firePreset();
    void fireCaptureRules();
    void fireIncompleteRefused_data();
    void fireIncompleteRefused();
    void sniperPreset_data();
    void sniperPreset();
    void macroMenuInListOrder();
    void macroSelectPresetAndCount();
    void macroSelectNeedsName();
};

static platform::RawKeyEvent raw(quint32 scanCode, quint32 flags, quint32 virtualKey = 0)
{
    return platform::RawKeyEvent{scanCode, flags, virtualKey, (flags & 0x80) == 0, false};
}

static ButtonInfo comboRecord(std::initializer_list<quint8> usages)
{
    // Presses in order, then releases in reverse order.
    ButtonInfo record;
    record.Fun = 7;
    const std::vector<quint8> keys(usages);
    size_t i = 0;
    for (quint8 usage : keys)
        record.keys[i++] = KeyInfo{usage, 5, 0x80};
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        record.keys[i++] = KeyInfo{*it, 5, 0};
    return record;
}

void TestCaptureDialogs::singleKeyPresetAndRepeat()
{
    OrnSingleKeyWindow dialog;
    QCOMPARE(dialog.capturedCode(), quint8(0));
    dialog.preset(0x1E);
    QCOMPARE(dialog.keyText(), QStringLiteral("A"));
    QSignalSpy spy(&dialog, &OrnSingleKeyWindow::SetSingleKeyValue);
    QVERIFY(!dialog.handleRawKey(raw(0x30, 0))); // passed on
    dialog.handleRawKey(raw(0x30, 0));           // held: repeats change nothing
    QCOMPARE(spy.count(), 1);
    dialog.handleRawKey(raw(0x38, 0x21)); // right Alt
    QCOMPARE(dialog.capturedCode(), quint8(0xEF));
    QCOMPARE(dialog.keyText(), QStringLiteral("RAlt"));
}

void TestCaptureDialogs::comboRightAltIsPress()
{
    OrnComboKeyWindow dialog;
    dialog.handleRawKey(raw(0x38, 0x21)); // right Alt down
    dialog.handleRawKey(raw(0x10, 0x20)); // Q with Alt held
    QCOMPARE(dialog.comboText(), QStringLiteral("LAlt + Q"));
    QCOMPARE(dialog.comboKeys(), (std::vector<int>{0x38, 0x10}));
    QCOMPARE(dialog.snapshot()[OrnComboKeyWindow::kAlt], quint8(2));
}

void TestCaptureDialogs::comboModifierSidesIndependent()
{
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

void TestCaptureDialogs::comboPresetKeptOrRefused()
{
    {
        OrnComboKeyWindow dialog;
        QVERIFY(!dialog.okButton()->isEnabled());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // nothing to store
        dialog.handleRawKey(raw(0x1E, 0x80));              // a release alone makes no combination
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    OrnComboKeyWindow dialog;
    dialog.preset(comboRecord({0xE0, 0xE2, 0x4C})); // Ctrl, Alt, Delete
    QCOMPARE(dialog.comboText(), QStringLiteral("LCtr + LAlt + Delete"));
    QVERIFY(dialog.okButton()->isEnabled());
    dialog.handleRawKey(raw(0x4C, 0x80)); // a stray release keeps the preset
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.comboKeys(), (std::vector<int>{0x1D, 0x38, 0x53}));
}

void TestCaptureDialogs::comboFreshAfterPreset()
{
    OrnComboKeyWindow dialog;
    dialog.preset(comboRecord({0xE1, 0x04}));
    QCOMPARE(dialog.comboText(), QStringLiteral("LShift + A"));
    dialog.handleRawKey(raw(0x5B, 0x01)); // left Windows: a new combination starts
    QCOMPARE(dialog.comboText(), QStringLiteral("LWindows"));
}

void TestCaptureDialogs::firePreset_data()
{
    QTest::addColumn<int>("res1");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("delay");
    QTest::addRow("empty record") << 0 << 0 << 0 << 0 << ""
                                  << "3"
                                  << "10";
    QTest::addRow("left") << 0x81 << 5 << 40 << 0 << ""
                          << "5"
                          << "40";
    QTest::addRow("right") << 0x82 << 2 << 0 << 1 << ""
                           << "2"
                           << "10";
    QTest::addRow("middle") << 0x84 << 0 << 90 << 2 << ""
                            << "3"
                            << "90";
    QTest::addRow("key F") << 0x09 << 7 << 20 << 3 << "F"
                           << "7"
                           << "20";
    QTest::addRow("usage without key") << 0x32 << 1 << 10 << 3 << ""
                                       << "1"
                                       << "10";
}

void TestCaptureDialogs::firePreset()
{
    QFETCH(int, res1);
    QFETCH(int, loop);
    QFETCH(int, keyNumber);
    QFETCH(int, source);
    QFETCH(QString, key);
    ButtonInfo record;
    record.Fun = 12;
    record.Res1 = quint8(res1);
    record.LoopNumber = loop;
    record.KeyNumber = keyNumber;
    OrnFireKeyWindow dialog;
    dialog.preset(record);
    QCOMPARE(dialog.source(), source);
    QCOMPARE(dialog.keyText(), key);
    QFETCH(QString, times);
    QFETCH(QString, delay);
    QCOMPARE(dialog.timesEdit()->text(), times);
    QCOMPARE(dialog.delayEdit()->text(), delay);
    for (int i = 0; i < OrnFireKeyWindow::kSourceCount; ++i)
        QCOMPARE(dialog.sourceBox(i)->isChecked(), i == source);
}

void TestCaptureDialogs::fireCaptureRules()
{
    OrnFireKeyWindow dialog;
    dialog.handleRawKey(raw(0x1E, 0)); // "Left" ticked: typing captures nothing
    QCOMPARE(dialog.keyText(), QString());
    QCOMPARE(dialog.sourceByte(), quint8(0x81));

    QSignalSpy spy(&dialog, &OrnFireKeyWindow::SetFireKeyValue);
    dialog.sourceBox(OrnFireKeyWindow::kKeyboard)->click();
    QCOMPARE(dialog.source(), int(OrnFireKeyWindow::kKeyboard));
    QVERIFY(!dialog.sourceBox(OrnFireKeyWindow::kLeft)->isChecked());
    QVERIFY(spy.count() > 0);
    QVERIFY(!dialog.handleRawKey(raw(0x4F, 0))); // keypad 1, passed on
    QCOMPARE(dialog.capturedCode(), quint8(0xE6));
    QCOMPARE(dialog.sourceByte(), quint8(0x59));

    // The Return that leaves an edit is not taken as the key.
    dialog.onEditReturn();
    dialog.handleRawKey(raw(0x1C, 0x80));
    QCOMPARE(dialog.capturedCode(), quint8(0xE6));
    dialog.handleRawKey(raw(0x2C, 0)); // Z
    QCOMPARE(dialog.keyText(), QStringLiteral("Z"));

    dialog.timesEdit()->clear();
    QTest::keyClicks(dialog.timesEdit(), QStringLiteral("abc"));
    QCOMPARE(dialog.timesEdit()->text(), QString()); // refused by the validator
    QCOMPARE(dialog.times(), 0);
    dialog.delayEdit()->setText(QStringLiteral("x1"));
    QCOMPARE(dialog.delay(), 0);

    dialog.sourceBox(OrnFireKeyWindow::kMiddle)->click();
    QCOMPARE(dialog.keyText(), QString());
    QCOMPARE(dialog.capturedCode(), quint8(0));
    QCOMPARE(dialog.sourceByte(), quint8(0x84));
}

// OK stays off, and accept() refuses, until the fire key would fire something the user asked for.
void TestCaptureDialogs::fireIncompleteRefused_data()
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

void TestCaptureDialogs::fireIncompleteRefused()
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

void TestCaptureDialogs::sniperPreset_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("dpi");
    QTest::addRow("3104 step 30") << 3104 << 30 << 14 << 14 << 26 << "500"; // 14 x 38 = 532 -> 530, shown as 500
    QTest::addRow("3104 step 20") << 3104 << 20 << 20 << 14 << 26 << "760";
    QTest::addRow("3325 step 3") << 3325 << 3 << 3 << 1 << 10 << "300";
    QTest::addRow("3325 step 0") << 3325 << 0 << 3 << 1 << 10 << "300";
    QTest::addRow("3389 step 1") << 3389 << 1 << 6 << 2 << 20 << "";
    QTest::addRow("3212 step 16") << 3212 << 16 << 16 << 16 << 32 << "";
    QTest::addRow("3212 step 40") << 3212 << 40 << 16 << 16 << 32 << "";
}

void TestCaptureDialogs::sniperPreset()
{
    QFETCH(int, sensor);
    QFETCH(int, stored);
    QFETCH(int, step);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, dpi);
    OrnSniperWindow dialog(sensor);
    dialog.preset(stored);
    QCOMPARE(dialog.step(), step);
    QCOMPARE(dialog.slider()->value(), step);
    QCOMPARE(dialog.slider()->minimum(), minimum);
    QCOMPARE(dialog.slider()->maximum(), maximum);
    if (!dpi.isEmpty())
        QCOMPARE(dialog.dpiText(), dpi);
    QSignalSpy spy(&dialog, &OrnSniperWindow::SetSniperValue);
    dialog.slider()->setValue(minimum + 1);
    QCOMPARE(dialog.step(), minimum + 1);
    QCOMPARE(spy.count(), 1);
}

void TestCaptureDialogs::macroMenuInListOrder()
{
    TestDataHome home;
    {
        QSettings settings(programConfigPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("MACRO_LIST/7"), QStringLiteral("Seventh"));
        settings.setValue(QStringLiteral("MACRO_LIST/0"), QStringLiteral("First"));
        settings.setValue(QStringLiteral("MACRO_LIST/3"), QStringLiteral("Third"));
        settings.setValue(QStringLiteral("MACRO_LIST/5"), QString());
    }
    OrnMacroSelect dialog("MACRO SELECT", QString(), 1, 0);
    QStringList texts;
    for (const QAction* action : dialog.macroMenu()->actions())
        texts << action->text();
    QCOMPARE(texts, QStringList({"First", "Third", "Seventh"}));
    dialog.macroMenu()->actions().at(1)->trigger();
    QCOMPARE(dialog.selectedName(), QStringLiteral("Third"));
}

void TestCaptureDialogs::macroSelectPresetAndCount()
{
    TestDataHome home;
    OrnMacroSelect dialog("MACRO SELECT", QStringLiteral("Reload"), 12, 2);
    QCOMPARE(dialog.selectedName(), QStringLiteral("Reload"));
    QCOMPARE(dialog.loopCount(), 12);
    QCOMPARE(dialog.loopMode(), 2);
    QVERIFY(dialog.loopOption(2)->isChecked());
    dialog.loopOption(0)->click();
    QCOMPARE(dialog.loopMode(), 0);
    QVERIFY(!dialog.loopOption(2)->isChecked());

    QLineEdit* edit = dialog.loopCountEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("0"));
    QCOMPARE(edit->text(), QString()); // "0" cannot be typed
    QTest::keyClicks(edit, QStringLiteral("256"));
    QCOMPARE(edit->text(), QStringLiteral("25"));
    edit->clear();
    QCOMPARE(dialog.loopCount(), 0);
    // A counted loop without a count would not run.
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.setLoopMode(1);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestCaptureDialogs::macroSelectNeedsName()
{
    TestDataHome home;
    OrnMacroSelect dialog("MACRO SELECT", QString(), 1, 0);
    QVERIFY(!dialog.okButton()->isEnabled());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.selectMacro(QStringLiteral("Any"));
    QVERIFY(dialog.okButton()->isEnabled());
}

QTEST_MAIN(TestCaptureDialogs)
#include "tst_capture_dialogs.moc"
