#include "HexFrame.h"
#include "RecordingSender.h"

#include "device/protocol/DeviceCommands.h"

#include <QTest>

class DeviceCommandsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

QTEST_GUILESS_MAIN(DeviceCommandsTest)
#include "tst_device_commands.moc"
