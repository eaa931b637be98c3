#include "editors/core/DpiStageRules.h"
#include "editors/core/LightingEffects.h"
#include "editors/core/ReportRate.h"

#include <QtTest>

#include <set>

class EditorRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void rateTexts();
    void effectControls_data();
    void effectControls();
    void effectMenuOffersOnlyMenuEffects();
    void lightingSlot_data();
    void lightingSlot();
    void stageToggle_data();
    void stageToggle();
};

void EditorRulesTest::rateTexts()
{
    QCOMPARE(QString::fromLatin1(rateText(1)), QStringLiteral("1000 HZ"));
    QCOMPARE(QString::fromLatin1(rateText(2)), QStringLiteral("500 HZ"));
    QCOMPARE(QString::fromLatin1(rateText(4)), QStringLiteral("250 HZ"));
    QCOMPARE(QString::fromLatin1(rateText(8)), QStringLiteral("125 HZ"));
    QVERIFY(rateText(0) == nullptr);
    QVERIFY(rateText(3) == nullptr);
    const std::array<quint8, kRateCount> menu = {8, 4, 2, 1};
    QCOMPARE(rateMenuCodes(), menu);
}

void EditorRulesTest::effectControls_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("brightness");
    QTest::addColumn<bool>("speed");
    QTest::addColumn<bool>("colour");
    QTest::addRow("OFF") << 0 << "OFF" << false << false << false;
    QTest::addRow("FULL LIGHTED") << 1 << "FULL LIGHTED" << true << false << true;
    QTest::addRow("BREATHING") << 2 << "BREATHING" << false << true << true;
    QTest::addRow("7 COLOR BREATHING") << 3 << "7 COLOR BREATHING" << false << true << false;
    QTest::addRow("RAINBOW") << 4 << "RAINBOW" << true << true << false;
    QTest::addRow("Raindrop") << 8 << "Raindrop" << true << true << false;
    QTest::addRow("REACTIVE") << 11 << "REACTIVE" << true << false << false;
    QTest::addRow("Marbles") << 13 << "Marbles" << true << true << false;
}

void EditorRulesTest::effectControls()
{
    QFETCH(int, code);
    const EffectInfo* info = effectInfo(code);
    QVERIFY(info != nullptr);
    QTEST(QString::fromLatin1(info->name), "name");
    QTEST(info->bBrightness, "brightness");
    QTEST(info->bSpeed, "speed");
    QTEST(info->bColor, "colour");
}

void EditorRulesTest::effectMenuOffersOnlyMenuEffects()
{
    const std::array<quint8, kEffectMenuSize> order = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
    QCOMPARE(effectMenuOrder(), order);
    std::set<int> offered(order.begin(), order.end());
    for (int code = 0; code < kEffectCount; ++code)
        QCOMPARE(effectInfo(code)->bInMenu, offered.count(code) == 1);
    QVERIFY(effectInfo(14) == nullptr);
    QVERIFY(effectInfo(-1) == nullptr);
    QVERIFY(effectInfo(255) == nullptr);
}

void EditorRulesTest::lightingSlot_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("slot");
    QTest::addRow("7138 shares slot 0") << "7138" << 3 << 0;
    QTest::addRow("other product") << "OSKEN R5" << 3 << 3;
    QTest::addRow("exact name only") << "7138 " << 2 << 2;
}

void EditorRulesTest::lightingSlot()
{
    QFETCH(QString, product);
    QFETCH(int, active);
    QTEST(lightingSlotFor(product, active), "slot");
}

void EditorRulesTest::stageToggle_data()
{
    QTest::addColumn<QString>("used"); // one character per stage
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("after");
    QTest::addRow("switch another stage off") << "111111" << 2 << 0 << true << "110111";
    QTest::addRow("current stays on") << "111111" << 0 << 0 << false << "111111";
    QTest::addRow("last one stays on") << "010000" << 1 << 0 << false << "010000";
    QTest::addRow("switch on") << "100000" << 5 << 0 << true << "100001";
    QTest::addRow("index out of range") << "111111" << 6 << 0 << false << "111111";
    QTest::addRow("negative index") << "111111" << -1 << 0 << false << "111111";
}

void EditorRulesTest::stageToggle()
{
    QFETCH(QString, used);
    QFETCH(int, stage);
    QFETCH(int, current);
    std::array<DpiInfo, kDpiStageCount> stages{};
    for (int i = 0; i < kDpiStageCount; ++i)
        stages[i].used = used.at(i) == QLatin1Char('1') ? 1 : 0;
    QTEST(toggleStageUsed(stages, stage, current), "changed");
    QString after;
    for (const DpiInfo& s : stages)
        after += s.used ? QLatin1Char('1') : QLatin1Char('0');
    QTEST(after, "after");
}

QTEST_GUILESS_MAIN(EditorRulesTest)
#include "EditorRulesTest.moc"
