#include "macro/core/MacroDownload.h"
#include "buttons/core/ButtonFunction.h"
#include "macro/core/MacroFiles.h"

#include "TestDataHome.h"

#include <QTest>

#include <vector>

namespace {

using Bytes = std::vector<quint8>;

// Records every frame; answers `failResult` to frame number `failAt` (counting from 0).
struct RecordingSender
{
    std::vector<Frame> frames;
    int failAt = -1;
    quint8 failResult = 0;

    FrameSender sender()
    {
        return [this](const Frame& frame) {
            frames.push_back(frame);
            return int(frames.size()) - 1 == failAt ? failResult : quint8{0};
        };
    }
};

// A macro write as the mouse must receive it: 05, checksum left 0, FA, 05, address low/high, length 20, phase.
Frame macroFrame(int address, quint8 phase, const Bytes& payload)
{
    Frame f{};
    f[0] = 0x05;
    f[2] = 0xFA;
    f[3] = 0x05;
    f[4] = static_cast<quint8>(address & 0xFF);
    f[5] = static_cast<quint8>(address >> 8);
    f[6] = 0x14;
    f[7] = phase;
    for (size_t i = 0; i < payload.size() && i < 20; ++i)
        f[8 + i] = payload[i];
    return f;
}

Frame closingFrame()
{
    Frame f{};
    f[0] = 0x05;
    f[2] = 0xFA;
    f[3] = 0x05;
    f[4] = 0xFF;
    f[5] = 0x0F;
    f[6] = 0x01;
    f[7] = 0xD3;
    f[8] = 0x1A;
    return f;
}

void bind(ButtonInfo& record, const QString& name, int fun = ButtonFunction::Macro)
{
    record.Fun = fun;
    record.macroname = name;
}

void saveKeys(const QString& name, std::initializer_list<quint8> usages)
{
    MacroFile macro;
    for (quint8 u : usages) {
        macro.events.push_back(keyEvent(u, true));
        macro.events.push_back(keyEvent(u, false));
    }
    QVERIFY(saveMacro(name, macro));
}

} // namespace

class MacroDownloadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneMacroOnTwoButtonsIsSentOnce()
    {
        TestDataHome home;
        saveKeys("M", {0x04}); // A down, A up
        ConfigData config;
        bind(config.slots[0].buttons[0], "M");
        bind(config.slots[0].buttons[40], "M");
        bind(config.slots[3].buttons[2], "M");
        MacroSlotMap slotMap{{0, "M"}};
        RecordingSender rec;
        std::vector<int> sleeps;
        const quint8 result = downloadMacros(config, slotMap, rec.sender(), [&](int ms) { sleeps.push_back(ms); });
        QCOMPARE(int(result), 0);
        QVERIFY(slotMap.empty());
        QCOMPARE(sleeps, std::vector<int>{50});
        QCOMPARE(int(rec.frames.size()), 11);
        // A down, A up, separator.
        QCOMPARE(rec.frames[0], macroFrame(0, 0xD1, {0x84, 0x04, 0, 0x04, 0x04, 0, 0x06, 0x01, 0}));
        for (int k = 1; k < 10; ++k)
            QCOMPARE(rec.frames[k], macroFrame(20 * k, 0xD2, {}));
        QCOMPARE(rec.frames[10], closingFrame());
    }

    void slotsGoToTheirAddresses()
    {
        TestDataHome home;
        saveKeys("A", {0x04});
        saveKeys("B", {0x05, 0x06});
        ConfigData config;
        bind(config.slots[1].buttons[7], "B", ButtonFunction::GunFile);
        bind(config.slots[0].buttons[1], "A");
        bind(config.slots[0].buttons[2], "missing");
        MacroSlotMap slotMap{{0, "A"}, {1, "B"}, {2, "missing"}, {3, "unbound"}};
        RecordingSender rec;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), {})), 0);
        QCOMPARE(int(rec.frames.size()), 31);
        QCOMPARE(rec.frames[10], macroFrame(200, 0xD2, {0x84, 0x05, 0,    0x04, 0x05, 0,    0x84, 0x06, 0, 0x04,
                                                        0x06, 0,    0x06, 0x01, 0,    0x06, 0x01, 0,    0, 0}));
        QCOMPARE(rec.frames[11], macroFrame(220, 0xD2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        // A missing file goes as an empty macro: one separator.
        QCOMPARE(rec.frames[20], macroFrame(400, 0xD2, {0x06, 0x01, 0x00}));
        QCOMPARE(rec.frames[30], closingFrame());
        // Only the bound names are taken out of the map.
        QCOMPARE(slotMap, (MacroSlotMap{{3, "unbound"}}));
    }

    void twentyFirstMacroIsNotDownloaded()
    {
        TestDataHome home;
        ConfigData config;
        MacroSlotMap slotMap;
        for (int i = 0; i < 21; ++i) {
            const QString name = QStringLiteral("m%1").arg(i);
            saveKeys(name, {static_cast<quint8>(0x04 + i)});
            bind(config.slots[0].buttons[i], name);
            slotMap[static_cast<quint8>(i)] = name;
        }
        RecordingSender rec;
        int sleeps = 0;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), [&](int) { ++sleeps; })), 0);
        QCOMPARE(sleeps, 20);
        QCOMPARE(int(rec.frames.size()), 201);
        // Slot 19's first block, then the closing write; nothing at 4000.
        QCOMPARE(rec.frames[190], macroFrame(3800, 0xD2, {0x84, 0x17, 0, 0x04, 0x17, 0, 0x06, 0x01, 0, 0, 0, 0}));
        QCOMPARE(rec.frames[199], macroFrame(3980, 0xD2, {}));
        QCOMPARE(rec.frames[200], closingFrame());
        QCOMPARE(slotMap, (MacroSlotMap{{20, "m20"}}));
    }

    void firstFailureEndsTheDownload()
    {
        TestDataHome home;
        saveKeys("A", {0x04});
        saveKeys("B", {0x05});
        ConfigData config;
        bind(config.slots[0].buttons[0], "A");
        bind(config.slots[0].buttons[1], "B");
        MacroSlotMap slotMap{{0, "A"}, {1, "B"}};
        RecordingSender rec;
        rec.failAt = 12;
        rec.failResult = 4;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), {})), 4);
        QCOMPARE(int(rec.frames.size()), 13);
        QCOMPARE(int(rec.frames.back()[4]), 240 & 0xFF);
    }

    void failingClosingWriteIsReported()
    {
        TestDataHome home;
        ConfigData config;
        bind(config.slots[0].buttons[0], "A");
        MacroSlotMap slotMap{{0, "A"}};
        RecordingSender rec;
        rec.failAt = 10;
        rec.failResult = 2;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), {})), 2);
        QCOMPARE(rec.frames.back(), closingFrame());
    }

    void nothingBoundSendsNothing()
    {
        TestDataHome home;
        ConfigData config;
        bind(config.slots[0].buttons[0], "A", ButtonFunction::SingleKey); // a name on another function
        MacroSlotMap slotMap{{0, "A"}};
        RecordingSender rec;
        int sleeps = 0;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), [&](int) { ++sleeps; })), 0);
        QVERIFY(rec.frames.empty());
        QCOMPARE(sleeps, 0);
        MacroSlotMap empty;
        bind(config.slots[0].buttons[0], "A");
        QCOMPARE(int(downloadMacros(config, empty, rec.sender(), {})), 0);
        QVERIFY(rec.frames.empty());
    }

    void firstWriteOfADownloadIsTheFirstPhase()
    {
        // Slot 0 already downloaded by an earlier pass: the download starts at slot 1 and still opens with D1.
        TestDataHome home;
        saveKeys("B", {0x05});
        ConfigData config;
        bind(config.slots[0].buttons[1], "B");
        MacroSlotMap slotMap{{1, "B"}};
        RecordingSender rec;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), {})), 0);
        QCOMPARE(int(rec.frames.size()), 11);
        QCOMPARE(rec.frames[0], macroFrame(200, 0xD1, {0x84, 0x05, 0, 0x04, 0x05, 0, 0x06, 0x01, 0}));
        QCOMPARE(int(rec.frames[1][7]), 0xD2);
    }
};

QTEST_GUILESS_MAIN(MacroDownloadTest)
#include "MacroDownloadTest.moc"
