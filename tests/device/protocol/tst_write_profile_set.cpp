#include "HexFrame.h"
#include "RecordingSender.h"

#include "TestDataHome.h"
#include "device/protocol/WriteProfileSet.h"
#include "store/DataPaths.h"

#include <QDir>
#include <QSettings>
#include <QTest>

namespace {

// Frame bytes 3..7 (command, address or parameters, length, phase): enough to tell every frame apart.
QString header(const Frame& frame)
{
    return QString::asprintf("%02x %02x %02x %02x %02x", frame[3], frame[4], frame[5], frame[6], frame[7]);
}

const QStringList kSessionBegin{"46 00 00 00 00"};
const QStringList kSessionEnd{"46 01 00 00 00"};
const QStringList kSettings{"01 00 00 13 d1", "01 7f 00 01 d3"};
const QStringList kButtons{"03 00 00 02 d1", "03 02 00 18 d2", "03 1a 00 18 d2", "03 32 00 18 d2",
                           "03 4a 00 18 d2", "03 62 00 04 d2", "03 7f 00 01 d3"};
const QStringList kDpi{"02 00 00 01 d1", "02 01 00 05 d2", "02 06 00 05 d2", "02 0b 00 05 d2",
                       "02 10 00 05 d2", "02 15 00 05 d2", "02 1a 00 05 d2", "02 7f 00 01 d3"};
const QStringList kLighting{"04 00 00 18 d1", "04 18 00 18 d2", "04 30 00 18 d2", "04 48 00 08 d2", "04 7f 00 01 d3"};
const QStringList kReloads{"40 f3 04 00 00", "40 f3 01 00 00", "40 f3 02 00 00", "40 f3 08 00 00", "40 f3 10 00 00"};
// Slot 0 of the macro memory in ten blocks of 20 bytes, then the closing write.
const QStringList kMacroSlot0{"05 00 00 14 d1", "05 14 00 14 d2", "05 28 00 14 d2", "05 3c 00 14 d2",
                              "05 50 00 14 d2", "05 64 00 14 d2", "05 78 00 14 d2", "05 8c 00 14 d2",
                              "05 a0 00 14 d2", "05 b4 00 14 d2", "05 ff 0f 01 d3"};

// Logs frames and the callbacks in one list, so their relative order is checked too.
struct Harness
{
    QStringList events;
    RecordingSender mouse;
    WriteProfileContext context;

    Harness()
    {
        context.productName = QStringLiteral("OSKEN R5");
        context.sensorModel = 3325;
        context.send = [this](const Frame& frame) {
            events << header(frame);
            return mouse.sender()(frame);
        };
        context.sleep = [this](int ms) { events << QString("sleep %1").arg(ms); };
        context.stopStatusThread = [this] { events << "stop"; };
        context.startStatusThread = [this] { events << "start"; };
    }
    const Frame& frame(int i) const { return mouse.frames.at(std::size_t(i)); }
};

// Record 0 of the active slot 3 runs macro "M" once (loop mode 0, count 1); the macro has three key events.
ConfigData macroConfig()
{
    ConfigData config;
    config.ProfileID = 2;
    ButtonInfo& record = config.slots[2].buttons[0];
    record.Fun = 200;
    record.Res1 = 0;
    record.LoopNumber = 1;
    record.Res4 = 9;
    record.macroname = QStringLiteral("M");
    return config;
}

} // namespace

class WriteProfileSetTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestDataHome>();
        QDir().mkpath(macroDirectory());
        QSettings file(macroDirectory() + "/M.MSMACRO", QSettings::IniFormat);
        file.setValue("Setting/Count", 3);
        const int map[] = {1, 2, 1};
        const int low[] = {0x1e, 0x1e, 0x1f};
        for (int i = 0; i < 3; ++i) {
            file.setValue(QString("Setting/Map_%1").arg(i), map[i]);
            file.setValue(QString("Setting/DataL_%1").arg(i), low[i]);
            file.setValue(QString("Setting/DataH_%1").arg(i), 0);
        }
    }
    // The old folder goes first: it restores the data folder it replaced.
    void cleanup() { m_home.reset(); }

    void order_data()
    {
        QTest::addColumn<uint>("sections");
        QTest::addColumn<QStringList>("expected");
        const QStringList stop{"stop"};
        const QStringList start{"start"};
        // The macro is encoded (with its pause) before any macro write goes out.
        const QStringList macroPart = QStringList{"sleep 50"} + kMacroSlot0;
        QTest::addRow("nothing changed") << 0u << stop + kSessionBegin + kSessionEnd + start;
        QTest::addRow("settings only") << 1u << stop + kSessionBegin + kSettings + kReloads + kSessionEnd + start;
        QTest::addRow("dpi only") << 2u << stop + kSessionBegin + kDpi + kReloads + kSessionEnd + start;
        QTest::addRow("buttons only") << 4u
                                      << stop + kSessionBegin + kButtons + kReloads + macroPart + kSessionEnd + start;
        QTest::addRow("lighting only") << 8u << stop + kSessionBegin + kLighting + kReloads + kSessionEnd + start;
        QTest::addRow("everything") << 15u
                                    << stop + kSessionBegin + kSettings + kButtons + kDpi + kLighting + kReloads +
                                           macroPart + kSessionEnd + start;
    }

    void order()
    {
        QFETCH(uint, sections);
        Harness h;
        QCOMPARE(int(WriteProfileSet(h.context, macroConfig(), sections)), 0);
        QTEST(h.events, "expected");
    }

    void buttonAndMacroBytes()
    {
        Harness h;
        QCOMPARE(int(WriteProfileSet(h.context, macroConfig(), 4)), 0);
        // Head 0A 00; entry 0: macro, slot 0, loop count 1 (low byte first); entries 1..5: code 0 sends zeros.
        QCOMPARE(frameHex(h.frame(1)), frameHex(hexFrame("05 00 fa 03 00 00 02 d1 0a 00")));
        QCOMPARE(frameHex(h.frame(2)), frameHex(hexFrame("05 00 fa 03 02 00 18 d2 91 00 01 00")));
        // Three key events and no delay: e0 e1 e2, separator, separator.
        QCOMPARE(frameHex(h.frame(13)),
                 frameHex(hexFrame("05 00 fa 05 00 00 14 d1 01 1e 00 02 1e 00 01 1f 00 06 01 00 06 01 00")));
        QCOMPARE(int(h.context.deviceConfig.ProfileID), 2);
        QCOMPARE(int(h.context.deviceConfig.slots[2].buttons[0].Res4), 0); // the slot of this write
        QVERIFY(h.context.macroSlots.empty());
    }

    void buttonTableKeptForOtherProducts()
    {
        Harness h;
        QCOMPARE(int(WriteProfileSet(h.context, macroConfig(), 4)), 0);
        h.mouse.frames.clear();
        h.events.clear();
        h.context.productName = QStringLiteral("7138");
        QCOMPARE(int(WriteProfileSet(h.context, ConfigData(), 4)), 0);
        // The block of the last fill goes out again, and no macro is left to download.
        QCOMPARE(frameHex(h.frame(2)), frameHex(hexFrame("05 00 fa 03 02 00 18 d2 91 00 01 00")));
        QCOMPARE(h.events,
                 QStringList{"stop"} + kSessionBegin + kButtons + kReloads + kSessionEnd + QStringList{"start"});
    }

    // A write-out that not one frame was echoed to reached nobody, unless it failed on its own.
    void writeWithoutEchoIsAsleep()
    {
        Harness h;
        h.context.echoedFrames = [] { return quint64(0); };
        QCOMPARE(int(WriteProfileSet(h.context, ConfigData(), 15)), 5);
        h.mouse.frames.clear();
        h.mouse.failAt = 3;
        QCOMPARE(int(WriteProfileSet(h.context, ConfigData(), 15)), 4);
        QCOMPARE(h.events.last(), QString("start"));
    }

private:
    std::unique_ptr<TestDataHome> m_home;
};

QTEST_GUILESS_MAIN(WriteProfileSetTest)
#include "tst_write_profile_set.moc"
