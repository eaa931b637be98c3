#include "TestDataHome.h"
#include "TestMain.h"
#include "buttons/core/ButtonDescription.h"
#include "buttons/core/ButtonFunction.h"
#include "buttons/core/ButtonTable.h"
#include "buttons/core/ButtonWords.h"
#include "store/DataPaths.h"
#include "store/keys/KeyCodes.h"

#include <QSettings>
#include <QTest>
#include <vector>

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
        QTest::addRow("14") << 14 << "" << entry(0, 0, 0, 0);
        QTest::addRow("61") << 61 << "" << entry(0, 0, 0, 0);
        QTest::addRow("-1") << -1 << "" << entry(0, 0, 0, 0);
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

    void ruleEntries_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("fun");
        QTest::addColumn<int>("res1");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("keyNumber");
        QTest::addColumn<DeviceEntry>("expected");
        QTest::addRow("single key A") << 0 << 6 << 30 << 0 << 0 << entry(0x90, 0, 0x04, 0);
        QTest::addRow("single key mouse button") << 0 << 6 << 240 << 0 << 0 << entry(0x90, 0, 0, 0);
        QTest::addRow("fire source 0") << 0 << 12 << 0 << 9 << 500 << entry(0x99, 0x81, 0x03, 0);
        QTest::addRow("fire right 5 x 30ms") << 0 << 12 << 0x82 << 5 << 30 << entry(0x99, 0x82, 0x05, 0x03);
        QTest::addRow("fire key A") << 0 << 12 << 0x04 << 300 << 2599 << entry(0x99, 0x04, 0x2C, 0x03);
        QTest::addRow("sniper 3325 step 10") << 3325 << 55 << 10 << 0 << 0 << entry(0x9A, 1, 22, 22);
        QTest::addRow("sniper 3327 step 10") << 3327 << 55 << 10 << 0 << 0 << entry(0x9A, 1, 24, 24);
        QTest::addRow("sniper 3335 step 1") << 3335 << 55 << 1 << 0 << 0 << entry(0x9A, 1, 0, 0);
        QTest::addRow("sniper 3360 step 5") << 3360 << 55 << 5 << 0 << 0 << entry(0x9A, 1, 4, 4);
        QTest::addRow("sniper unknown sensor") << 3333 << 55 << 5 << 0 << 0 << entry(0x9A, 1, 4, 4);
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
        QTest::addRow("named chord") << record(ButtonFunction::Copy) << "Copy";
        QTest::addRow("fire key") << record(ButtonFunction::FireKey, 0x0E, 5, 50) << "Fire K ×5 / 50 ms";
        QTest::addRow("fire button") << record(ButtonFunction::FireKey, 0x82, 3, 35) << "Fire Right ×3 / 30 ms";
        QTest::addRow("sniper") << record(ButtonFunction::Sniper, 5) << "Sniper 500 DPI";
        QTest::addRow("macro times") << macroRecord("Reload", 0, 3) << "Reload ×3";
        QTest::addRow("macro held") << macroRecord("Reload", 1) << "Reload (while held)";
        QTest::addRow("odd loop mode counts") << macroRecord("Reload", 7, 4) << "Reload ×4";
        QTest::addRow("macro without name") << macroRecord("", 0) << "Macro Manager";
        QTest::addRow("no menu entry") << record(ButtonFunction::Code60) << "";
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

Q_DECLARE_METATYPE(ButtonGroup)

