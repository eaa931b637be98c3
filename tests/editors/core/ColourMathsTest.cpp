#include "editors/core/HexColor.h"
#include "editors/core/HsvColor.h"

#include <QtTest>

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
    QTest::addRow("empty") << ""
                           << "000000";
    QTest::addRow("two digits") << "ab"
                                << "0000ab";
    QTest::addRow("four digits") << "abcd"
                                 << "00abcd";
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
    QTest::addRow("upper case") << "00FF10" << Rgb8{0, 255, 16};
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
    QTest::addRow("yellow") << 60 << 255 << 255 << Rgb8{255, 255, 0};
    QTest::addRow("green") << 120 << 255 << 255 << Rgb8{0, 255, 0};
    QTest::addRow("blue") << 240 << 255 << 255 << Rgb8{0, 0, 255};
    QTest::addRow("magenta") << 300 << 255 << 255 << Rgb8{255, 0, 255};
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
    QTest::addRow("above the strip") << 0.0 << 360;
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
    QTest::addRow("scale 2.25") << 288;
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

QTEST_GUILESS_MAIN(ColourMathsTest)
#include "ColourMathsTest.moc"
