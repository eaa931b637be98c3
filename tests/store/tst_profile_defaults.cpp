#include "store/AppSettings.h"
#include "store/ProfileDefaults.h"
#include "store/RecordEquality.h"

#include "TestDataHome.h"

#include <QtTest>

Q_DECLARE_METATYPE(ProfileData)

// The defaults every product shares, written out by hand.
static ProfileData commonDefaults()
{
    ProfileData p;
    p.pollrate = p.dpi = p.LedMode = p.accelenable = p.acee = p.scrollspeed = 1;
    p.mousespeed = 10;
    p.dbclickspeed = 5;
    for (LedModeInfo& m : p.modes)
        m = LedModeInfo{RgbColor::fromRgb(255, 0, 0), 360, 0, 0, 3, 3};
    p.modes[4].breath = 2;
    p.modes[9].breath = 4;
    p.modes[10].breath = 5;
    p.modes[10].RGB = RgbColor::fromRgb(0, 255, 0);
    p.modes[12].breath = 1;
    return p;
}

static void setStages(ProfileData& p, std::array<quint32, 6> codes)
{
    for (int i = 0; i < 6; ++i)
        p.stages[i] = DpiInfo{1, 1, codes[i], codes[i], codes[i]};
}

class TestProfileDefaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void perProduct_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<ProfileData>("expected");

        ProfileData wireless = commonDefaults();
        wireless.LedMode = 9;
        setStages(wireless, {5, 10, 20, 30, 50, 0});
        const int wirelessFuns[] = {1, 2, 3, 4, 5, 47};
        for (int b = 0; b < 6; ++b)
            wireless.buttons[b].Fun = wirelessFuns[b];
        const int digitAndNumKeys[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 78, 74};
        for (int b = 20; b < 32; ++b) {
            wireless.buttons[b].Fun = 6;
            wireless.buttons[b].Res1 = quint8(digitAndNumKeys[b - 20]);
        }
        wireless.buttons[40].Fun = 52;
        wireless.buttons[41].Fun = 53;
        QTest::addRow("Wireless Mouse") << "Wireless Mouse" << wireless;

        ProfileData osken = commonDefaults();
        osken.LedMode = 9;
        setStages(osken, {8, 12, 16, 24, 50, 75});
        const int oskenFuns[] = {1, 2, 3, 4, 5, 4, 5, 60};
        for (int b = 0; b < 8; ++b)
            osken.buttons[b].Fun = oskenFuns[b];
        osken.buttons[40].Fun = 52;
        osken.buttons[41].Fun = 53;
        QTest::addRow("OSKEN R5") << "OSKEN R5" << osken;

        QTest::addRow("other product") << "7138" << commonDefaults();
        QTest::addRow("no product") << "" << commonDefaults();
    }

    void perProduct()
    {
        QFETCH(QString, product);
        QFETCH(ProfileData, expected);
        TestDataHome home;
        QVERIFY(writeCurrentProductName(product));
        ProfileData p;
        p.ProfileName = QStringLiteral("left over");
        p.buttons[3].macroname = QStringLiteral("left over");
        p.buttons[3].keys[5].high = 9;
        p.stages[5].x = 99;
        setProfileDefaults(p);
        QVERIFY(p == expected);
    }

    void resetAllGivesEverySlotTheDefaults()
    {
        TestDataHome home;
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
        ConfigData c;
        c.ProfileID = 3;
        c.LiftHigh = 2;
        c.AngleValue = 7;
        c.Count = 42;
        for (int i = 0; i < kSlotCount; ++i) {
            c.slots[i].pollrate = 8;
            c.slotProfileNames[i] = QStringLiteral("mine %1").arg(i);
        }
        resetAllProfiles(c);
        ConfigData expected;
        expected.Count = 42;
        for (int i = 0; i < kSlotCount; ++i) {
            setProfileDefaults(expected.slots[i], QStringLiteral("OSKEN R5"));
            expected.slotProfileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
        }
        QVERIFY(c == expected);
    }
};

QTEST_GUILESS_MAIN(TestProfileDefaults)
#include "tst_profile_defaults.moc"
