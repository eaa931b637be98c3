#include "TestDataHome.h"
#include "TestMain.h"
#include "buttons/core/ButtonDescription.h"
#include "buttons/core/ButtonFunction.h"
#include "buttons/core/ButtonTable.h"
#include "buttons/core/ButtonWords.h"
#include "store/DataPaths.h"
#include "store/RecordEquality.h"
#include "store/keys/KeyCodes.h"

#include <QSettings>
#include <QTest>
#include <vector>

using Entries = std::vector<DeviceEntry>;
using Bytes = std::vector<quint8>;

Q_DECLARE_METATYPE(DeviceEntry)
Q_DECLARE_METATYPE(Entries)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(ButtonInfo)
Q_DECLARE_METATYPE(ButtonGroup)

namespace {

using namespace ButtonFunction;

DeviceEntry entry(quint8 type, quint8 p1 = 0, quint8 p2 = 0, quint8 p3 = 0)
{
    return DeviceEntry{type, p1, p2, p3};
}

// A key chord: modifier bits (1 Ctrl, 4 Alt, 8 Win) and the key's HID usage.
DeviceEntry chord(quint8 modifiers, quint8 usage)
{
    return entry(0x8F, modifiers, usage);
}

// A consumer-page usage, little-endian.
DeviceEntry consumer(quint16 usage)
{
    return entry(0x8E, 0x01, quint8(usage & 0xFF), quint8(usage >> 8));
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

ButtonInfo macroRecord(const QString& name, quint8 loopMode, int loop = 1, int fun = Macro)
{
    ButtonInfo info = record(fun, loopMode, loop);
    info.macroname = name;
    return info;
}

DeviceEntry encode(ButtonInfo info, int sensor = 0)
{
    MacroSlotMap slotMap;
    return encodeButtonEntry(info, sensor, slotMap);
}

// Front records 0..8 and the two extra records with distinct functions; everything else "Button Off".
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

Bytes entryBytes(const ButtonTable& table, int index)
{
    return Bytes(table.bytes.begin() + 2 + 4 * index, table.bytes.begin() + 6 + 4 * index);
}

} // namespace

class ButtonFunctionTest : public QObject
{
    Q_OBJECT

private slots:
    // Runs of consecutive function codes and the entries the mouse gets for them.
    void fixedEntries_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<Entries>("entries");
        QTest::addRow("buttons") << Left << Entries{entry(0x81), entry(0x82), entry(0x83), entry(0x85), entry(0x84)};
        QTest::addRow("13 and off") << Code13 << Entries{entry(0x30), entry(0), entry(0), entry(0)};
        QTest::addRow("Ctrl+X C V A F N P S")
            << Cut << Entries{chord(1, 0x1B), chord(1, 0x06), chord(1, 0x19), chord(1, 0x04),
                              chord(1, 0x09), chord(1, 0x11), chord(1, 0x13), chord(1, 0x16)};
        QTest::addRow("Alt+Tab F4, Win+E R D L")
            << SwitchWindow
            << Entries{chord(4, 0x2B), chord(4, 0x3D), chord(8, 0x08), chord(8, 0x15), chord(8, 0x07), chord(8, 0x0F)};
        QTest::addRow("browser") << BrowserHome
                                 << Entries{consumer(0x223), consumer(0x224), consumer(0x225), consumer(0x226),
                                            consumer(0x227), consumer(0x221), consumer(0x22A)};
        QTest::addRow("media") << Mail << Entries{consumer(0x18A), consumer(0xCD), consumer(0xB7),
                                                  consumer(0xB6),  consumer(0xB5), consumer(0xE9),
                                                  consumer(0xEA),  consumer(0xE2), consumer(0x183)};
        QTest::addRow("dpi, rate, scroll, led")
            << DpiSwitch << Entries{entry(0x88), entry(0x8A), entry(0x89), entry(0x97),
                                    entry(0x98), entry(0x8B), entry(0x8C), entry(0x9B, 0x08)};
        QTest::addRow("profile, 60, unknown")
            << ProfileUp << Entries{entry(0x94), entry(0x95), entry(0x8D), entry(0x9F), entry(0)};
        QTest::addRow("unknown codes") << -1 << Entries{entry(0), entry(0)};
    }
    void fixedEntries()
    {
        QFETCH(int, first);
        QFETCH(Entries, entries);
        for (int i = 0; i < int(entries.size()); ++i) {
            QCOMPARE(deviceEntryFor(first + i), entries[i]);
            // A record with a fixed code is sent as its row, whatever else it holds.
            ButtonInfo info = record(first + i, 0x55, 7, 70);
            MacroSlotMap slotMap;
            QCOMPARE(encodeButtonEntry(info, 3325, slotMap), entries[i]);
            QVERIFY(slotMap.empty());
        }
    }

