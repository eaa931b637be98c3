#include "buttons/core/ButtonTable.h"
#include "buttons/core/ButtonFunction.h"
#include "store/DataPaths.h"

#include "TestDataHome.h"

#include <QSettings>
#include <QTest>

#include <vector>

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

QTEST_GUILESS_MAIN(ButtonTableTest)
#include "ButtonTableTest.moc"
