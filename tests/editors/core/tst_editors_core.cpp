#include "TestMain.h"
#include "editors/core/DpiConversion.h"
#include "editors/core/DpiStageRules.h"
#include "editors/core/HexColor.h"
#include "editors/core/HsvColor.h"
#include "editors/core/LightingEffects.h"
#include "editors/core/ReportRate.h"
#include "editors/core/SensorLimits.h"

#include <QtTest>
#include <climits>
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
    QCOMPARE(QString::fromLatin1(rateText(8)), QStringLiteral("125 HZ"));
    QVERIFY(rateText(0) == nullptr);
    QVERIFY(rateText(3) == nullptr);
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
    // The order itself is checked where the menu is built.
    std::set<int> offered(effectMenuOrder().begin(), effectMenuOrder().end());
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

Q_DECLARE_METATYPE(Rgb8)

class ColourMathsTest : public QObject
{
    Q_OBJECT
private slots:
    void completeHex_data();
    void completeHex();
    void rgbFromHex_data();
    void rgbFromHex();
    void hexFromRgbPadsLowerCase();
    void hsvToRgb_data();
    void hsvToRgb();
    void rgbToHsv_data();
    void rgbToHsv();
    void hueStrip_data();
    void hueStrip();
    void squareCoversFullRangeAtEveryScale_data();
    void squareCoversFullRangeAtEveryScale();
};

void ColourMathsTest::completeHex_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("completed");
    QTest::addRow("three digits double") << "f0a"
                                         << "ff00aa";
    QTest::addRow("one digit") << "7"
                               << "000007";
    QTest::addRow("five digits") << "abcde"
                                 << "0abcde";
    QTest::addRow("six stay") << "12AB56"
                              << "12AB56";
    QTest::addRow("too long is cut") << "1234567"
                                     << "123456";
}

void ColourMathsTest::completeHex()
{
    QFETCH(QString, typed);
    QTEST(::completeHex(typed), "completed");
}

void ColourMathsTest::rgbFromHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rgb8>("rgb");
    QTest::addRow("full") << "ff00aa" << Rgb8{255, 0, 170};
    QTest::addRow("while typing reads as completed") << "f0a" << Rgb8{255, 0, 170};
    QTest::addRow("one digit is blue") << "7" << Rgb8{0, 0, 7};
    QTest::addRow("bad pair reads 0") << "zz00aa" << Rgb8{0, 0, 170};
    QTest::addRow("sign is not a digit") << "-f10aa" << Rgb8{0, 16, 170};
}

void ColourMathsTest::rgbFromHex()
{
    QFETCH(QString, text);
    QFETCH(Rgb8, rgb);
    QCOMPARE(::rgbFromHex(text), rgb);
}

void ColourMathsTest::hexFromRgbPadsLowerCase()
{
    QCOMPARE(hexFromRgb(Rgb8{255, 0, 170}), QStringLiteral("ff00aa"));
    QCOMPARE(hexFromRgb(Rgb8{1, 2, 10}), QStringLiteral("01020a"));
}

void ColourMathsTest::hsvToRgb_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("v");
    QTest::addColumn<Rgb8>("rgb");
    QTest::addRow("red") << 0 << 255 << 255 << Rgb8{255, 0, 0};
    QTest::addRow("360 is red") << 360 << 255 << 255 << Rgb8{255, 0, 0};
    QTest::addRow("blue") << 240 << 255 << 255 << Rgb8{0, 0, 255};
    // t = 255 * (15300 - 255 * 30) / 15300 = 127.5, rounded up.
    QTest::addRow("orange") << 30 << 255 << 255 << Rgb8{255, 128, 0};
    // p = 255 * 127 / 255.
    QTest::addRow("half saturation") << 0 << 128 << 255 << Rgb8{255, 127, 127};
    QTest::addRow("grey") << 200 << 0 << 200 << Rgb8{200, 200, 200};
    QTest::addRow("black") << 90 << 255 << 0 << Rgb8{0, 0, 0};
}

void ColourMathsTest::hsvToRgb()
{
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, v);
    QFETCH(Rgb8, rgb);
    QCOMPARE(::hsvToRgb(Hsv{h, s, v}), rgb);
}

