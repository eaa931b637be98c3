#include "HexFrame.h"

#include "device/protocol/CommandFrames.h"
#include "device/protocol/InputReports.h"

#include <QTest>

class CommandFramesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void simpleFrames_data();
    void simpleFrames();
    void checksums_data();
    void checksums();
    void switchProfileAddsReload();
    void reloadOrder();
    void settingsBlock();
    void effectCodes_data();
    void effectCodes();
    void buttonTableFraming();
    void lightingSlots_data();
    void lightingSlots();
    void lightingFraming();
    void lightingUnsetColourIsBlack();
    void batteryReply_data();
    void batteryReply();
    void statusReport_data();
    void statusReport();
};

void CommandFramesTest::simpleFrames_data()
{
    QTest::addColumn<Frame>("frame");
    QTest::addColumn<QString>("expected");
    QTest::addRow("session begin") << encodeSetWriteSession(0) << "05 00 fa 46 00 00 00 00";
    QTest::addRow("session end") << encodeSetWriteSession(1) << "05 00 fa 46 01 00 00 00";
    QTest::addRow("reload 0x04") << encodeReloadSection(0x04) << "05 00 fa 40 f3 04 00 00";
    QTest::addRow("reload 0x10") << encodeReloadSection(0x10) << "05 00 fa 40 f3 10 00 00";
    QTest::addRow("battery query") << batteryQueryFrame() << "05 24 fa 48";
}

void CommandFramesTest::simpleFrames()
{
    QFETCH(Frame, frame);
    QFETCH(QString, expected);
    QCOMPARE(frameHex(frame), frameHex(hexFrame(expected)));
}

void CommandFramesTest::checksums_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("checksum");
    // (0xFA + 0x46) & 0xFF = 0x40, ^ 0x66 = 0x26
    QTest::addRow("session begin") << "05 00 fa 46 00 00 00 00" << 0x26;
    // 0xFA + 0x48 = 0x142 -> 0x42 ^ 0x66 = 0x24
    QTest::addRow("battery query") << "05 00 fa 48" << 0x24;
    // 0xFA + 0x01 + 0x7F + 0x01 + 0xD3 = 0x24E -> 0x4E ^ 0x66 = 0x28; payload bytes do not count
    QTest::addRow("settings commit") << "05 00 fa 01 7f 00 01 d3 1a" << 0x28;
}

void CommandFramesTest::checksums()
{
    QFETCH(QString, frame);
    QFETCH(int, checksum);
    QCOMPARE(int(frameChecksum(hexFrame(frame))), checksum);
}

void CommandFramesTest::switchProfileAddsReload()
{
    QCOMPARE(framesHex(encodeSwitchProfile(3)), hexFrames({"05 00 fa 44 03", "05 00 fa 40 f3 01"}));
}

void CommandFramesTest::reloadOrder()
{
    QCOMPARE(framesHex(encodeReloadAll()), hexFrames({"05 00 fa 40 f3 04", "05 00 fa 40 f3 01", "05 00 fa 40 f3 02",
                                                      "05 00 fa 40 f3 08", "05 00 fa 40 f3 10"}));
}

void CommandFramesTest::settingsBlock()
{
    ConfigData config;
    const quint8 scroll[kSlotCount] = {3, 4, 5, 6, 7};
    const quint8 rate[kSlotCount] = {1, 2, 4, 8, 1};
    for (int i = 0; i < kSlotCount; ++i) {
        config.slots[i].scrollspeed = scroll[i];
        config.slots[i].pollrate = rate[i];
        config.slots[i].dpi = 5;
        config.slots[i].LedMode = 0;
    }
    config.LiftHigh = 2;
    config.ProfileID = 3;
    config.slots[3].dpi = 4;
    config.slots[3].LedMode = 11; // REACTIVE -> effect code 7
    // 19 bytes: scroll x5, lift, profile, 01 x4, rate x5, 1F, active dpi, effect
    QCOMPARE(framesHex(encodeSettingsBlock(config)),
             hexFrames({"05 00 fa 01 00 00 13 d1 03 04 05 06 07 02 03 01 01 01 01 01 02 04 08 01 1f 04 07",
                        "05 00 fa 01 7f 00 01 d3 1a"}));
}

