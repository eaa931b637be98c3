#include "RecordingSender.h"
#include "TestDataHome.h"
#include "TestMain.h"
#include "buttons/core/ButtonFunction.h"
#include "macro/core/MacroBindings.h"
#include "macro/core/MacroDownload.h"
#include "macro/core/MacroFiles.h"
#include "macro/core/MacroImage.h"
#include "macro/core/MacroRow.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"

#include <QFile>
#include <QSettings>
#include <QTest>
#include <vector>

Q_DECLARE_METATYPE(std::vector<MacroEvent>)
Q_DECLARE_METATYPE(std::vector<quint8>)
Q_DECLARE_METATYPE(MacroEvent)

namespace {

using Bytes = std::vector<quint8>;

// Key press j: 84 (usage j + 4) 00 in stream order (type, low, high).
MacroEvent key(int j)
{
    return keyEvent(static_cast<quint8>(j + 4), true);
}
Bytes keyBytes(int j)
{
    return {0x84, static_cast<quint8>(j + 4), 0x00};
}
const Bytes S = {0x06, 0x01, 0x00};
const Bytes Z = {0x00, 0x00, 0x00};

std::vector<MacroEvent> keys(int count)
{
    std::vector<MacroEvent> events;
    for (int j = 0; j < count; ++j)
        events.push_back(key(j));
    return events;
}

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Without delays: groups of four events each followed by a separator.
Bytes grouped(int count)
{
    Bytes out;
    for (int j = 0; j < count; ++j) {
        out = join({out, keyBytes(j)});
        if (j % 4 == 3)
            out = join({out, S});
    }
    return out;
}

} // namespace

class MacroStreamTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void streams_data()
    {
        QTest::addColumn<std::vector<MacroEvent>>("events");
        QTest::addColumn<Bytes>("expected");
        QTest::addRow("empty") << std::vector<MacroEvent>{} << S;
        QTest::addRow("4 events") << keys(4) << join({keyBytes(0), keyBytes(1), keyBytes(2), keyBytes(3), S, S});
        QTest::addRow("5 events") << keys(5)
                                  << join({keyBytes(0), keyBytes(1), keyBytes(2), keyBytes(3), S, keyBytes(4), S});
        // 40 events: ten groups with their separators (50 places), the closing separator, one zero place.
        QTest::addRow("40 events") << keys(40) << join({grouped(40), S});
        // 47 events fill 60 places; a 48th is dropped.
        const Bytes fortySeven = join({grouped(47), S, S});
        QTest::addRow("47 events") << keys(47) << fortySeven;
        QTest::addRow("48 events cut to 47") << keys(48) << fortySeven;

        std::vector<MacroEvent> withDelay{key(0), delayEvent(1000), keyEvent(4, false)};
        QTest::addRow("with delay") << withDelay << Bytes{0x84, 0x04, 0x00, 0x06, 0x64, 0x00, 0x04, 0x04, 0x00};
        QTest::addRow("longest delay") << std::vector<MacroEvent>{delayEvent(99999999)} << Bytes{0x06, 0xFF, 0xFF};

        std::vector<MacroEvent> mouse{mouseButtonEvent(MacroMouseButton::Left, true), movementEvent(-5, 0),
                                      mouseButtonEvent(MacroMouseButton::Left, false)};
        QTest::addRow("mouse events") << mouse
                                      << join({{0x81, 0x01, 0x00}, {0x02, 0xFB, 0x00}, {0x01, 0x01, 0x00}, S, S});

        // 62 events with one delay go unchanged: 186 bytes.
        std::vector<MacroEvent> sixtyTwo = keys(61);
        sixtyTwo.insert(sixtyTwo.begin() + 30, delayEvent(20));
        Bytes sixtyTwoBytes;
        for (int j = 0; j < 61; ++j)
            sixtyTwoBytes = join({sixtyTwoBytes, j == 30 ? Bytes{0x06, 0x02, 0x00} : Bytes{}, keyBytes(j)});
        QTest::addRow("62 events with a delay") << sixtyTwo << sixtyTwoBytes;

        // 70 events with a delay (210 bytes unchanged) are cut to 63 events, 189 bytes.
        std::vector<MacroEvent> seventy = keys(69);
        seventy.insert(seventy.begin(), delayEvent(10));
        Bytes cut = S;
        for (int j = 0; j < 62; ++j)
            cut = join({cut, keyBytes(j)});
        QTest::addRow("70 events with a delay") << seventy << cut;
    }
    void streams()
    {
        QFETCH(std::vector<MacroEvent>, events);
        QFETCH(Bytes, expected);
        MacroImage image;
        image.bytes.fill(0xAA);
        QVERIFY(encodeMacroStream(events, 3, image));
        expected.resize(200, 0x00);
        QCOMPARE(Bytes(image.bytes.begin() + 600, image.bytes.begin() + 800), expected);
        // Neighbouring slots are not touched.
        QCOMPARE(int(image.bytes[599]), 0xAA);
        QCOMPARE(int(image.bytes[800]), 0xAA);
    }

    void slotRange()
    {
        MacroImage image;
        QVERIFY(encodeMacroStream(keys(1), 19, image));
        QCOMPARE(int(image.bytes[3800]), 0x84);
        const MacroImage before = image;
        QVERIFY(!encodeMacroStream(keys(1), 20, image));
        QVERIFY(!encodeMacroStream(keys(1), -1, image));
        QVERIFY(image.bytes == before.bytes);
    }
};

