#include "HexFrame.h"

#include "device/protocol/DpiCodes.h"

#include <QTest>

// Expected codes are read off the sensors' code tables by hand (index noted in each row).
class DpiCodesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stage_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<uint>("x");
        QTest::addColumn<uint>("y");
        QTest::addColumn<QByteArray>("expected"); // used, X code, X range, Y code, Y range

        QTest::addRow("3325 low: T[10]=22, T[50]=115") << 3325 << 10u << 50u << QByteArray::fromHex("0116007300");
        QTest::addRow("3325 high: 51 -> T[26]=59, 75 -> T[50]")
            << 3325 << 51u << 75u << QByteArray::fromHex("013b017301");
        QTest::addRow("3325 past 75 clamps") << 3325 << 76u << 100000u << QByteArray::fromHex("0173017301");

        QTest::addRow("3327 61 -> T[61]=140, 62 -> T[32]=74")
            << 3327 << 61u << 62u << QByteArray::fromHex("018c004a01");
        QTest::addRow("3327 92 would read T[62]: last entry") << 3327 << 92u << 0u << QByteArray::fromHex("018c010000");
        QTest::addRow("3327 93 -> T[41]=95 range 4, 113 -> T[61]")
            << 3327 << 93u << 113u << QByteArray::fromHex("015f048c04");
        QTest::addRow("3327 past 113 clamps") << 3327 << 114u << 0xFFFFFFFFu << QByteArray::fromHex("018c048c04");

        QTest::addRow("3360 1 and 120") << 3360 << 1u << 120u << QByteArray::fromHex("0100007700");
        QTest::addRow("3360 121 and 180") << 3360 << 121u << 180u << QByteArray::fromHex("013c017701");

        QTest::addRow("3389 255 and 320") << 3389 << 255u << 320u << QByteArray::fromHex("01ff004001");
        QTest::addRow("3389 321 -> w 161, 480 -> w 320") << 3389 << 321u << 480u << QByteArray::fromHex("01a1804081");

        QTest::addRow("3212 63 and 64") << 3212 << 63u << 64u << QByteArray::fromHex("013f002001");
        QTest::addRow("3212 94 and 95") << 3212 << 94u << 95u << QByteArray::fromHex("013e012002");
        QTest::addRow("3212 111") << 3212 << 111u << 16u << QByteArray::fromHex("0130021000");

        QTest::addRow("3104 axes swapped: y 107 in X bytes")
            << 3104 << 10u << 107u << QByteArray::fromHex("0136010a00");
        QTest::addRow("3104 106 and 159") << 3104 << 159u << 106u << QByteArray::fromHex("016a006a01");

        QTest::addRow("3333 0 -> T[0]=188, 79 -> T[79]=185") << 3333 << 0u << 79u << QByteArray::fromHex("01bc00b900");
        QTest::addRow("3333 80 -> T[40]=93, 119 -> T[79]") << 3333 << 80u << 119u << QByteArray::fromHex("015d01b901");
        QTest::addRow("3333 120 clamps to 119") << 3333 << 120u << 120u << QByteArray::fromHex("01b901b901");

        QTest::addRow("3335 x for both: 160 -> T[160]=188") << 3335 << 160u << 5u << QByteArray::fromHex("01bc00bc00");
        QTest::addRow("3335 161 -> T[121]=144") << 3335 << 161u << 0u << QByteArray::fromHex("0190019001");
        QTest::addRow("3335 240 clamps to 200 -> T[160]") << 3335 << 240u << 1u << QByteArray::fromHex("01bc01bc01");

        QTest::addRow("unknown sensor 0") << 0 << 50u << 50u << QByteArray::fromHex("0100000000");
        QTest::addRow("unknown sensor 3326") << 3326 << 10u << 10u << QByteArray::fromHex("0100000000");
    }

    void stage()
    {
        QFETCH(int, sensor);
        QFETCH(uint, x);
        QFETCH(uint, y);
        DpiInfo info;
        info.used = 1;
        info.link = 1; // link and xy never reach the mouse
        info.xy = 77;
        info.x = x;
        info.y = y;
        const DpiStagePayload payload = encodeDpiStage(info, sensor);
        QTEST(QByteArray(reinterpret_cast<const char*>(payload.data()), int(payload.size())), "expected");
    }

    void stageFrames()
    {
        ProfileData profile;
        for (int k = 0; k < kDpiStageCount; ++k) {
            profile.stages[k].used = quint8(k % 2);
            profile.stages[k].x = 10 + k;
            profile.stages[k].y = 121 + k;
        }
        // 3360: x -> x - 1 range 0; y -> y - 61 range 1
        QCOMPARE(framesHex(encodeDpiStages(profile, 3360)),
                 hexFrames({"05 00 fa 02 00 00 01 d1 06", "05 00 fa 02 01 00 05 d2 00 09 00 3c 01",
                            "05 00 fa 02 06 00 05 d2 01 0a 00 3d 01", "05 00 fa 02 0b 00 05 d2 00 0b 00 3e 01",
                            "05 00 fa 02 10 00 05 d2 01 0c 00 3f 01", "05 00 fa 02 15 00 05 d2 00 0d 00 40 01",
                            "05 00 fa 02 1a 00 05 d2 01 0e 00 41 01", "05 00 fa 02 7f 00 01 d3 1a"}));
    }
};

QTEST_GUILESS_MAIN(DpiCodesTest)
#include "tst_dpi_codes.moc"