void CommandFramesTest::effectCodes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("code");
    const int codes[] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    for (int mode = 0; mode < 14; ++mode)
        QTest::addRow("mode %d", mode) << mode << codes[mode];
    QTest::addRow("mode 14") << 14 << 6;
    QTest::addRow("mode 255") << 255 << 6;
}

void CommandFramesTest::effectCodes()
{
    QFETCH(int, mode);
    QFETCH(int, code);
    QCOMPARE(int(lightingEffectCode(static_cast<quint8>(mode))), code);
    ConfigData config;
    config.slots[0].LedMode = static_cast<quint8>(mode);
    QCOMPARE(int(encodeSettingsBlock(config)[0][8 + 18]), code);
}

void CommandFramesTest::buttonTableFraming()
{
    ButtonBlock block{};
    for (int i = 0; i < kButtonBlockSize; ++i)
        block[i] = static_cast<quint8>(i + 1);
    auto run = [](int from, int to) {
        QString s;
        for (int v = from; v <= to; ++v)
            s += QString::asprintf(" %02x", v);
        return s;
    };
    QCOMPARE(framesHex(encodeButtonTable(block)),
             hexFrames({"05 00 fa 03 00 00 02 d1 01 02", "05 00 fa 03 02 00 18 d2" + run(0x03, 0x1a),
                        "05 00 fa 03 1a 00 18 d2" + run(0x1b, 0x32), "05 00 fa 03 32 00 18 d2" + run(0x33, 0x4a),
                        "05 00 fa 03 4a 00 18 d2" + run(0x4b, 0x62), "05 00 fa 03 62 00 04 d2 ff ff ff ff",
                        "05 00 fa 03 7f 00 01 d3 1a"}));
}

namespace {
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

QByteArray lightingPayload(const std::vector<Frame>& frames)
{
    QByteArray bytes;
    for (std::size_t i = 0; i + 1 < frames.size(); ++i)
        bytes.append(reinterpret_cast<const char*>(frames[i].data() + 8), frames[i][6]);
    return bytes;
}
} // namespace

void CommandFramesTest::lightingSlots_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("bytes");
    QTest::addRow("0 off") << 0 << "80 00 00 00 00 00 00 00";
    QTest::addRow("1 full lighted") << 1 << "80 11 12 13 01 00 02 41";
    QTest::addRow("2 breathing") << 2 << "80 21 22 23 01 52 04 03";
    QTest::addRow("3 colour breathing") << 3 << "80 00 00 00 01 53 01 03";
    QTest::addRow("4 rainbow") << 4 << "80 00 00 00 01 54 08 44";
    QTest::addRow("5 wave (mode 9)") << 5 << "80 00 00 00 05 59 01 49";
    QTest::addRow("6 reactive (mode 11)") << 6 << "80 00 00 00 07 00 00 4b";
    QTest::addRow("7 go without trace (mode 10)") << 7 << "80 00 00 00 06 5a 00 4a";
    QTest::addRow("8 yo-yo (mode 12)") << 8 << "80 00 00 00 08 5c 00 4c";
    QTest::addRow("9 marbles (mode 13)") << 9 << "80 00 00 00 09 5d 00 4d";
}

void CommandFramesTest::lightingSlots()
{
    QFETCH(int, slot);
    QFETCH(QString, bytes);
    const QByteArray payload = lightingPayload(encodeLightingTable(lightingProfile()));
    QCOMPARE(payload.size(), 80);
    QCOMPARE(payload.mid(slot * 8, 8), QByteArray::fromHex(bytes.toLatin1()));
}