class ButtonWordsTest : public QObject
{
    Q_OBJECT

private slots:
    // A word gives the bytes the mouse receives, and show prints the record back as the word.
    void wordsReachTheMouseAndReadBack_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<ButtonGroup>("group");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("entry");
        const auto front = ButtonGroup::Front;
        QTest::addRow("fixed, any case") << "Media:Next" << front << "media:next"
                                         << "8e01b500";
        QTest::addRow("dpi up") << "dpi:+" << front << "dpi:+"
                                << "8a000000";
        QTest::addRow("off") << "off" << front << "off"
                             << "00000000";
        QTest::addRow("key with a space") << "key:page-up" << front << "key:Page-Up"
                                          << "90004b00";
        QTest::addRow("chord in any order") << "chord:a+shift+ctrl" << front << "chord:ctrl+shift+A"
                                            << "8f030400";
        QTest::addRow("chord of a key named with +") << "chord:alt+num-+" << front << "chord:alt+Num-+"
                                                     << "8f045700";
        QTest::addRow("right-hand modifier") << "chord:RCtr+c" << front << "chord:ctrl+C"
                                             << "8f010600";
        QTest::addRow("fire on the right button") << "fire:right:5:30" << front << "fire:right:5:30"
                                                  << "99820503";
        QTest::addRow("fire from a key") << "fire:key:F8:2:100" << front << "fire:key:F8:2:100"
                                         << "9941020a";
        QTest::addRow("fire defaults") << "fire:middle" << front << "fire:middle:3:10"
                                       << "99840301";
        QTest::addRow("sniper by DPI") << "sniper:400" << front << "sniper:400"
                                       << "9a010808";
        QTest::addRow("macro held") << "macro:a:b:while-held" << front << "macro:a:b:while-held"
                                    << "9180ffff";
        QTest::addRow("macro times") << "macro:Burst:5" << front << "macro:Burst:5"
                                     << "91000500";
        QTest::addRow("wheel volume") << "media:volume-up" << ButtonGroup::Wheel << "media:volume-up"
                                      << "8e01e900";
    }
    void wordsReachTheMouseAndReadBack()
    {
        QFETCH(QString, word);
        QFETCH(ButtonGroup, group);
        QString error;
        const auto assignment = parseButtonWord(word, group, 3325, error);
        QVERIFY2(assignment, qPrintable(error));
        ButtonInfo record;
        assignButton(record, *assignment);
        QTEST(buttonWord(record, 3325), "printed");
        MacroSlotMap macroSlots;
        const DeviceEntry bytes = encodeButtonEntry(record, 3325, macroSlots);
        QTEST(QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()), 4).toHex()), "entry");
    }

    void refusedWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<ButtonGroup>("group");
        QTest::addColumn<int>("sensor");
        const auto front = ButtonGroup::Front;
        QTest::addRow("unknown") << "jump" << front << 3325;
        QTest::addRow("menu does not offer it") << "profile:+" << front << 3325;
        QTest::addRow("wheel only") << "scroll:up" << front << 3325;
        QTest::addRow("not on the wheel") << "copy" << ButtonGroup::Wheel << 3325;
        QTest::addRow("mouse button as key") << "key:Left-Button" << front << 3325;
        QTest::addRow("two chord keys") << "chord:ctrl+a+b" << front << 3325;
        QTest::addRow("modifier twice") << "chord:ctrl+LCtr+a" << front << 3325;
        QTest::addRow("no shots") << "fire:left:0:50" << front << 3325;
        QTest::addRow("pause too short") << "fire:left:3:5" << front << 3325;
        QTest::addRow("not a sniper step") << "sniper:450" << front << 3325;
        QTest::addRow("sniper of an unknown sensor") << "sniper:400" << front << 0;
        QTest::addRow("macro without name") << "macro::3" << front << 3325;
    }
    void refusedWords()
    {
        QFETCH(QString, word);
        QFETCH(ButtonGroup, group);
        QFETCH(int, sensor);
        QString error;
        QVERIFY(!parseButtonWord(word, group, sensor, error));
        QVERIFY(!error.isEmpty() && !error.contains('\n'));
    }

    // Every fixed word is taken by the group it is listed for, and names a code that exists.
    void listedWordsParse()
    {
        for (ButtonGroup group : {ButtonGroup::Front, ButtonGroup::Wheel}) {
            for (const FunctionWordRow& row : fixedFunctionWords(group)) {
                QString error;
                const auto assignment = parseButtonWord(row.word, group, 3325, error);
                QVERIFY2(assignment && assignment->code == row.code && buttonFunctionRow(row.code),
                         qPrintable(row.word));
            }
        }
    }
};

namespace {

using namespace ButtonFunction;

// Front records 0..8 and the extra records with distinct functions; everything else "Button Off".
ProfileData sampleProfile()
{
    ProfileData profile;
    for (ButtonInfo& b : profile.buttons)
        b.Fun = ButtonOff;
    const int front[] = {Left, Right, Middle, Forward, Back, DpiUp, FireKey, Code60, Left};
    for (int i = 0; i < 9; ++i)
        profile.buttons[i].Fun = front[i];
    profile.buttons[20].Fun = Mute;
    profile.buttons[40].Fun = ScrollUp;
    profile.buttons[41].Fun = ScrollDown;
    return profile;
}

ButtonTable filledWith(quint8 value)
{
    ButtonTable table;
    table.bytes.fill(value);
    return table;
}

std::vector<quint8> entryBytes(const ButtonTable& table, int entry)
{
    return std::vector<quint8>(table.bytes.begin() + 2 + 4 * entry, table.bytes.begin() + 6 + 4 * entry);
}

} // namespace

class ButtonTableTest : public QObject
{
    Q_OBJECT

private slots:
    void oskenR5WritesRecordsZeroToSevenAndTheExtras()
    {
        ProfileData profile = sampleProfile();
        ButtonTable table = filledWith(0xEE);
        MacroSlotMap slotMap;
        fillButtonTable(profile, "OSKEN R5", 3325, table, slotMap);
        std::vector<quint8> expected = {0x0A, 0x00, 0x81, 0,    0, 0, // 0 Left
                                        0x82, 0,    0,    0,          // 1 Right
                                        0x83, 0,    0,    0,          // 2 Middle
                                        0x85, 0,    0,    0,          // 3 Forward
                                        0x84, 0,    0,    0,          // 4 Back
                                        0x8A, 0,    0,    0,          // 5 DPI +
                                        0x99, 0x81, 0x03, 0x00,       // 6 fire key, no source
                                        0x9F, 0,    0,    0};         // 7
        expected.resize(2 + 4 * 22, 0xEE);                            // entries 8..21 keep what the block held
        for (quint8 b : {0x8B, 0, 0, 0, 0x8C, 0, 0, 0})
            expected.push_back(b);
        QCOMPARE(std::vector<quint8>(table.bytes.begin(), table.bytes.end()), expected);
    }

