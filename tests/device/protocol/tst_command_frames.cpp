#include "HexFrame.h"
#include "RecordingSender.h"

#include "device/protocol/CommandFrames.h"
#include "device/protocol/DeviceCommands.h"
#include "device/protocol/DpiCodes.h"
#include "device/protocol/InputReports.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<Frame>)

namespace {
QString run(int from, int to)
{
    QString s;
    for (int v = from; v <= to; ++v)
        s += QString::asprintf(" %02x", v);
    return s;
}

// Mode entry m: colour (m·16+1, m·16+2, m·16+3), brightness 0x40+m, speed 0x50+m, so every byte names its source.
ProfileData lightingProfile()
{
    ProfileData profile;
    for (int m = 0; m < kLedModeCount; ++m) {
        profile.modes[m].RGB = RgbColor::fromRgb(quint8(m * 16 + 1), quint8(m * 16 + 2), quint8(m * 16 + 3));
        profile.modes[m].bright = 0x40 + m;
        profile.modes[m].breath = 0x50 + m;
    }
    return profile;
}
} // namespace

// Frames worked out by hand from the command layouts; the checksum byte stays 0 until the write fills it.
class CommandFramesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void golden_data()
    {
        QTest::addColumn<std::vector<Frame>>("frames");
        QTest::addColumn<QStringList>("expected");
        ConfigData config;
        const quint8 scroll[kSlotCount] = {3, 4, 5, 6, 7};
        const quint8 rate[kSlotCount] = {1, 2, 4, 8, 1};
        for (int i = 0; i < kSlotCount; ++i) {
            config.slots[i].scrollspeed = scroll[i];
            config.slots[i].pollrate = rate[i];
            config.slots[i].dpi = 5;
        }
        config.LiftHigh = 2;
        config.ProfileID = 3;
        config.slots[3].dpi = 4;
        config.slots[3].LedMode = 11; // REACTIVE -> effect code 7
        ButtonBlock block{};
        for (int i = 0; i < kButtonBlockSize; ++i)
            block[i] = static_cast<quint8>(i + 1);
        QTest::addRow("session begin") << std::vector<Frame>{encodeSetWriteSession(0)}
                                       << QStringList{"05 00 fa 46 00 00 00 00"};
        QTest::addRow("session end") << std::vector<Frame>{encodeSetWriteSession(1)}
                                     << QStringList{"05 00 fa 46 01 00 00 00"};
        // 19 bytes: scroll x5, lift, profile, 01 x4, rate x5, 1F, active dpi, effect
        QTest::addRow("settings block")
            << encodeSettingsBlock(config)
            << QStringList{"05 00 fa 01 00 00 13 d1 03 04 05 06 07 02 03 01 01 01 01 01 02 04 08 01 1f 04 07",
                           "05 00 fa 01 7f 00 01 d3 1a"};
        QTest::addRow("button table") << encodeButtonTable(block)
                                      << QStringList{"05 00 fa 03 00 00 02 d1 01 02",
                                                     "05 00 fa 03 02 00 18 d2" + run(0x03, 0x1a),
                                                     "05 00 fa 03 1a 00 18 d2" + run(0x1b, 0x32),
                                                     "05 00 fa 03 32 00 18 d2" + run(0x33, 0x4a),
                                                     "05 00 fa 03 4a 00 18 d2" + run(0x4b, 0x62),
                                                     "05 00 fa 03 62 00 04 d2 ff ff ff ff",
                                                     "05 00 fa 03 7f 00 01 d3 1a"};
    }

    void golden()
    {
        QFETCH(std::vector<Frame>, frames);
        QFETCH(QStringList, expected);
        QCOMPARE(framesHex(frames), hexFrames(expected));
    }

    void effectCodes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("code");
        // Modes 5 to 9 share code 6, 10 and 11 swap places, unknown modes fall back to 6.
        QTest::addRow("static") << 1 << 2;
        QTest::addRow("mode 5") << 5 << 6;
        QTest::addRow("mode 10") << 10 << 8;
        QTest::addRow("mode 13") << 13 << 10;
        QTest::addRow("mode 255") << 255 << 6;
    }

    void effectCodes()
    {
        QFETCH(int, mode);
        ConfigData config;
        config.slots[0].LedMode = static_cast<quint8>(mode);
        QTEST(int(encodeSettingsBlock(config)[0][8 + 18]), "code");
    }

    void lightingSlots_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("bUnset"); // the slot's colour was never set: sent black
        QTest::addColumn<QString>("bytes");
        QTest::addRow("0 off") << 0 << false << "80 00 00 00 00 00 00 00";
        QTest::addRow("1 full lighted") << 1 << false << "80 11 12 13 01 00 02 41";
        QTest::addRow("2 breathing") << 2 << false << "80 21 22 23 01 52 04 03";
        QTest::addRow("2 breathing, colour unset") << 2 << true << "80 00 00 00 01 52 04 03";
        QTest::addRow("3 colour breathing") << 3 << false << "80 00 00 00 01 53 01 03";
        QTest::addRow("4 rainbow") << 4 << false << "80 00 00 00 01 54 08 44";
        QTest::addRow("5 wave (mode 9)") << 5 << false << "80 00 00 00 05 59 01 49";
        QTest::addRow("6 reactive (mode 11)") << 6 << false << "80 00 00 00 07 00 00 4b";
        QTest::addRow("7 go without trace (mode 10)") << 7 << false << "80 00 00 00 06 5a 00 4a";
        QTest::addRow("8 yo-yo (mode 12)") << 8 << false << "80 00 00 00 08 5c 00 4c";
        QTest::addRow("9 marbles (mode 13)") << 9 << false << "80 00 00 00 09 5d 00 4d";
    }

    void lightingSlots()
    {
        QFETCH(int, slot);
        QFETCH(bool, bUnset);
        QFETCH(QString, bytes);
        ProfileData profile = lightingProfile();
        if (bUnset)
            profile.modes[2].RGB = RgbColor{0x99, 0x99, 0x99, false};
        const std::vector<Frame> frames = encodeLightingTable(profile);
        QByteArray payload;
        for (std::size_t i = 0; i + 1 < frames.size(); ++i)
            payload.append(reinterpret_cast<const char*>(frames[i].data() + 8), frames[i][6]);
        QCOMPARE(payload.size(), 80);
        QCOMPARE(payload.mid(slot * 8, 8), QByteArray::fromHex(bytes.toLatin1()));
    }

    void statusReport_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<bool>("decoded");
        QTest::addRow("status") << QByteArray::fromHex("0500004902010800") << true;
        QTest::addRow("battery reply") << QByteArray::fromHex("0500004802010800") << false;
        QTest::addRow("pointer report") << QByteArray::fromHex("0100000000000000") << false;
        QTest::addRow("seven bytes") << QByteArray::fromHex("05000049020108") << false;
    }

    void statusReport()
    {
        QFETCH(QByteArray, report);
        const auto status = decodeStatusReport(reinterpret_cast<const quint8*>(report.constData()), report.size());
        QTEST(status.has_value(), "decoded");
        if (status)
            QCOMPARE(QVector<int>({status->profile, status->dpiStage, status->rate}), QVector<int>({2, 1, 8}));
        QVERIFY(!decodeStatusReport(nullptr, 33));
    }

    // Expected codes are read off the sensors' code tables by hand (index noted in each row).
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

    void noSenderIsNoDevice() { QCOMPARE(int(SetWriteSession(FrameSender(), 0)), int(DeviceResult::NoDevice)); }

    void switchProfileIgnoresResults()
    {
        std::vector<Frame> sent;
        SwitchProfile(
            [&sent](const Frame& f) {
                sent.push_back(f);
                return quint8(DeviceResult::WriteFailed);
            },
            2);
        QCOMPARE(framesHex(sent), hexFrames({"05 00 fa 44 02", "05 00 fa 40 f3 01"}));
    }

    void slotMenuSwitch()
    {
        RecordingSender rec;
        QCOMPARE(int(SwitchProfileAndReload(rec.sender(), 4)), 0);
        QCOMPARE(framesHex(rec.frames),
                 hexFrames({"05 00 fa 44 04", "05 00 fa 40 f3 01", "05 00 fa 40 f3 04", "05 00 fa 40 f3 01",
                            "05 00 fa 40 f3 02", "05 00 fa 40 f3 08", "05 00 fa 40 f3 10"}));
    }

    void dpiStagesOfTheGivenSlot()
    {
        ConfigData config;
        config.slots[1].stages[0] = DpiInfo{1, 0, 0, 20, 30};
        RecordingSender rec;
        QCOMPARE(int(WriteDpiStages(rec.sender(), config, 6, 3212)), 0); // 6 wraps to slot 1
        QCOMPARE(frameHex(rec.frames.at(1)), frameHex(hexFrame("05 00 fa 02 01 00 05 d2 01 14 00 1e 00")));
    }

    void lightingAlwaysFromSlotZero()
    {
        ConfigData config;
        config.ProfileID = 3;
        config.slots[0].modes[1].RGB = RgbColor::fromRgb(1, 2, 3);
        config.slots[3].modes[1].RGB = RgbColor::fromRgb(9, 9, 9);
        RecordingSender rec;
        QCOMPARE(int(WriteLightingTable(rec.sender(), config, 0)), 0);
        QCOMPARE(int(rec.frames.size()), 5);
        QCOMPARE(int(rec.frames[0][8 + 9]), 1);
        QCOMPARE(int(rec.frames[0][8 + 11]), 3);
    }
};

QTEST_GUILESS_MAIN(CommandFramesTest)
#include "tst_command_frames.moc"