namespace {

// A row as the table shows it: its kind and what it names.
QString shown(const MacroRow& row)
{
    const char* const directions[] = {"left", "right", "up", "down"};
    switch (row.kind) {
    case MacroRowKind::MouseButton:
    case MacroRowKind::Key:
        return QStringLiteral("%1 %2 %3")
            .arg(row.kind == MacroRowKind::Key ? "key" : "button", row.press ? "press" : "release")
            .arg(row.value);
    case MacroRowKind::Movement:
        return QStringLiteral("move %1 %2").arg(directions[int(row.direction)]).arg(row.distance);
    case MacroRowKind::Delay:
        return QStringLiteral("delay %1").arg(row.delayMs);
    default:
        return QStringLiteral("hidden");
    }
}

} // namespace

class MacroRowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data()
    {
        QTest::addColumn<MacroEvent>("event");
        QTest::addColumn<int>("delayType");
        QTest::addColumn<QString>("row");
        QTest::addRow("left click down") << MacroEvent{0x81, 0, 1} << 0 << "button press 1";
        QTest::addRow("button bit 3") << MacroEvent{0x81, 0, 3} << 0 << "hidden";
        QTest::addRow("button bit 32") << MacroEvent{0x01, 0, 32} << 0 << "hidden";
        QTest::addRow("move right 120") << MacroEvent{0x02, 0, 120} << 0 << "move right 120";
        QTest::addRow("move left 135") << MacroEvent{0x02, 0, 121} << 0 << "move left 135";
        QTest::addRow("move down 7") << MacroEvent{0x02, 7, 0} << 0 << "move down 7";
        QTest::addRow("move both axes") << MacroEvent{0x02, 3, 4} << 0 << "move right 0";
        QTest::addRow("delay recorded") << MacroEvent{0x06, 3, 232} << 1 << "delay 10000";
        QTest::addRow("delay inserted") << MacroEvent{0x06, 0, 1} << 2 << "delay 10";
        QTest::addRow("delay dropped") << MacroEvent{0x06, 0, 5} << 0 << "hidden";
        QTest::addRow("key down") << MacroEvent{0x84, 9, 0x04} << 0 << "key press 4";
        QTest::addRow("key up") << MacroEvent{0x04, 0, 0xE1} << 0 << "key release 225";
        QTest::addRow("type 3") << MacroEvent{0x03, 0, 1} << 1 << "hidden";
    }
    void rows()
    {
        QFETCH(MacroEvent, event);
        QFETCH(int, delayType);
        const MacroRow row = macroRowFor(event, delayType);
        QTEST(shown(row), "row");
        if (row.kind == MacroRowKind::Key)
            QCOMPARE(int(row.event.DataH), 0);
    }
};