    void ruleEntries_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<ButtonInfo>("info");
        QTest::addColumn<DeviceEntry>("expected");
        QTest::addRow("single key A") << 0 << record(SingleKey, 30) << entry(0x90, 0, 0x04);
        QTest::addRow("single key mouse button") << 0 << record(SingleKey, 240) << entry(0x90);
        QTest::addRow("fire source 0") << 0 << record(FireKey, 0, 9, 500) << entry(0x99, 0x81, 0x03);
        QTest::addRow("fire right 5 x 30ms") << 0 << record(FireKey, 0x82, 5, 30) << entry(0x99, 0x82, 0x05, 0x03);
        QTest::addRow("fire key A") << 0 << record(FireKey, 0x04, 300, 2599) << entry(0x99, 0x04, 0x2C, 0x03);
        QTest::addRow("sniper 3325 step 10") << 3325 << record(Sniper, 10) << entry(0x9A, 1, 22, 22);
        QTest::addRow("sniper 3360 step 5") << 3360 << record(Sniper, 5) << entry(0x9A, 1, 4, 4);
        QTest::addRow("sniper unknown sensor") << 3333 << record(Sniper, 5) << entry(0x9A, 1, 4, 4);
        // Steps from a file outside the table take its last entry; 3360 step 0 does not wrap to 255.
        QTest::addRow("sniper 3325 step 200") << 3325 << record(Sniper, 200) << entry(0x9A, 1, 22, 22);
        QTest::addRow("sniper 3360 step 0") << 3360 << record(Sniper, 0) << entry(0x9A, 1, 0, 0);
        // Macros: two names already hold slots 0 and 1, so the new name gets slot 2.
        QTest::addRow("loop count") << -1 << macroRecord("third", 0, 0x1234) << entry(0x91, 0x02, 0x34, 0x12);
        QTest::addRow("unknown mode as loop count") << -1 << macroRecord("third", 3, 5) << entry(0x91, 0x02, 0x05);
        QTest::addRow("gun file") << -1 << macroRecord("third", 0, 255, GunFile) << entry(0x9D, 0x02, 0xFF);
        QTest::addRow("gun file held") << -1 << macroRecord("third", 1, 1, GunFile) << entry(0x9D, 0x82, 0xFF, 0xFF);
    }
    void ruleEntries()
    {
        QFETCH(int, sensor);
        QFETCH(ButtonInfo, info);
        QFETCH(DeviceEntry, expected);
        if (sensor >= 0) {
            QCOMPARE(encode(info, sensor), expected);
            return;
        }
        MacroSlotMap slotMap{{0, "first"}, {1, "second"}};
        QCOMPARE(encodeButtonEntry(info, 0, slotMap), expected);
        QCOMPARE(int(info.Res4), 2);
        QCOMPARE(slotMap, (MacroSlotMap{{0, "first"}, {1, "second"}, {2, "third"}}));
    }

    void comboEntries_data()
    {
        QTest::addColumn<std::vector<int>>("keys");
        QTest::addColumn<DeviceEntry>("expected");
        QTest::addRow("ctrl shift A") << std::vector<int>{0x1D, 0x2A, 30} << chord(0x03, 0x04);
        QTest::addRow("modifiers only") << std::vector<int>{0x1D, 0x38} << chord(0x05, 0);
        QTest::addRow("right side modifiers B") << std::vector<int>{238, 54, 239, 92, 48} << chord(0x0F, 0x05);
        QTest::addRow("win E") << std::vector<int>{0x5B, 18} << chord(0x08, 0x08);
        // With two plain keys the last event walked (the first key's release) names the chord key.
        QTest::addRow("A then B") << std::vector<int>{30, 48} << chord(0, 0x04);
        QTest::addRow("no keys") << std::vector<int>{} << chord(0, 0);
        QTest::addRow("mouse button only") << std::vector<int>{240} << chord(0, 0);
    }
    void comboEntries()
    {
        QFETCH(std::vector<int>, keys);
        ButtonInfo info = record(ComboKey);
        setComboEvents(info, keys);
        QTEST(encode(info), "expected");
    }

    void comboUsageOutsideTheTableIsTheChordKey()
    {
        ButtonInfo info = record(ComboKey);
        info.keys[0] = KeyInfo{0xE0, 5, 0x80}; // LCtr
        info.keys[1] = KeyInfo{0x32, 5, 0x80}; // no key code for this usage
        info.keys[2] = KeyInfo{0x32, 5, 0};
        info.keys[3] = KeyInfo{0xE0, 5, 0};
        info.keys[10] = KeyInfo{0x04, 5, 0x80}; // past the ten events walked
        QCOMPARE(encode(info), chord(0x01, 0x32));
    }

    void comboEventsLayout()
    {
        ButtonInfo info = record(ComboKey);
        for (KeyInfo& k : info.keys)
            k = KeyInfo{0x77, 0x77, 0x77};
        // Zero keys are skipped without counting; at most five keys are taken.
        setComboEvents(info, {0, 30, 0, 48, 46, 32, 18, 33});
        const quint8 usages[] = {0x04, 0x05, 0x06, 0x07, 0x08};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(info.keys[i], (KeyInfo{usages[i], 5, 0x80}));
            QCOMPARE(info.keys[9 - i], (KeyInfo{usages[i], 5, 0}));
        }
        for (int i = 10; i < kKeyStepCount; ++i)
            QCOMPARE(info.keys[i], (KeyInfo{0, 0, 0}));
    }

    // A map with a hole (a name already downloaded) must not hand out a slot that is still taken.
    void macroSlotSkipsTakenSlots()
    {
        MacroSlotMap holed{{0, "x"}, {2, "y"}};
        ButtonInfo c = macroRecord("C", 0);
        QCOMPARE(encodeButtonEntry(c, 0, holed)[1], quint8(3));
        QCOMPARE(holed, (MacroSlotMap{{0, "x"}, {2, "y"}, {3, "C"}}));
    }

    // What a label and the command line say, read from the bytes the mouse gets.
    void descriptions_data()
    {
        QTest::addColumn<ButtonInfo>("info");
        QTest::addColumn<QString>("text");
        ButtonInfo combo = record(ComboKey);
        setComboEvents(combo, {0x1D, 0x2A, 0x1E}); // Ctrl, Shift, A
        QTest::addRow("single key") << record(SingleKey, 0x42) << "F8";
        QTest::addRow("key the mouse cannot send") << record(SingleKey, 0xF0) << "SINGLE KEY";
        QTest::addRow("combo") << combo << "Ctrl+Shift+A";
        QTest::addRow("fire key") << record(FireKey, 0x0E, 5, 50) << "Fire K ×5 / 50 ms";
        QTest::addRow("fire button") << record(FireKey, 0x82, 3, 35) << "Fire Right ×3 / 30 ms";
        QTest::addRow("sniper") << record(Sniper, 5) << "Sniper 500 DPI";
        QTest::addRow("odd loop mode counts") << macroRecord("Reload", 7, 4) << "Reload ×4";
        QTest::addRow("macro without name") << macroRecord("", 0) << "Macro Manager";
        QTest::addRow("no menu entry") << record(Code60) << "";
    }
    void descriptions()
    {
        QFETCH(ButtonInfo, info);
        const ButtonDescription description = describeButton(info, 3360);
        QTEST(buttonDescriptionText(description, [](const char* s) { return QString::fromUtf8(s); }), "text");
    }

    void otherLeftClick()
    {
        ProfileData profile = sampleProfile();
        profile.buttons[8].Fun = ButtonOff;
        QVERIFY(!hasOtherLeftClick(profile, 0));
        QVERIFY(hasOtherLeftClick(profile, 5));
        profile.buttons[41].Fun = Left;
        QVERIFY(hasOtherLeftClick(profile, 0));
        QVERIFY(hasOtherLeftClick(profile, 41));
        profile.buttons[0].Fun = Right;
        QVERIFY(!hasOtherLeftClick(profile, 41));
        QVERIFY(hasOtherLeftClick(profile, -1));
    }
};

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
        QTest::addColumn<quint32>("entry");
        const auto front = ButtonGroup::Front;
        QTest::addRow("fixed, any case") << "Media:Next" << front << "media:next" << 0x8e01b500u;
        QTest::addRow("key with a space") << "key:page-up" << front << "key:Page-Up" << 0x90004b00u;
        QTest::addRow("chord in any order") << "chord:a+shift+ctrl" << front << "chord:ctrl+shift+A" << 0x8f030400u;
        QTest::addRow("chord of a key named with +") << "chord:alt+num-+" << front << "chord:alt+Num-+" << 0x8f045700u;
        QTest::addRow("right-hand modifier") << "chord:RCtr+c" << front << "chord:ctrl+C" << 0x8f010600u;
        QTest::addRow("fire on the right button") << "fire:right:5:30" << front << "fire:right:5:30" << 0x99820503u;
        QTest::addRow("fire from a key") << "fire:key:F8:2:100" << front << "fire:key:F8:2:100" << 0x9941020au;
        QTest::addRow("fire defaults") << "fire:middle" << front << "fire:middle:3:10" << 0x99840301u;
        QTest::addRow("sniper by DPI") << "sniper:400" << front << "sniper:400" << 0x9a010808u;
        QTest::addRow("macro held") << "macro:a:b:while-held" << front << "macro:a:b:while-held" << 0x9180ffffu;
        QTest::addRow("macro times") << "macro:Burst:5" << front << "macro:Burst:5" << 0x91000500u;
        QTest::addRow("wheel volume") << "media:volume-up" << ButtonGroup::Wheel << "media:volume-up" << 0x8e01e900u;
    }
    void wordsReachTheMouseAndReadBack()
    {
        QFETCH(QString, word);
        QFETCH(ButtonGroup, group);
        QFETCH(quint32, entry);
        QString error;
        const auto assignment = parseButtonWord(word, group, 3325, error);
        QVERIFY2(assignment, qPrintable(error));
        ButtonInfo info;
        assignButton(info, *assignment);
        QTEST(buttonWord(info, 3325), "printed");
        const DeviceEntry bytes = encode(info, 3325);
        QCOMPARE(bytes, (DeviceEntry{quint8(entry >> 24), quint8(entry >> 16), quint8(entry >> 8), quint8(entry)}));
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
};

