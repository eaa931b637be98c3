#include "TestMain.h"
#include "editors/core/DpiConversion.h"
#include "editors/core/DpiStageRules.h"
#include "editors/core/HexColor.h"
#include "editors/core/HsvColor.h"
#include "editors/core/LightingEffects.h"
#include "editors/core/SensorLimits.h"

#include <QtTest>
#include <climits>

Q_DECLARE_METATYPE(Rgb8)

class EditorRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void lightingSlot_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("slot");
        QTest::addRow("7138 shares slot 0") << "7138" << 3 << 0;
        QTest::addRow("other product") << "OSKEN R5" << 3 << 3;
        QTest::addRow("exact name only") << "7138 " << 2 << 2;
    }
    void lightingSlot()
    {
        QFETCH(QString, product);
        QFETCH(int, active);
        QTEST(lightingSlotFor(product, active), "slot");
    }

    void stageToggle_data()
    {
        QTest::addColumn<QString>("used"); // one character per stage
        QTest::addColumn<int>("stage");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("after");
        QTest::addRow("switch another stage off") << "111111" << 2 << true << "110111";
        QTest::addRow("current stays on") << "111111" << 0 << false << "111111";
        QTest::addRow("last one stays on") << "010000" << 1 << false << "010000";
        QTest::addRow("switch on") << "100000" << 5 << true << "100001";
        QTest::addRow("index out of range") << "111111" << 6 << false << "111111";
        QTest::addRow("negative index") << "111111" << -1 << false << "111111";
    }
    void stageToggle()
    {
        QFETCH(QString, used);
        QFETCH(int, stage);
        std::array<DpiInfo, kDpiStageCount> stages{};
        for (int i = 0; i < kDpiStageCount; ++i)
            stages[i].used = used.at(i) == QLatin1Char('1') ? 1 : 0;
        QTEST(toggleStageUsed(stages, stage, 0), "changed");
        QString after;
        for (const DpiInfo& s : stages)
            after += s.used ? QLatin1Char('1') : QLatin1Char('0');
        QTEST(after, "after");
    }
};

class ColourMathsTest : public QObject
{
    Q_OBJECT
private slots:
    // What the hex field holds when editing ends, and the colour it reads as while typing.
    void hexText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Rgb8>("rgb");
        QTest::addColumn<QString>("completed");
        QTest::addRow("three digits double") << "f0a" << Rgb8{255, 0, 170} << "ff00aa";
        QTest::addRow("one digit is blue") << "7" << Rgb8{0, 0, 7} << "000007";
        QTest::addRow("five digits") << "abcde" << Rgb8{10, 188, 222} << "0abcde";
        QTest::addRow("too long is cut") << "1234567" << Rgb8{0x12, 0x34, 0x56} << "123456";
        QTest::addRow("bad pair reads 0") << "zz00aa" << Rgb8{0, 0, 170} << "zz00aa";
        QTest::addRow("sign is not a digit") << "-f10aa" << Rgb8{0, 16, 170} << "-f10aa";
    }
    void hexText()
    {
        QFETCH(QString, typed);
        QFETCH(Rgb8, rgb);
        QTEST(completeHex(typed), "completed");
        QCOMPARE(rgbFromHex(typed), rgb);
        QCOMPARE(hexFromRgb(Rgb8{1, 2, 10}), QStringLiteral("01020a"));
    }

    void hsvToRgb_data()
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
    void hsvToRgb()
    {
        QFETCH(int, h);
        QFETCH(int, s);
        QFETCH(int, v);
        QTEST(::hsvToRgb(Hsv{h, s, v}), "rgb");
    }

    void rgbToHsv_data()
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
    void rgbToHsv()
    {
        QFETCH(Rgb8, rgb);
        QFETCH(int, h);
        QFETCH(int, s);
        QFETCH(int, v);
        QCOMPARE(::rgbToHsv(rgb, 77), (Hsv{h, s, v}));
    }

    void hueStrip_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("hue");
        QTest::addRow("top margin") << 7.0 << 360;
        QTest::addRow("middle") << 71.0 << 180;
        QTest::addRow("rounded to the pixel") << 70.6 << 180;
        QTest::addRow("bottom") << 135.0 << 0;
        QTest::addRow("below") << 300.0 << 0;
    }
    void hueStrip()
    {
        QFETCH(double, y);
        QFETCH(int, hue);
        QCOMPARE(hueFromStripY(y, 128), hue);
        QCOMPARE(hueFromStripY(stripYFromHue(hue, 128), 128), hue);
    }

    void squareCoversFullRangeAtEveryScale()
    {
        for (int side : {128, 192}) {
            int s = -1;
            int v = -1;
            svFromSquarePoint(side, 0, side, s, v);
            QCOMPARE(qMakePair(s, v), qMakePair(255, 255));
            svFromSquarePoint(-20, side + 40, side, s, v);
            QCOMPARE(qMakePair(s, v), qMakePair(0, 0));
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
    }
};

class DpiConversionTest : public QObject
{
    Q_OBJECT
private slots:
    void dpiFromRaw_data()
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
        // Stored values come from files and may be anything: no overflow, nothing negative.
        QTest::addRow("negative") << 3325 << -5 << 0;
        QTest::addRow("3327 INT_MAX") << 3327 << INT_MAX << INT_MAX;
    }
    void dpiFromRaw()
    {
        QFETCH(int, sensor);
        QFETCH(int, raw);
        QTEST(::dpiFromRaw(raw, sensor), "dpi");
        QVERIFY(::dpiFromRaw(INT_MAX, 3212) > 0);
        QVERIFY(::dpiFromRaw(INT_MAX, 3104) > 0);
    }

    void limits_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("minDpi");
        QTest::addColumn<int>("maxDpi");
        QTest::addColumn<bool>("linkVisible");
        QTest::addRow("3325") << 3325 << "OSKEN R5" << 100 << 10000 << false;
        QTest::addRow("3327 listed") << 3327 << "TERRIK" << 200 << 12400 << false;
        QTest::addRow("3327 case matters") << 3327 << "terrik" << 200 << 16400 << false;
        QTest::addRow("3360") << 3360 << "" << 100 << 24000 << true;
        QTest::addRow("3212") << 3212 << "" << 600 << 7200 << false;
        for (int sensor : {3104, 3333, 3335, 3389})
            QTest::addRow("%d", sensor) << sensor << QString() << -1 << -1 << false;
        QTest::addRow("3327 short") << 3327 << "K480-RGB" << -1 << -1 << false;
    }
    // The labels at the ends of each bar are what the bar shows when pulled to that end.
    void limits()
    {
        QFETCH(int, sensor);
        QFETCH(QString, product);
        QFETCH(int, minDpi);
        const std::optional<SensorLimits> limits = sensorLimits(sensor, product);
        QVERIFY(limits.has_value());
        if (minDpi >= 0) {
            QCOMPARE(limits->iMinDpi, minDpi);
            QTEST(limits->iMaxDpi, "maxDpi");
            QTEST(limits->bLinkVisible, "linkVisible");
        }
        QCOMPARE(::dpiFromRaw(limits->iRawMin, sensor), limits->iMinDpi);
        QCOMPARE(::dpiFromRaw(limits->iRawMax, sensor), limits->iMaxDpi);
        QVERIFY(!sensorLimits(3326, product).has_value());
    }
};

int main(int argc, char** argv)
{
    return runTestClasses<QCoreApplication, EditorRulesTest, ColourMathsTest, DpiConversionTest>(argc, argv);
}

#include "tst_editors_core.moc"
