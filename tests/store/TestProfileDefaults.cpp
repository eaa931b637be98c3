#include "store/AppSettings.h"
#include "store/ProfileDefaults.h"

#include "TestDataHome.h"

#include <QtTest>

class TestProfileDefaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void perProduct_data();
    void perProduct();
    void commonValuesAndLighting();
    void resetAllGivesEverySlotTheDefaults();
};

void TestProfileDefaults::perProduct_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("ledMode");
    QTest::addColumn<QVector<int>>("stageCodes");
    QTest::addColumn<QVector<int>>("funs"); // Fun of button slots 0..41
    QTest::addColumn<QVector<int>>("res1");

    QVector<int> wirelessFuns(42, 0), wirelessRes1(42, 0);
    const int wirelessFirst[] = {1, 2, 3, 4, 5, 47};
    for (int b = 0; b < 6; ++b)
        wirelessFuns[b] = wirelessFirst[b];
    const int keyCodes[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 78, 74};
    for (int b = 20; b < 32; ++b) {
        wirelessFuns[b] = 6;
        wirelessRes1[b] = keyCodes[b - 20];
    }
    wirelessFuns[40] = 52;
    wirelessFuns[41] = 53;
    QTest::addRow("Wireless Mouse") << "Wireless Mouse" << 9 << QVector<int>{5, 10, 20, 30, 50, 0} << wirelessFuns
                                    << wirelessRes1;

    QVector<int> oskenFuns(42, 0);
    const int oskenFirst[] = {1, 2, 3, 4, 5, 4, 5, 60};
    for (int b = 0; b < 8; ++b)
        oskenFuns[b] = oskenFirst[b];
    oskenFuns[40] = 52;
    oskenFuns[41] = 53;
    QTest::addRow("OSKEN R5") << "OSKEN R5" << 9 << QVector<int>{8, 12, 16, 24, 50, 75} << oskenFuns
                              << QVector<int>(42, 0);

    QTest::addRow("other") << "7138" << 1 << QVector<int>() << QVector<int>(42, 0) << QVector<int>(42, 0);
    QTest::addRow("no product") << "" << 1 << QVector<int>() << QVector<int>(42, 0) << QVector<int>(42, 0);
}

void TestProfileDefaults::perProduct()
{
    QFETCH(QString, product);
    QFETCH(int, ledMode);
    QFETCH(QVector<int>, stageCodes);
    QFETCH(QVector<int>, funs);
    QFETCH(QVector<int>, res1);

    TestDataHome home;
    QVERIFY(writeCurrentProductName(product));
    ProfileData p;
    p.buttons[3].macroname = QStringLiteral("left over");
    p.buttons[3].keys[5].high = 9;
    p.stages[5].x = 99;
    setProfileDefaults(p);

    QCOMPARE(int(p.LedMode), ledMode);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo& s = p.stages[i];
        const quint32 code = stageCodes.isEmpty() ? 0 : quint32(stageCodes[i]);
        const quint8 on = stageCodes.isEmpty() ? 0 : 1;
        QCOMPARE(s.used, on);
        QCOMPARE(s.link, on);
        QCOMPARE(s.xy, code);
        QCOMPARE(s.x, code);
        QCOMPARE(s.y, code);
    }
    for (int b = 0; b < kButtonSlotCount; ++b) {
        const ButtonInfo& btn = p.buttons[b];
        QCOMPARE(btn.Fun, funs[b]);
        QCOMPARE(int(btn.Res1), res1[b]);
        QCOMPARE(btn.ID + btn.LoopNumber + btn.KeyNumber + btn.Res2 + btn.Res3 + btn.Res4, 0);
        QVERIFY(btn.macroname.isEmpty());
        for (const KeyInfo& k : btn.keys)
            QCOMPARE(k.map + k.low + k.high, 0);
    }
}

void TestProfileDefaults::commonValuesAndLighting()
{
    ProfileData p;
    p.ProfileName = QStringLiteral("old");
    setProfileDefaults(p, QStringLiteral("anything"));
    QCOMPARE(int(p.pollrate), 1);
    QCOMPARE(int(p.dpi), 1);
    QCOMPARE(int(p.accelenable), 1);
    QCOMPARE(int(p.acee), 1);
    QCOMPARE(int(p.scrollispage), 0);
    QCOMPARE(int(p.scrollspeed), 1);
    QCOMPARE(int(p.mousespeed), 10);
    QCOMPARE(int(p.dbclickspeed), 5);
    QVERIFY(p.ProfileName.isEmpty() && p.ProfilePath.isEmpty());
    const int breath[kLedModeCount] = {3, 3, 3, 3, 2, 3, 3, 3, 3, 4, 5, 3, 1, 3};
    for (int m = 0; m < kLedModeCount; ++m) {
        const LedModeInfo& e = p.modes[m];
        const RgbColor expected = m == 10 ? RgbColor::fromRgb(0, 255, 0) : RgbColor::fromRgb(255, 0, 0);
        QVERIFY2(e.RGB == expected && e.RGB.valid, qPrintable(QString::number(m)));
        QCOMPARE(e.h, 360u);
        QCOMPARE(e.s + e.v, 0u);
        QCOMPARE(e.bright, 3u);
        QCOMPARE(int(e.breath), breath[m]);
    }
}

void TestProfileDefaults::resetAllGivesEverySlotTheDefaults()
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
        c.slots[i].buttons[0].Fun = 200;
        c.slotProfileNames[i] = QStringLiteral("mine %1").arg(i);
    }
    resetAllProfiles(c);
    QCOMPARE(int(c.ProfileID), 0);
    QCOMPARE(int(c.LiftHigh), 0);
    QCOMPARE(int(c.AngleValue), 0);
    QCOMPARE(int(c.Count), 42);
    for (int i = 0; i < kSlotCount; ++i) {
        QCOMPARE(c.slotProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
        QCOMPARE(int(c.slots[i].pollrate), 1);
        QCOMPARE(c.slots[i].buttons[0].Fun, 1);
        QCOMPARE(c.slots[i].stages[5].x, 75u);
    }
}

QTEST_GUILESS_MAIN(TestProfileDefaults)
#include "TestProfileDefaults.moc"