class ButtonTableTest : public QObject
{
    Q_OBJECT

private slots:
    // Which records a product sends: all eight front ones, six of them, or none; the two extras always.
    void recordsPerProduct_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<Bytes>("expected");
        const Bytes front = {0x81, 0, 0, 0, 0x82, 0, 0, 0, 0x83, 0,    0, 0, 0x85, 0, 0, 0,
                             0x84, 0, 0, 0, 0x8A, 0, 0, 0, 0x99, 0x81, 3, 0, 0x9F, 0, 0, 0};
        const Bytes extras = {0x8B, 0, 0, 0, 0x8C, 0, 0, 0};
        Bytes r5 = {0x0A, 0x00};
        r5.insert(r5.end(), front.begin(), front.end());
        r5.resize(2 + 4 * 22, 0xEE); // entries 8..21 keep what the block held
        r5.insert(r5.end(), extras.begin(), extras.end());
        Bytes wireless = r5;
        std::fill(wireless.begin() + 2 + 4 * 6, wireless.begin() + 2 + 4 * 8, 0xEE);
        Bytes other(kButtonTableSize, 0xEE);
        other[0] = 0x0A;
        other[1] = 0x00;
        QTest::addRow("OSKEN R5") << "OSKEN R5" << r5;
        QTest::addRow("Wireless Mouse") << "Wireless Mouse" << wireless;
        QTest::addRow("other") << "7138" << other;
    }
    void recordsPerProduct()
    {
        QFETCH(QString, product);
        ProfileData profile = sampleProfile();
        profile.buttons[8].Fun = Macro;
        profile.buttons[8].macroname = "M";
        if (product == "7138")
            profile.buttons[0] = profile.buttons[8];
        ButtonTable table;
        table.bytes.fill(0xEE);
        MacroSlotMap slotMap;
        fillButtonTable(profile, product, 3325, table, slotMap);
        QTEST(Bytes(table.bytes.begin(), table.bytes.end()), "expected");
        QVERIFY(slotMap.empty());
    }

    void macroSlotsFollowTheEncodingOrder()
    {
        ProfileData profile = sampleProfile();
        auto bind = [&](int index, const QString& name, quint8 mode) {
            profile.buttons[index] = macroRecord(name, mode, 3);
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
        QCOMPARE(entryBytes(table, 0), (Bytes{0x91, 0x00, 0x03, 0x00}));
        QCOMPARE(entryBytes(table, 1), (Bytes{0x91, 0x81, 0xFF, 0xFF}));
        QCOMPARE(entryBytes(table, 5), (Bytes{0x91, 0x40, 0xFF, 0xFF}));
        QCOMPARE(entryBytes(table, 22), (Bytes{0x91, 0x02, 0x03, 0x00}));
        QCOMPARE(slotMap, (MacroSlotMap{{0, "A"}, {1, "B"}, {2, "first?"}}));
        const int res4[] = {0, 1, 0, 2, 99};
        const int records[] = {0, 1, 5, 40, 20};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(int(profile.buttons[records[i]].Res4), res4[i]);
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
        profile.buttons[2] = record(Sniper, 10);
        ButtonTable table;
        MacroSlotMap slotMap;
        fillButtonTable(profile, "OSKEN R5", table, slotMap);
        QCOMPARE(entryBytes(table, 2), (Bytes{0x9A, 0x01, 24, 24}));
        fillButtonTable(profile, "Wireless Mouse", table, slotMap);
        QCOMPARE(entryBytes(table, 2), (Bytes{0x9A, 0x01, 11, 11}));
    }
};

int main(int argc, char** argv)
{
    return runTestClasses<QCoreApplication, ButtonFunctionTest, ButtonWordsTest, ButtonTableTest>(argc, argv);
}

#include "tst_buttons_core.moc"