void CommandFramesTest::lightingFraming()
{
    const std::vector<Frame> frames = encodeLightingTable(lightingProfile());
    QCOMPARE(int(frames.size()), 5);
    const int address[] = {0, 24, 48, 72};
    const int length[] = {24, 24, 24, 8};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(int(frames[i][3]), 0x04);
        QCOMPARE(int(frames[i][4]), address[i]);
        QCOMPARE(int(frames[i][6]), length[i]);
        QCOMPARE(int(frames[i][7]), i == 0 ? 0xD1 : 0xD2);
    }
    QCOMPARE(frameHex(frames[4]), frameHex(hexFrame("05 00 fa 04 7f 00 01 d3 1a")));
}

void CommandFramesTest::lightingUnsetColourIsBlack()
{
    ProfileData profile = lightingProfile();
    profile.modes[2].RGB = RgbColor{0x99, 0x99, 0x99, false};
    const QByteArray payload = lightingPayload(encodeLightingTable(profile));
    QCOMPARE(payload.mid(16, 8), QByteArray::fromHex("8000000001520403"));
}

void CommandFramesTest::batteryReply_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<QByteArray>("values"); // low, high, charging, write status
    QTest::addRow("reply") << QByteArray::fromHex("050000"
                                                  "48"
                                                  "e0030100")
                           << true << QByteArray::fromHex("e0030100");
    QTest::addRow("asleep") << QByteArray::fromHex("050000"
                                                   "48"
                                                   "00000000")
                            << true << QByteArray::fromHex("00000000");
    QTest::addRow("status report") << QByteArray::fromHex("050000"
                                                          "49"
                                                          "01020400")
                                   << false << QByteArray();
    QTest::addRow("short") << QByteArray::fromHex("050000"
                                                  "48"
                                                  "e003")
                           << false << QByteArray();
    QTest::addRow("empty") << QByteArray() << false << QByteArray();
}

void CommandFramesTest::batteryReply()
{
    QFETCH(QByteArray, report);
    QFETCH(bool, decoded);
    QFETCH(QByteArray, values);
    const auto reply = decodeBatteryReply(reinterpret_cast<const quint8*>(report.constData()), report.size());
    QCOMPARE(reply.has_value(), decoded);
    if (!reply)
        return;
    QCOMPARE(int(reply->low), int(quint8(values[0])));
    QCOMPARE(int(reply->high), int(quint8(values[1])));
    QCOMPARE(int(reply->charging), int(quint8(values[2])));
    QCOMPARE(int(reply->writeStatus), int(quint8(values[3])));
    QCOMPARE(reply->isAsleep(), values.left(3) == QByteArray(3, '\0'));
}

void CommandFramesTest::statusReport_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<bool>("decoded");
    QTest::addRow("status") << QByteArray::fromHex("050000"
                                                   "49"
                                                   "02010800")
                            << true;
    QTest::addRow("battery reply") << QByteArray::fromHex("050000"
                                                          "48"
                                                          "02010800")
                                   << false;
    QTest::addRow("pointer report") << QByteArray::fromHex("0100000000000000") << false;
    QTest::addRow("seven bytes") << QByteArray::fromHex("05000049020108") << false;
}

void CommandFramesTest::statusReport()
{
    QFETCH(QByteArray, report);
    QFETCH(bool, decoded);
    const auto status = decodeStatusReport(reinterpret_cast<const quint8*>(report.constData()), report.size());
    QCOMPARE(status.has_value(), decoded);
    if (status) {
        QCOMPARE(int(status->profile), 2);
        QCOMPARE(int(status->dpiStage), 1);
        QCOMPARE(int(status->rate), 8);
    }
    QVERIFY(!decodeStatusReport(nullptr, 33));
}

QTEST_GUILESS_MAIN(CommandFramesTest)
#include "tst_command_frames.moc"