namespace {

// A macro write as the mouse must receive it: 05, checksum left 0, FA, 05, address low/high, length, phase.
Frame macroFrame(int address, quint8 phase, const Bytes& payload, quint8 length = 0x14)
{
    Frame f{};
    f[0] = 0x05;
    f[2] = 0xFA;
    f[3] = 0x05;
    f[4] = static_cast<quint8>(address & 0xFF);
    f[5] = static_cast<quint8>(address >> 8);
    f[6] = length;
    f[7] = phase;
    for (size_t i = 0; i < payload.size() && i < 20; ++i)
        f[8 + i] = payload[i];
    return f;
}

// The write that ends a download.
const Frame kClosing = macroFrame(0x0FFF, 0xD3, {0x1A}, 0x01);

ButtonInfo binding(int fun, const QString& name)
{
    ButtonInfo button;
    button.Fun = fun;
    button.macroname = name;
    return button;
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
    // Slot 0 already downloaded by an earlier pass: the download starts at slot 1 and still opens with D1.
    void oneMacroOnTwoButtonsIsSentOnce()
    {
        TestDataHome home;
        saveKeys("M", {0x04}); // A down, A up
        ConfigData config;
        config.slots[0].buttons[0] = binding(ButtonFunction::Macro, "M");
        config.slots[0].buttons[40] = binding(ButtonFunction::Macro, "M");
        config.slots[3].buttons[2] = binding(ButtonFunction::Macro, "M");
        MacroSlotMap slotMap{{1, "M"}};
        RecordingSender rec;
        std::vector<int> sleeps;
        const quint8 result = downloadMacros(config, slotMap, rec.sender(), [&](int ms) { sleeps.push_back(ms); });
        QCOMPARE(int(result), 0);
        QVERIFY(slotMap.empty());
        QCOMPARE(sleeps, std::vector<int>{50});
        QCOMPARE(int(rec.frames.size()), 11);
        // A down, A up, separator.
        QCOMPARE(rec.frames[0], macroFrame(200, 0xD1, {0x84, 0x04, 0, 0x04, 0x04, 0, 0x06, 0x01, 0}));
        for (int k = 1; k < 10; ++k)
            QCOMPARE(rec.frames[k], macroFrame(200 + 20 * k, 0xD2, {}));
        QCOMPARE(rec.frames[10], kClosing);
    }

    void slotsGoToTheirAddresses()
    {
        TestDataHome home;
        saveKeys("A", {0x04});
        saveKeys("B", {0x05, 0x06});
        ConfigData config;
        config.slots[1].buttons[7] = binding(ButtonFunction::GunFile, "B");
        config.slots[0].buttons[1] = binding(ButtonFunction::Macro, "A");
        config.slots[0].buttons[2] = binding(ButtonFunction::Macro, "missing");
        config.slots[2].buttons[0] = binding(ButtonFunction::SingleKey, "unbound"); // a name on another function
        MacroSlotMap slotMap{{0, "A"}, {1, "B"}, {2, "missing"}, {3, "unbound"}};
        RecordingSender rec;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), {})), 0);
        QCOMPARE(int(rec.frames.size()), 31);
        QCOMPARE(rec.frames[10], macroFrame(200, 0xD2, {0x84, 0x05, 0,    0x04, 0x05, 0,    0x84, 0x06, 0, 0x04,
                                                        0x06, 0,    0x06, 0x01, 0,    0x06, 0x01, 0,    0, 0}));
        QCOMPARE(rec.frames[11], macroFrame(220, 0xD2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        // A missing file goes as an empty macro: one separator.
        QCOMPARE(rec.frames[20], macroFrame(400, 0xD2, {0x06, 0x01, 0x00}));
        QCOMPARE(rec.frames[30], kClosing);
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
            config.slots[0].buttons[i] = binding(ButtonFunction::Macro, name);
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
        QCOMPARE(rec.frames[200], kClosing);
        QCOMPARE(slotMap, (MacroSlotMap{{20, "m20"}}));
    }

    // The first failing write ends the download and its status is what the caller gets.
    void failureEndsTheDownload_data()
    {
        QTest::addColumn<int>("failAt");
        QTest::addRow("a block write") << 12;
        QTest::addRow("the closing write") << 20;
    }
    void failureEndsTheDownload()
    {
        QFETCH(int, failAt);
        TestDataHome home;
        saveKeys("A", {0x04});
        ConfigData config;
        config.slots[0].buttons[0] = binding(ButtonFunction::Macro, "A");
        config.slots[0].buttons[1] = binding(ButtonFunction::Macro, "B");
        MacroSlotMap slotMap{{0, "A"}, {1, "B"}};
        RecordingSender rec;
        rec.failAt = failAt;
        rec.failure = 4;
        QCOMPARE(int(downloadMacros(config, slotMap, rec.sender(), {})), 4);
        QCOMPARE(int(rec.frames.size()), failAt);
    }
};