void ColourMathsTest::rgbToHsv_data()
{
    QTest::addColumn<Rgb8>("rgb");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("v");
    QTest::addRow("red") << Rgb8{255, 0, 0} << 0 << 255 << 255;
    QTest::addRow("green") << Rgb8{0, 255, 0} << 120 << 255 << 255;
    // 60 * 128 / 255 = 30.1
    QTest::addRow("orange") << Rgb8{255, 128, 0} << 30 << 255 << 255;
    // 240 - 60 * 128 / 255 = 209.9
    QTest::addRow("sky") << Rgb8{0, 128, 255} << 210 << 255 << 255;
    QTest::addRow("white keeps the hue") << Rgb8{255, 255, 255} << 77 << 0 << 255;
    QTest::addRow("black keeps the hue") << Rgb8{0, 0, 0} << 77 << 0 << 0;
}

void ColourMathsTest::rgbToHsv()
{
    QFETCH(Rgb8, rgb);
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, v);
    QCOMPARE(::rgbToHsv(rgb, 77), (Hsv{h, s, v}));
}

void ColourMathsTest::hueStrip_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("hue");
    QTest::addRow("top margin") << 7.0 << 360;
    QTest::addRow("middle") << 71.0 << 180;
    QTest::addRow("rounded to the pixel") << 70.6 << 180;
    QTest::addRow("bottom") << 135.0 << 0;
    QTest::addRow("below") << 300.0 << 0;
}

void ColourMathsTest::hueStrip()
{
    QFETCH(double, y);
    QFETCH(int, hue);
    QCOMPARE(hueFromStripY(y, 128), hue);
    QCOMPARE(hueFromStripY(stripYFromHue(hue, 128), 128), hue);
}

void ColourMathsTest::squareCoversFullRangeAtEveryScale_data()
{
    QTest::addColumn<int>("side");
    QTest::addRow("scale 1") << 128;
    QTest::addRow("scale 1.5") << 192;
}

void ColourMathsTest::squareCoversFullRangeAtEveryScale()
{
    QFETCH(int, side);
    int s = -1;
    int v = -1;
    svFromSquarePoint(side, 0, side, s, v);
    QCOMPARE(s, 255);
    QCOMPARE(v, 255);
    svFromSquarePoint(0, side, side, s, v);
    QCOMPARE(s, 0);
    QCOMPARE(v, 0);
    svFromSquarePoint(-20, side + 40, side, s, v);
    QCOMPARE(s, 0);
    QCOMPARE(v, 0);
    // The marker of a boxed value lands where a press gives that value back.
    for (int value : {0, 1, 64, 128, 200, 254, 255}) {
        int x = 0;
        int y = 0;
        squarePointFromSv(value, value, side, x, y);
        QVERIFY(x >= 0 && x <= side && y >= 0 && y <= side);
        svFromSquarePoint(x, y, side, s, v);
        QVERIFY2(qAbs(s - value) <= 1 && qAbs(v - value) <= 1, qPrintable(QString::number(value)));
    }
}

class DpiConversionTest : public QObject
{
    Q_OBJECT
private slots:
    void dpiFromRaw_data();
    void dpiFromRaw();
    void outOfRangeRawIsSafe();
    void limits_data();
    void limits();
    void limitsMatchBarEnds_data();
    void limitsMatchBarEnds();
};

void DpiConversionTest::dpiFromRaw_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("dpi");
    QTest::addRow("3325 knee") << 3325 << 50 << 5000;
    QTest::addRow("3325 above knee") << 3325 << 51 << 5200;
    QTest::addRow("3327 62") << 3327 << 62 << 6400;
    QTest::addRow("3327 92") << 3327 << 92 << 12400;
    QTest::addRow("3327 106 is 16400 not 16500") << 3327 << 106 << 16400;
    QTest::addRow("3360 knee") << 3360 << 120 << 12000;
    QTest::addRow("3389 low half steps") << 3389 << 3 << 150;
    QTest::addRow("3389 321") << 3389 << 321 << 16100;
    QTest::addRow("3335 above") << 3335 << 161 << 16200;
    QTest::addRow("3333 knee") << 3333 << 80 << 8000;
    // 3212: v = r * 38 / (r - 32) * 76 / (r - 63) * 152, truncated to tens, then the round-offs.
    QTest::addRow("3212 21: 798 -> 790 -> 800") << 3212 << 21 << 800;
    QTest::addRow("3212 63: 2394 -> 2390 -> 2400") << 3212 << 63 << 2400;
    QTest::addRow("3212 64: 2432 -> 2430") << 3212 << 64 << 2430;
    QTest::addRow("3212 95: 32 * 152 = 4864") << 3212 << 95 << 4860;
    QTest::addRow("3212 111: 7296 -> 7200") << 3212 << 111 << 7200;
    // 3104: truncated to tens, then rounded to hundreds unless the tens are 30..80.
    QTest::addRow("3104 14: 532 -> 500") << 3104 << 14 << 500;
    QTest::addRow("3104 21: m 90 rounds up") << 3104 << 21 << 800;
    QTest::addRow("3104 26: m 80 stays") << 3104 << 26 << 980;
    QTest::addRow("3104 55: 2090 kept") << 3104 << 55 << 2090;
    QTest::addRow("3104 56: m 20 rounds down") << 3104 << 56 << 2100;
    QTest::addRow("3104 57: m 60 stays") << 3104 << 57 << 2160;
    QTest::addRow("3104 107: 54 * 76 = 4104") << 3104 << 107 << 4100;
    QTest::addRow("3104 159: 8056 -> 8000") << 3104 << 159 << 8000;
    QTest::addRow("unknown sensor") << 9999 << 50 << 0;
}

