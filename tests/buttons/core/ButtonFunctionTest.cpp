#include "buttons/core/ButtonFunction.h"
#include "buttons/core/ButtonDescription.h"
#include "store/keys/KeyCodes.h"

#include <QTest>

Q_DECLARE_METATYPE(DeviceEntry)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(ButtonInfo)

namespace {

DeviceEntry entry(quint8 type, quint8 p1, quint8 p2, quint8 p3)
{
    return DeviceEntry{type, p1, p2, p3};
}

ButtonInfo record(int fun, quint8 res1 = 0, int loop = 0, int keyNumber = 0)
{
    ButtonInfo info;
    info.Fun = fun;
    info.Res1 = res1;
    info.LoopNumber = loop;
    info.KeyNumber = keyNumber;
    return info;
}

ButtonInfo macroRecord(const QString& name, quint8 loopMode, int loop = 1, int fun = ButtonFunction::Macro)
{
    ButtonInfo info = record(fun, loopMode, loop);
    info.macroname = name;
    return info;
}

} // namespace

class ButtonFunctionTest : public QObject
{
    Q_OBJECT

private slots:
    void fixedEntries_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<DeviceEntry>("expected");
        QTest::addRow("1") << 1 << "Left" << entry(0x81, 0, 0, 0);
        QTest::addRow("2") << 2 << "Right" << entry(0x82, 0, 0, 0);
        QTest::addRow("3") << 3 << "Middle" << entry(0x83, 0, 0, 0);
        QTest::addRow("4") << 4 << "Forward" << entry(0x85, 0, 0, 0);
        QTest::addRow("5") << 5 << "Back" << entry(0x84, 0, 0, 0);
        QTest::addRow("13") << 13 << "" << entry(0x30, 0, 0, 0);
        QTest::addRow("16") << 16 << "Button Off" << entry(0, 0, 0, 0);
        QTest::addRow("17") << 17 << "Cut" << entry(0x8F, 0x01, 0x1B, 0);
        QTest::addRow("18") << 18 << "Copy" << entry(0x8F, 0x01, 0x06, 0);
        QTest::addRow("19") << 19 << "Paste" << entry(0x8F, 0x01, 0x19, 0);
        QTest::addRow("20") << 20 << "All" << entry(0x8F, 0x01, 0x04, 0);
        QTest::addRow("21") << 21 << "Find" << entry(0x8F, 0x01, 0x09, 0);
        QTest::addRow("22") << 22 << "New" << entry(0x8F, 0x01, 0x11, 0);
        QTest::addRow("23") << 23 << "Print" << entry(0x8F, 0x01, 0x13, 0);
        QTest::addRow("24") << 24 << "Save" << entry(0x8F, 0x01, 0x16, 0);
        QTest::addRow("25") << 25 << "Switch Window" << entry(0x8F, 0x04, 0x2B, 0);
        QTest::addRow("26") << 26 << "Close Window" << entry(0x8F, 0x04, 0x3D, 0);
        QTest::addRow("27") << 27 << "My Computer" << entry(0x8F, 0x08, 0x08, 0);
        QTest::addRow("28") << 28 << "Run" << entry(0x8F, 0x08, 0x15, 0);
        QTest::addRow("29") << 29 << "Show Desktop" << entry(0x8F, 0x08, 0x07, 0);
        QTest::addRow("30") << 30 << "Lock PC" << entry(0x8F, 0x08, 0x0F, 0);
        QTest::addRow("31") << 31 << "Browser Home" << entry(0x8E, 0x01, 0x23, 0x02);
        QTest::addRow("32") << 32 << "Browser Backward" << entry(0x8E, 0x01, 0x24, 0x02);
        QTest::addRow("33") << 33 << "Browser Forward" << entry(0x8E, 0x01, 0x25, 0x02);
        QTest::addRow("34") << 34 << "Browser Stop" << entry(0x8E, 0x01, 0x26, 0x02);
        QTest::addRow("35") << 35 << "Browser Refresh" << entry(0x8E, 0x01, 0x27, 0x02);
        QTest::addRow("36") << 36 << "Browser Search" << entry(0x8E, 0x01, 0x21, 0x02);
        QTest::addRow("37") << 37 << "Browser Favorite" << entry(0x8E, 0x01, 0x2A, 0x02);
        QTest::addRow("38") << 38 << "Mail" << entry(0x8E, 0x01, 0x8A, 0x01);
        QTest::addRow("39") << 39 << "Play/Pause" << entry(0x8E, 0x01, 0xCD, 0);
        QTest::addRow("40") << 40 << "Stop" << entry(0x8E, 0x01, 0xB7, 0);
        QTest::addRow("41") << 41 << "Previous Track" << entry(0x8E, 0x01, 0xB6, 0);
        QTest::addRow("42") << 42 << "Next Track" << entry(0x8E, 0x01, 0xB5, 0);
        QTest::addRow("43") << 43 << "Volume Up" << entry(0x8E, 0x01, 0xE9, 0);
        QTest::addRow("44") << 44 << "Volume Down" << entry(0x8E, 0x01, 0xEA, 0);
        QTest::addRow("45") << 45 << "Mute" << entry(0x8E, 0x01, 0xE2, 0);
        QTest::addRow("46") << 46 << "Media Player" << entry(0x8E, 0x01, 0x83, 0x01);
        QTest::addRow("47") << 47 << "DPI Switch" << entry(0x88, 0, 0, 0);
        QTest::addRow("48") << 48 << "DPI +" << entry(0x8A, 0, 0, 0);
        QTest::addRow("49") << 49 << "DPI -" << entry(0x89, 0, 0, 0);
        QTest::addRow("50") << 50 << "Rate +" << entry(0x97, 0, 0, 0);
        QTest::addRow("51") << 51 << "Rate -" << entry(0x98, 0, 0, 0);
        QTest::addRow("52") << 52 << "Scroll Up" << entry(0x8B, 0, 0, 0);
        QTest::addRow("53") << 53 << "Scroll Down" << entry(0x8C, 0, 0, 0);
        QTest::addRow("54") << 54 << "Led Switch" << entry(0x9B, 0x08, 0, 0);
        QTest::addRow("57") << 57 << "Profile +" << entry(0x94, 0, 0, 0);
        QTest::addRow("58") << 58 << "Profile -" << entry(0x95, 0, 0, 0);
        QTest::addRow("59") << 59 << "Profile Switch" << entry(0x8D, 0, 0, 0);
        QTest::addRow("60") << 60 << "" << entry(0x9F, 0, 0, 0);
        // Codes that do not exist give the entry of "Button Off".
        QTest::addRow("0") << 0 << "" << entry(0, 0, 0, 0);
        QTest::addRow("8") << 8 << "" << entry(0, 0, 0, 0);
        QTest::addRow("11") << 11 << "" << entry(0, 0, 0, 0);
        QTest::addRow("14") << 14 << "" << entry(0, 0, 0, 0);
        QTest::addRow("56") << 56 << "" << entry(0, 0, 0, 0);
        QTest::addRow("61") << 61 << "" << entry(0, 0, 0, 0);
        QTest::addRow("-1") << -1 << "" << entry(0, 0, 0, 0);
        QTest::addRow("100000") << 100000 << "" << entry(0, 0, 0, 0);
    }
    void fixedEntries()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(DeviceEntry, expected);
        QCOMPARE(deviceEntryFor(code), expected);
        // A record with a fixed code is sent as its row.
        ButtonInfo info = record(code, 0x55, 7, 70);
        MacroSlotMap slotMap;
        QCOMPARE(encodeButtonEntry(info, 3325, slotMap), expected);
        QVERIFY(slotMap.empty());
        const char* entryText = buttonFunctionText(code);
        QCOMPARE(QString::fromLatin1(entryText ? entryText : ""), text);
    }

    void tableHoldsTheFiftyFiveCodes()
    {
        const int expectedCodes[] = {1,  2,  3,  4,  5,  6,  7,  12, 13, 16, 17, 18, 19, 20, 21, 22,  23, 24, 25,
                                     26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,  42, 43, 44,
                                     45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 57, 58, 59, 60, 200, 510};
        QCOMPARE(int(sizeof(expectedCodes) / sizeof(expectedCodes[0])), kButtonFunctionCount);
        for (int i = 0; i < kButtonFunctionCount; ++i)
            QCOMPARE(buttonFunctionRows()[i].code, expectedCodes[i]);
        // Not built into the menus: the profile entries, the gun file and the two codes without a text.
        for (int code : {13, 57, 58, 59, 60, 510})
            QVERIFY(!buttonFunctionRow(code)->offered);
        QVERIFY(buttonFunctionRow(200)->offered);
        QCOMPARE(QString::fromLatin1(buttonFunctionText(200)), QStringLiteral("Macro Manager"));
        QCOMPARE(QString::fromLatin1(buttonFunctionText(510)), QStringLiteral("GunFile Manager"));
        QCOMPARE(QString::fromLatin1(buttonFunctionText(55)), QStringLiteral("SNIPER"));
        QVERIFY(buttonFunctionRow(52)->category == MenuCategory::TopLevel);
        QVERIFY(!menuCategoryText(MenuCategory::TopLevel));
        QCOMPARE(QString::fromLatin1(menuCategoryText(buttonFunctionRow(50)->category)),
                 QStringLiteral("Polling Rate"));
        QCOMPARE(QString::fromLatin1(menuCategoryText(buttonFunctionRow(48)->category)), QStringLiteral("DPI"));
        QCOMPARE(QString::fromLatin1(menuCategoryText(buttonFunctionRow(57)->category)),
                 QStringLiteral("Profile Menu"));
    }

    void ruleEntries_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("fun");
        QTest::addColumn<int>("res1");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("keyNumber");
        QTest::addColumn<DeviceEntry>("expected");
        QTest::addRow("single key A") << 0 << 6 << 30 << 0 << 0 << entry(0x90, 0, 0x04, 0);
        QTest::addRow("single key num 1") << 0 << 6 << 230 << 0 << 0 << entry(0x90, 0, 0x59, 0);
        QTest::addRow("single key mouse button") << 0 << 6 << 240 << 0 << 0 << entry(0x90, 0, 0, 0);
        QTest::addRow("fire source 0") << 0 << 12 << 0 << 9 << 500 << entry(0x99, 0x81, 0x03, 0);
        QTest::addRow("fire right 5 x 30ms") << 0 << 12 << 0x82 << 5 << 30 << entry(0x99, 0x82, 0x05, 0x03);
        QTest::addRow("fire key A") << 0 << 12 << 0x04 << 300 << 2599 << entry(0x99, 0x04, 0x2C, 0x03);
        QTest::addRow("fire 9 ms") << 0 << 12 << 0x84 << 1 << 9 << entry(0x99, 0x84, 0x01, 0x00);
        QTest::addRow("sniper 3325 step 3") << 3325 << 55 << 3 << 0 << 0 << entry(0x9A, 1, 6, 6);
        QTest::addRow("sniper 3325 step 10") << 3325 << 55 << 10 << 0 << 0 << entry(0x9A, 1, 22, 22);
        QTest::addRow("sniper 3327 step 1") << 3327 << 55 << 1 << 0 << 0 << entry(0x9A, 1, 4, 4);
        QTest::addRow("sniper 3327 step 10") << 3327 << 55 << 10 << 0 << 0 << entry(0x9A, 1, 24, 24);
        QTest::addRow("sniper 3335 step 1") << 3335 << 55 << 1 << 0 << 0 << entry(0x9A, 1, 0, 0);
        QTest::addRow("sniper 3335 step 8") << 3335 << 55 << 8 << 0 << 0 << entry(0x9A, 1, 9, 9);
        QTest::addRow("sniper 3360 step 5") << 3360 << 55 << 5 << 0 << 0 << entry(0x9A, 1, 4, 4);
        QTest::addRow("sniper 3389 step 20") << 3389 << 55 << 20 << 0 << 0 << entry(0x9A, 1, 20, 20);
        QTest::addRow("sniper 3212 step 32") << 3212 << 55 << 32 << 0 << 0 << entry(0x9A, 1, 32, 32);
        QTest::addRow("sniper 3104 step 14") << 3104 << 55 << 14 << 0 << 0 << entry(0x9A, 1, 14, 14);
        QTest::addRow("sniper unknown sensor") << 3333 << 55 << 5 << 0 << 0 << entry(0x9A, 1, 4, 4);
        QTest::addRow("sniper no sensor") << 0 << 55 << 5 << 0 << 0 << entry(0x9A, 1, 4, 4);
        // Steps from a file outside the table take its last entry; 3360 step 0 does not wrap to 255.
        QTest::addRow("sniper 3325 step 200") << 3325 << 55 << 200 << 0 << 0 << entry(0x9A, 1, 22, 22);
        QTest::addRow("sniper 3360 step 0") << 3360 << 55 << 0 << 0 << 0 << entry(0x9A, 1, 0, 0);
    }
    void ruleEntries()
    {
        QFETCH(int, sensor);
        QFETCH(int, fun);
        QFETCH(int, res1);
        QFETCH(int, loop);
        QFETCH(int, keyNumber);
        QFETCH(DeviceEntry, expected);
        ButtonInfo info = record(fun, static_cast<quint8>(res1), loop, keyNumber);
        MacroSlotMap slotMap;
        QCOMPARE(encodeButtonEntry(info, sensor, slotMap), expected);
    }

    void comboEntries_data()
    {
        QTest::addColumn<std::vector<int>>("keys");
        QTest::addColumn<DeviceEntry>("expected");
        QTest::addRow("ctrl shift A") << std::vector<int>{0x1D, 0x2A, 30} << entry(0x8F, 0x03, 0x04, 0);
        QTest::addRow("modifiers only") << std::vector<int>{0x1D, 0x38} << entry(0x8F, 0x05, 0, 0);
        QTest::addRow("right side modifiers B") << std::vector<int>{238, 54, 239, 92, 48} << entry(0x8F, 0x0F, 0x05, 0);
        QTest::addRow("win E") << std::vector<int>{0x5B, 18} << entry(0x8F, 0x08, 0x08, 0);
        // With two plain keys the last event walked (the first key's release) names the chord key.
        QTest::addRow("A then B") << std::vector<int>{30, 48} << entry(0x8F, 0, 0x04, 0);
        QTest::addRow("no keys") << std::vector<int>{} << entry(0x8F, 0, 0, 0);
        QTest::addRow("mouse button only") << std::vector<int>{240} << entry(0x8F, 0, 0, 0);
    }
    void comboEntries()
    {
        QFETCH(std::vector<int>, keys);
        QFETCH(DeviceEntry, expected);
        ButtonInfo info = record(ButtonFunction::ComboKey);
        setComboEvents(info, keys);
        MacroSlotMap slotMap;
        QCOMPARE(encodeButtonEntry(info, 0, slotMap), expected);
    }

    void comboUsageOutsideTheTableIsTheChordKey()
    {
        ButtonInfo info = record(ButtonFunction::ComboKey);
        info.keys[0] = KeyInfo{0xE0, 5, 0x80}; // LCtr
        info.keys[1] = KeyInfo{0x32, 5, 0x80}; // no key code for this usage
        info.keys[2] = KeyInfo{0x32, 5, 0};
        info.keys[3] = KeyInfo{0xE0, 5, 0};
        info.keys[10] = KeyInfo{0x04, 5, 0x80}; // past the ten events walked
        MacroSlotMap slotMap;
        QCOMPARE(encodeButtonEntry(info, 0, slotMap), entry(0x8F, 0x01, 0x32, 0));
    }

    void comboEventsLayout()
    {
        ButtonInfo info = record(ButtonFunction::ComboKey, 9, 11, 12);
        info.Res4 = 4;
        for (KeyInfo& k : info.keys)
            k = KeyInfo{0x77, 0x77, 0x77};
        // Zero keys are skipped without counting; at most five keys are taken.
        setComboEvents(info, {0, 30, 0, 48, 46, 32, 18, 33});
        const quint8 usages[] = {0x04, 0x05, 0x06, 0x07, 0x08};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(int(info.keys[i].map), int(usages[i]));
            QCOMPARE(int(info.keys[i].low), 5);
            QCOMPARE(int(info.keys[i].high), 0x80);
            QCOMPARE(int(info.keys[9 - i].map), int(usages[i]));
            QCOMPARE(int(info.keys[9 - i].low), 5);
            QCOMPARE(int(info.keys[9 - i].high), 0);
        }
        for (int i = 10; i < kKeyStepCount; ++i)
            QCOMPARE(int(info.keys[i].map) + info.keys[i].low + info.keys[i].high, 0);
        QCOMPARE(info.LoopNumber, 11);
        QCOMPARE(info.KeyNumber, 12);
        QCOMPARE(int(info.Res1), 9);
        QCOMPARE(int(info.Res4), 4);
    }

    void macroEntries_data()
    {
        QTest::addColumn<int>("fun");
        QTest::addColumn<int>("loopMode");
        QTest::addColumn<int>("loop");
        QTest::addColumn<DeviceEntry>("expected");
        // Two names already hold slots 0 and 1, so the new name gets slot 2.
        QTest::addRow("loop count") << 200 << 0 << 0x1234 << entry(0x91, 0x02, 0x34, 0x12);
        QTest::addRow("repeat while held") << 200 << 1 << 7 << entry(0x91, 0x82, 0xFF, 0xFF);
        QTest::addRow("repeat until pressed") << 200 << 2 << 7 << entry(0x91, 0x42, 0xFF, 0xFF);
        QTest::addRow("unknown mode as loop count") << 200 << 3 << 5 << entry(0x91, 0x02, 0x05, 0x00);
        QTest::addRow("gun file") << 510 << 0 << 255 << entry(0x9D, 0x02, 0xFF, 0x00);
        QTest::addRow("gun file held") << 510 << 1 << 1 << entry(0x9D, 0x82, 0xFF, 0xFF);
    }
    void macroEntries()
    {
        QFETCH(int, fun);
        QFETCH(int, loopMode);
        QFETCH(int, loop);
        QFETCH(DeviceEntry, expected);
        MacroSlotMap slotMap{{0, "first"}, {1, "second"}};
        ButtonInfo info = macroRecord("third", static_cast<quint8>(loopMode), loop, fun);
        QCOMPARE(encodeButtonEntry(info, 0, slotMap), expected);
        QCOMPARE(int(info.Res4), 2);
        QCOMPARE(slotMap.size(), size_t(3));
        QCOMPARE(slotMap[2], QStringLiteral("third"));
    }

    void macroSlotAssignment()
    {
        MacroSlotMap slotMap;
        ButtonInfo a = macroRecord("A", 0);
        ButtonInfo b = macroRecord("B", 0);
        ButtonInfo a2 = macroRecord("A", 1);
        QCOMPARE(encodeButtonEntry(a, 0, slotMap)[1], quint8(0));
        QCOMPARE(encodeButtonEntry(b, 0, slotMap)[1], quint8(1));
        QCOMPARE(encodeButtonEntry(a2, 0, slotMap)[1], quint8(0x80));
        QCOMPARE(int(a2.Res4), 0);
        QCOMPARE(slotMap.size(), size_t(2));

        // A map with a hole (a name already downloaded) must not hand out a slot that is still taken.
        MacroSlotMap holed{{0, "x"}, {2, "y"}};
        ButtonInfo c = macroRecord("C", 0);
        QCOMPARE(encodeButtonEntry(c, 0, holed)[1], quint8(3));
        QCOMPARE(holed[2], QStringLiteral("y"));
        QCOMPARE(holed[3], QStringLiteral("C"));
    }

    // What a label and the command line say, read from the bytes the mouse gets.
    void descriptions_data()
    {
        QTest::addColumn<ButtonInfo>("info");
        QTest::addColumn<QString>("text");
        ButtonInfo combo = record(ButtonFunction::ComboKey);
        setComboEvents(combo, {0x1D, 0x2A, 0x1E}); // Ctrl, Shift, A
        ButtonInfo modifiersOnly = record(ButtonFunction::ComboKey);
        setComboEvents(modifiersOnly, {0x38});
        QTest::addRow("single key") << record(ButtonFunction::SingleKey, 0x42) << "F8";
        QTest::addRow("key the mouse cannot send") << record(ButtonFunction::SingleKey, 0xF0) << "SINGLE KEY";
        QTest::addRow("combo") << combo << "Ctrl+Shift+A";
        QTest::addRow("modifier only") << modifiersOnly << "Alt";
        QTest::addRow("named chord") << record(ButtonFunction::Copy) << "Copy";
        QTest::addRow("media") << record(ButtonFunction::NextTrack) << "Next Track";
        QTest::addRow("fire key") << record(ButtonFunction::FireKey, 0x0E, 5, 50) << "Fire K ×5 / 50 ms";
        QTest::addRow("fire button") << record(ButtonFunction::FireKey, 0x82, 3, 35) << "Fire Right ×3 / 30 ms";
        QTest::addRow("fire default") << record(ButtonFunction::FireKey, 0, 9, 90) << "Fire Left ×3 / 0 ms";
        QTest::addRow("sniper") << record(ButtonFunction::Sniper, 5) << "Sniper 500 DPI";
        QTest::addRow("macro once") << macroRecord("Reload", 0, 1) << "Reload";
        QTest::addRow("macro times") << macroRecord("Reload", 0, 3) << "Reload ×3";
        QTest::addRow("macro held") << macroRecord("Reload", 1) << "Reload (while held)";
        QTest::addRow("macro toggled") << macroRecord("Reload", 2) << "Reload (until pressed again)";
        QTest::addRow("odd loop mode counts") << macroRecord("Reload", 7, 4) << "Reload ×4";
        QTest::addRow("macro without name") << macroRecord("", 0) << "Macro Manager";
        QTest::addRow("no menu entry") << record(ButtonFunction::Code60) << "";
        QTest::addRow("not a code") << record(999) << "";
    }
    void descriptions()
    {
        QFETCH(ButtonInfo, info);
        QFETCH(QString, text);
        const ButtonDescription description = describeButton(info, 3360);
        QCOMPARE(buttonDescriptionText(description, [](const char* s) { return QString::fromUtf8(s); }), text);
    }

    void otherLeftClick()
    {
        ProfileData profile;
        for (ButtonInfo& b : profile.buttons)
            b.Fun = ButtonFunction::ButtonOff;
        profile.buttons[0].Fun = ButtonFunction::Left;
        QVERIFY(!hasOtherLeftClick(profile, 0));
        QVERIFY(hasOtherLeftClick(profile, 5));
        profile.buttons[41].Fun = ButtonFunction::Left;
        QVERIFY(hasOtherLeftClick(profile, 0));
        QVERIFY(hasOtherLeftClick(profile, 41));
        profile.buttons[0].Fun = ButtonFunction::Right;
        QVERIFY(!hasOtherLeftClick(profile, 41));
        QVERIFY(hasOtherLeftClick(profile, -1));
    }
};

QTEST_GUILESS_MAIN(ButtonFunctionTest)
#include "ButtonFunctionTest.moc"