    void wirelessMouseWritesRecordsZeroToFive()
    {
        ProfileData profile = sampleProfile();
        ButtonTable table;
        MacroSlotMap slotMap;
        fillButtonTable(profile, "Wireless Mouse", 3325, table, slotMap);
        QCOMPARE(int(table.bytes[0]), 0x0A);
        QCOMPARE(entryBytes(table, 5), (std::vector<quint8>{0x8A, 0, 0, 0}));
        QCOMPARE(entryBytes(table, 6), (std::vector<quint8>{0, 0, 0, 0}));
        QCOMPARE(entryBytes(table, 7), (std::vector<quint8>{0, 0, 0, 0}));
        QCOMPARE(entryBytes(table, 22), (std::vector<quint8>{0x8B, 0, 0, 0}));
        QCOMPARE(entryBytes(table, 23), (std::vector<quint8>{0x8C, 0, 0, 0}));
    }

    void otherProductsFillNoEntries()
    {
        ProfileData profile = sampleProfile();
        profile.buttons[0].Fun = Macro;
        profile.buttons[0].macroname = "M";
        ButtonTable table = filledWith(0x33);
        MacroSlotMap slotMap;
        fillButtonTable(profile, "7138", 3325, table, slotMap);
        QCOMPARE(int(table.bytes[0]), 0x0A);
        QCOMPARE(int(table.bytes[1]), 0x00);
        for (int i = 2; i < kButtonTableSize; ++i)
            QCOMPARE(int(table.bytes[i]), 0x33);
        QVERIFY(slotMap.empty());
    }

    void macroSlotsFollowTheEncodingOrder()
    {
        ProfileData profile = sampleProfile();
        auto bind = [&](int index, const QString& name, quint8 mode) {
            profile.buttons[index].Fun = Macro;
            profile.buttons[index].macroname = name;
            profile.buttons[index].Res1 = mode;
            profile.buttons[index].LoopNumber = 3;
            profile.buttons[index].Res4 = 99;
        };
        // Record 40 is encoded after the front records, record 20 is never encoded.
        bind(40, "first?", 0);
        bind(0, "A", 0);
        bind(1, "B", 1);
        bind(5, "A", 2);
        bind(20, "never", 0);
        ButtonTable table;
        MacroSlotMap slotMap;
        fillButtonTable(profile, "OSKEN R5", 3325, table, slotMap);
        QCOMPARE(entryBytes(table, 0), (std::vector<quint8>{0x91, 0x00, 0x03, 0x00}));
        QCOMPARE(entryBytes(table, 1), (std::vector<quint8>{0x91, 0x81, 0xFF, 0xFF}));
        QCOMPARE(entryBytes(table, 5), (std::vector<quint8>{0x91, 0x40, 0xFF, 0xFF}));
        QCOMPARE(entryBytes(table, 22), (std::vector<quint8>{0x91, 0x02, 0x03, 0x00}));
        const MacroSlotMap expected{{0, "A"}, {1, "B"}, {2, "first?"}};
        QCOMPARE(slotMap, expected);
        QCOMPARE(int(profile.buttons[0].Res4), 0);
        QCOMPARE(int(profile.buttons[1].Res4), 1);
        QCOMPARE(int(profile.buttons[5].Res4), 0);
        QCOMPARE(int(profile.buttons[40].Res4), 2);
        QCOMPARE(int(profile.buttons[20].Res4), 99);
    }

    void sensorComesFromTheProductSettings()
    {
        TestDataHome home;
        {
            QSettings settings(programConfigPath(), QSettings::IniFormat);
            settings.setValue("MouseSenSor/OSKEN R5", 3327);
            settings.setValue("MouseSenSor/Wireless Mouse", 3335);
        }
        QCOMPARE(sensorModelFor("OSKEN R5"), 3327);
        QCOMPARE(sensorModelFor("nothing"), 0);
        ProfileData profile = sampleProfile();
        profile.buttons[2].Fun = Sniper;
        profile.buttons[2].Res1 = 10;
        ButtonTable table;
        MacroSlotMap slotMap;
        fillButtonTable(profile, "OSKEN R5", table, slotMap);
        QCOMPARE(entryBytes(table, 2), (std::vector<quint8>{0x9A, 0x01, 24, 24}));
        fillButtonTable(profile, "Wireless Mouse", table, slotMap);
        QCOMPARE(entryBytes(table, 2), (std::vector<quint8>{0x9A, 0x01, 11, 11}));
    }
};

int main(int argc, char** argv)
{
    return runTestClasses<QCoreApplication, ButtonFunctionTest, ButtonWordsTest, ButtonTableTest>(argc, argv);
}

#include "tst_buttons_core.moc"