void DpiConversionTest::dpiFromRaw()
{
    QFETCH(int, sensor);
    QFETCH(int, raw);
    QFETCH(int, dpi);
    QCOMPARE(::dpiFromRaw(raw, sensor), dpi);
}

void DpiConversionTest::outOfRangeRawIsSafe()
{
    // Stored values come from files and may be anything; the display must not overflow or go negative.
    QCOMPARE(::dpiFromRaw(-5, 3325), 0);
    QCOMPARE(::dpiFromRaw(INT_MAX, 3327), INT_MAX);
    QVERIFY(::dpiFromRaw(INT_MAX, 3212) > 0);
    QVERIFY(::dpiFromRaw(INT_MAX, 3104) > 0);
}

void DpiConversionTest::limits_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("minDpi");
    QTest::addColumn<int>("maxDpi");
    QTest::addColumn<int>("rawMin");
    QTest::addColumn<int>("rawMax");
    QTest::addColumn<bool>("linkVisible");
    QTest::addRow("3325") << 3325 << "OSKEN R5" << 100 << 10000 << 1 << 75 << false;
    QTest::addRow("3327 listed") << 3327 << "TERRIK" << 200 << 12400 << 1 << 92 << false;
    QTest::addRow("3327 case matters") << 3327 << "terrik" << 200 << 16400 << 1 << 106 << false;
    QTest::addRow("3327 other") << 3327 << "OSKEN R5" << 200 << 16400 << 1 << 106 << false;
    QTest::addRow("3360") << 3360 << "" << 100 << 24000 << 1 << 180 << true;
    QTest::addRow("3212") << 3212 << "" << 600 << 7200 << 16 << 111 << false;
}

void DpiConversionTest::limits()
{
    QFETCH(int, sensor);
    QFETCH(QString, product);
    const std::optional<SensorLimits> limits = sensorLimits(sensor, product);
    QVERIFY(limits.has_value());
    QTEST(limits->iMinDpi, "minDpi");
    QTEST(limits->iMaxDpi, "maxDpi");
    QTEST(limits->iRawMin, "rawMin");
    QTEST(limits->iRawMax, "rawMax");
    QTEST(limits->bLinkVisible, "linkVisible");
    QVERIFY(!sensorLimits(3326, product).has_value());
}

void DpiConversionTest::limitsMatchBarEnds_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<QString>("product");
    for (int sensor : {3104, 3212, 3325, 3327, 3333, 3335, 3360, 3389})
        QTest::addRow("%d", sensor) << sensor << QString();
    QTest::addRow("3327 short") << 3327 << QStringLiteral("K480-RGB");
}

// The labels at the ends of each bar must be what the bar shows when pulled to that end.
void DpiConversionTest::limitsMatchBarEnds()
{
    QFETCH(int, sensor);
    QFETCH(QString, product);
    const std::optional<SensorLimits> limits = sensorLimits(sensor, product);
    QVERIFY(limits.has_value());
    QCOMPARE(::dpiFromRaw(limits->iRawMin, sensor), limits->iMinDpi);
    QCOMPARE(::dpiFromRaw(limits->iRawMax, sensor), limits->iMaxDpi);
}

int main(int argc, char** argv)
{
    return runTestClasses<QCoreApplication, EditorRulesTest, ColourMathsTest, DpiConversionTest>(argc, argv);
}

#include "tst_editors_core.moc"
