#include "editors/core/DpiConversion.h"
#include "editors/core/SensorLimits.h"

#include <QtTest>

#include <climits>

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
    QTest::addRow("3327 61") << 3327 << 61 << 6200;
    QTest::addRow("3327 62") << 3327 << 62 << 6400;
    QTest::addRow("3327 92") << 3327 << 92 << 12400;
    QTest::addRow("3327 93") << 3327 << 93 << 12600;
    QTest::addRow("3327 105") << 3327 << 105 << 16200;
    QTest::addRow("3327 106 is 16400 not 16500") << 3327 << 106 << 16400;
    QTest::addRow("3360 knee") << 3360 << 120 << 12000;
    QTest::addRow("3360 above") << 3360 << 121 << 12200;
    QTest::addRow("3389 low half steps") << 3389 << 3 << 150;
    QTest::addRow("3389 321") << 3389 << 321 << 16100;
    QTest::addRow("3335 above") << 3335 << 161 << 16200;
    QTest::addRow("3333 knee") << 3333 << 80 << 8000;
    QTest::addRow("3333 above") << 3333 << 81 << 8200;
    // 3212: v = r * 38 / (r - 32) * 76 / (r - 63) * 152, truncated to tens, then the round-offs.
    QTest::addRow("3212 21: 798 -> 790 -> 800") << 3212 << 21 << 800;
    QTest::addRow("3212 32: 1216 -> 1210 -> 1200") << 3212 << 32 << 1200;
    QTest::addRow("3212 43: 1634 -> 1630 -> 1600") << 3212 << 43 << 1600;
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
    QTest::addRow("3104 58") << 3104 << 58 << 2200;
    QTest::addRow("3104 105: 3990 kept") << 3104 << 105 << 3990;
    QTest::addRow("3104 107: 54 * 76 = 4104") << 3104 << 107 << 4100;
    QTest::addRow("3104 159: 8056 -> 8000") << 3104 << 159 << 8000;
    QTest::addRow("unknown sensor") << 9999 << 50 << 0;
    QTest::addRow("no sensor") << 0 << 50 << 0;
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
    QTest::addRow("3327 last listed") << 3327 << "TARNAVE" << 200 << 12400 << 1 << 92 << false;
    QTest::addRow("3327 case matters") << 3327 << "terrik" << 200 << 16400 << 1 << 106 << false;
    QTest::addRow("3327 other") << 3327 << "OSKEN R5" << 200 << 16400 << 1 << 106 << false;
    QTest::addRow("3360") << 3360 << "" << 100 << 24000 << 1 << 180 << true;
    QTest::addRow("3389") << 3389 << "" << 100 << 32000 << 2 << 480 << true;
    QTest::addRow("3212") << 3212 << "" << 600 << 7200 << 16 << 111 << false;
    QTest::addRow("3104") << 3104 << "" << 500 << 8000 << 14 << 159 << true;
    QTest::addRow("3335") << 3335 << "" << 100 << 32000 << 1 << 240 << false;
    QTest::addRow("3333") << 3333 << "" << 200 << 16000 << 2 << 120 << false;
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

QTEST_GUILESS_MAIN(DpiConversionTest)
#include "DpiConversionTest.moc"