namespace {

MacroFile sample(int count)
{
    MacroFile macro;
    macro.DefaultDelay = 30;
    macro.DelayType = 1;
    macro.LoopType = 2;
    macro.LoopTime = 7;
    for (int i = 0; i < count; ++i)
        macro.events.push_back(MacroEvent{static_cast<quint8>(0x84 - (i % 2) * 0x80), 0, static_cast<quint8>(4 + i)});
    return macro;
}

void setList(std::initializer_list<std::pair<int, const char*>> entries)
{
    QSettings settings(programConfigPath(), QSettings::IniFormat);
    for (const auto& e : entries)
        settings.setValue(QStringLiteral("MACRO_LIST/%1").arg(e.first), QString::fromLatin1(e.second));
}

QString listEntry(int index)
{
    const QSettings settings(programConfigPath(), QSettings::IniFormat);
    return settings.value(QStringLiteral("MACRO_LIST/%1").arg(index)).toString();
}

} // namespace

class MacroFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_home = std::make_unique<TestDataHome>(); }
    void cleanup() { m_home.reset(); }

    void saveAndReadBack()
    {
        MacroFile macro = sample(5);
        macro.events.push_back(delayEvent(10000));
        QVERIFY(saveMacro("Fast", macro));
        const QString path = m_home->path() + "/OSKEN R5/MacroDB/Fast.MSMACRO";
        QCOMPARE(macroFilePath("Fast"), path);
        const QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value("Setting/MacroFilePath").toString(), path);
        QCOMPARE(raw.value("Setting/Count").toInt(), 6);
        QCOMPARE(raw.value("Setting/WriteSign").toInt(), 1);
        // Event values are written as decimal text: 10000 ms is 1000 units, 3 * 256 + 232.
        QCOMPARE(raw.value("Setting/Map_5").type(), QVariant::String);
        QCOMPARE(raw.value("Setting/Map_5").toString(), QStringLiteral("6"));
        QCOMPARE(raw.value("Setting/DataH_5").toString(), QStringLiteral("3"));
        QCOMPARE(raw.value("Setting/DataL_5").toString(), QStringLiteral("232"));

        const MacroFile back = readMacro("Fast");
        QCOMPARE(back.DefaultDelay, 30);
        QCOMPARE(back.DelayType, 1);
        QCOMPARE(back.LoopType, 2);
        QCOMPARE(back.LoopTime, 7);
        QVERIFY(back.events == macro.events);
    }

    void integerFormAndBadValues()
    {
        // The gun-set editor's form: integers throughout, no WriteSign; a value too wide keeps its low byte.
        m_home->writeFile("OSKEN R5/MacroDB/Gun.MSMACRO", "[Setting]\nDefaultDelay=10\nDelayType=1\nLoopType=0\n"
                                                          "LoopTime=1\nCount=3\nMap_0=129\nDataH_0=0\nDataL_0=1\n"
                                                          "Map_1=6\nDataH_1=0\nDataL_1=300\nMap_2=x\n");
        const MacroFile gun = readMacro("Gun");
        QCOMPARE(int(gun.events.size()), 3);
        QCOMPARE(gun.events[0], (MacroEvent{0x81, 0, 1}));
        QCOMPARE(gun.events[1], (MacroEvent{6, 0, 44}));
        QCOMPARE(gun.events[2], (MacroEvent{0, 0, 0}));

        m_home->writeFile("OSKEN R5/MacroDB/Huge.MSMACRO", "[Setting]\nCount=2000000000\n");
        QCOMPARE(int(readMacro("Huge").events.size()), kMacroReadLimit);
        m_home->writeFile("OSKEN R5/MacroDB/Negative.MSMACRO", "[Setting]\nCount=-4\n");
        QVERIFY(readMacro("Negative").events.empty());

        const MacroFile missing = readMacro("nothing");
        QVERIFY(missing.events.empty());
        QCOMPARE(missing.DefaultDelay + missing.DelayType + missing.LoopType + missing.LoopTime, 0);
    }

    void namesNeverLeaveTheMacroFolder()
    {
        const QString outside = m_home->writeFile("OSKEN R5/Victim.MSMACRO", "[Setting]\nCount=1\n");
        QVERIFY(!saveMacro("../Victim", sample(1)));
        QVERIFY(readMacro("../Victim").events.empty());
        deleteMacroFile("../Victim");
        deleteMacro("../Victim");
        QVERIFY(QFile::exists(outside));
        QVERIFY(!saveMacro("", sample(1)));
        QVERIFY(renameMacro("A", "../B").isEmpty());
    }

    void nameListOperations()
    {
        setList({{0, "a"}, {1, ""}, {2, "b"}, {3, "a"}});
        QCOMPARE(listMacroNames(), (QStringList{"a", "b", "a"}));
        QCOMPARE(countMacroNames(), 3);
        QVERIFY(addMacroName("c"));
        QCOMPARE(listEntry(1), QStringLiteral("c"));
        QVERIFY(addMacroName("d"));
        QCOMPARE(listEntry(4), QStringLiteral("d"));
        QVERIFY(removeMacroName("a"));
        QCOMPARE(listEntry(0), QString());
        QCOMPARE(listEntry(3), QStringLiteral("a"));
        QVERIFY(renameMacroName("a", "e"));
        QCOMPARE(listEntry(3), QStringLiteral("e"));
        QCOMPARE(listMacroNames(), (QStringList{"c", "b", "e", "d"}));
        QVERIFY(!removeMacroName("zz"));
        QVERIFY(!renameMacroName("zz", "y"));
        QVERIFY(!addMacroName(""));
    }

    void newNamesAndCreation()
    {
        QCOMPARE(newMacroName(), QStringLiteral("name_1"));
        m_home->writeFile("OSKEN R5/MacroDB/name_1.MSMACRO", "");
        m_home->writeFile("OSKEN R5/MacroDB/name_2.MSMACRO", "");
        m_home->writeFile("OSKEN R5/MacroDB/name_4.MSMACRO", "");
        QCOMPARE(newMacroName(), QStringLiteral("name_3"));

        const QString created = createMacro();
        QCOMPARE(created, QStringLiteral("name_3"));
        QCOMPARE(listMacroNames(), QStringList{"name_3"});
        const QSettings raw(macroFilePath(created), QSettings::IniFormat);
        QCOMPARE(raw.value("Setting/Count").toInt(), 0);
        QCOMPARE(raw.value("Setting/WriteSign").toInt(), 1);
        QCOMPARE(raw.value("Setting/DefaultDelay").toInt(), 10);
        QCOMPARE(createMacro(), QStringLiteral("name_5"));
    }

    void renameAvoidsTakenNames()
    {
        QVERIFY(saveMacro("old", sample(2)));
        QVERIFY(saveMacro("Taken", sample(1)));
        QVERIFY(saveMacro("Taken_2", sample(1)));
        setList({{0, "Taken"}, {1, "old"}, {2, "Taken_2"}});
        QCOMPARE(renameMacro("old", "Taken"), QStringLiteral("Taken_3"));
        QVERIFY(!QFile::exists(macroFilePath("old")));
        QCOMPARE(int(readMacro("Taken_3").events.size()), 2);
        QCOMPARE(listMacroNames(), (QStringList{"Taken", "Taken_3", "Taken_2"}));

        // A name without a file only changes its list entry.
        setList({{3, "ghost"}});
        QCOMPARE(renameMacro("ghost", "spirit"), QStringLiteral("spirit"));
        QCOMPARE(listEntry(3), QStringLiteral("spirit"));
        QVERIFY(!QFile::exists(macroFilePath("spirit")));
    }

    // A button must not send an empty macro in place of one it cannot read.
    void fileStatesAndMissingBindings()
    {
        QVERIFY(saveMacro("Saved", sample(1)));
        m_home->writeFile("OSKEN R5/MacroDB/Gun.MSMACRO", "[Setting]\nCount=0\n");
        m_home->writeFile("OSKEN R5/MacroDB/Junk.MSMACRO", "not a macro\n");
        m_home->writeFile("OSKEN R5/MacroDB/Cut.MSMACRO", "[Setting\nCount=3\n");
        m_home->makeSpecial("OSKEN R5/MacroDB/Pipe.MSMACRO", TestDataHome::Special::Fifo);
        QCOMPARE(macroFileState("Saved"), MacroFileState::Ok);
        QCOMPARE(macroFileState("Gun"), MacroFileState::Ok);
        QCOMPARE(macroFileState("Junk"), MacroFileState::Unreadable);
        QCOMPARE(macroFileState("Cut"), MacroFileState::Unreadable);
        QCOMPARE(macroFileState("Pipe"), MacroFileState::Unreadable);
        QVERIFY(readMacro("Pipe").events.empty()); // and does not block
        QCOMPARE(macroFileState("Gone"), MacroFileState::Missing);
        QCOMPARE(macroFileState("../Saved"), MacroFileState::Missing);

        ProfileData record;
        const char* bound[] = {"Saved", "Gone", "Junk", "Gone", "Gun", "Pipe"};
        for (int i = 0; i < 6; ++i)
            record.buttons[i] = binding(i == 4 ? 510 : 200, bound[i]);
        record.buttons[7] = binding(1, "Ghost"); // a left-over name on a button that runs no macro
        record.buttons[8] = binding(510, "Lost");
        QCOMPARE(missingMacros(record), (QStringList{"Gone", "Junk", "Pipe", "Lost"}));
    }

    void renameMovesEveryBinding()
    {
        QVERIFY(writeCurrentProductName("OSKEN R5"));
        ProfileData p1;
        p1.pollrate = 8;
        p1.buttons[3] = binding(200, "old");
        p1.buttons[5] = binding(510, "old");
        p1.buttons[6] = binding(1, "old");
        ProfileData p2;
        p2.buttons[0] = binding(200, "other");
        QVERIFY(saveProfile(p1, profileFilePath("P1"), profileGroup()));
        QVERIFY(saveProfile(p2, profileFilePath("P2"), profileGroup()));
        ConfigData working;
        working.slotProfileNames = {"Profile 1", "Unsaved", "P1", "P2", "Profile 5"};
        working.slot(1).buttons[9] = binding(200, "old");
        ConfigData saved = working;
        saved.slot(1).buttons[9] = binding(200, "other");

        QCOMPARE(macroUsers("old", {&working, &saved}), (QStringList{"Unsaved", "P1"}));
        QVERIFY(renameMacroBindings("old", "new", {&working, &saved}));
        QCOMPARE(working.slot(1).buttons[9].macroname, QStringLiteral("new"));
        QCOMPARE(saved.slot(1).buttons[9].macroname, QStringLiteral("other"));
        ProfileData read;
        loadProfile(read, profileFilePath("P1"), profileGroup());
        QCOMPARE(read.buttons[3].macroname, QStringLiteral("new"));
        QCOMPARE(read.buttons[5].macroname, QStringLiteral("new"));
        QCOMPARE(read.buttons[6].macroname, QStringLiteral("old"));
        QCOMPARE(int(read.pollrate), 8);
        QVERIFY(macroUsers("old", {&working, &saved}).isEmpty());
        QCOMPARE(macroUsers("other", {&working, &saved}), (QStringList{"Unsaved", "P2"}));
    }

private:
    std::unique_ptr<TestDataHome> m_home;
};

int main(int argc, char** argv)
{
    return runTestClasses<QCoreApplication, MacroStreamTest, MacroRowTest, MacroDownloadTest, MacroFilesTest>(argc,
                                                                                                              argv);
}

#include "tst_macro_core.moc"
