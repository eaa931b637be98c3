#include "HexFrame.h"

#include "device/protocol/CommandFrames.h"
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

std::vector<Frame> settingsFrames()
{
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
    return encodeSettingsBlock(config);
}

std::vector<Frame> buttonFrames()
{
    ButtonBlock block{};
    for (int i = 0; i < kButtonBlockSize; ++i)
        block[i] = static_cast<quint8>(i + 1);
    return encodeButtonTable(block);
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
        QTest::addRow("session begin") << std::vector<Frame>{encodeSetWriteSession(0)}
                                       << QStringList{"05 00 fa 46 00 00 00 00"};
        QTest::addRow("session end") << std::vector<Frame>{encodeSetWriteSession(1)}
                                     << QStringList{"05 00 fa 46 01 00 00 00"};
        // 19 bytes: scroll x5, lift, profile, 01 x4, rate x5, 1F, active dpi, effect
        QTest::addRow("settings block")
            << settingsFrames()
            << QStringList{"05 00 fa 01 00 00 13 d1 03 04 05 06 07 02 03 01 01 01 01 01 02 04 08 01 1f 04 07",
                           "05 00 fa 01 7f 00 01 d3 1a"};
        QTest::addRow("button table") << buttonFrames()
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
};

QTEST_GUILESS_MAIN(CommandFramesTest)
#include "tst_command_frames.moc"
