#include "macro/core/MacroImage.h"

#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(std::vector<MacroEvent>)
Q_DECLARE_METATYPE(std::vector<quint8>)

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

Bytes slotOf(const MacroImage& image, int slot)
{
    return Bytes(image.bytes.begin() + 200 * slot, image.bytes.begin() + 200 * slot + 200);
}

} // namespace

class MacroStreamTest : public QObject
{
    Q_OBJECT

private slots:
    void streams_data()
    {
        QTest::addColumn<std::vector<MacroEvent>>("events");
        QTest::addColumn<Bytes>("expected");
        QTest::addRow("empty") << std::vector<MacroEvent>{} << S;
        QTest::addRow("3 events") << keys(3) << join({keyBytes(0), keyBytes(1), keyBytes(2), S, S});
        QTest::addRow("4 events") << keys(4) << join({keyBytes(0), keyBytes(1), keyBytes(2), keyBytes(3), S, S});
        QTest::addRow("5 events") << keys(5)
                                  << join({keyBytes(0), keyBytes(1), keyBytes(2), keyBytes(3), S, keyBytes(4), S});
        // 40 events: ten groups with their separators (50 places), the closing separator, one zero place.
        const Bytes forty = join({grouped(40), S});
        QCOMPARE(int(forty.size()), 51 * 3);
        QTest::addRow("40 events") << keys(40) << forty;
        // 47 events fill 60 places; a 48th is dropped.
        const Bytes fortySeven = join({grouped(47), S, S});
        QCOMPARE(int(fortySeven.size()), 60 * 3);
        QTest::addRow("47 events") << keys(47) << fortySeven;
        QTest::addRow("48 events cut to 47") << keys(48) << fortySeven;

        std::vector<MacroEvent> withDelay{key(0), delayEvent(1000), keyEvent(4, false)};
        QTest::addRow("with delay") << withDelay << Bytes{0x84, 0x04, 0x00, 0x06, 0x64, 0x00, 0x04, 0x04, 0x00};

        std::vector<MacroEvent> mouse{mouseButtonEvent(MacroMouseButton::Left, true), movementEvent(-5, 0),
                                      mouseButtonEvent(MacroMouseButton::Left, false)};
        QTest::addRow("mouse events") << mouse
                                      << join({{0x81, 0x01, 0x00}, {0x02, 0xFB, 0x00}, {0x01, 0x01, 0x00}, S, S});

        // 62 events with one delay go unchanged: 186 bytes.
        std::vector<MacroEvent> sixtyTwo = keys(61);
        sixtyTwo.insert(sixtyTwo.begin() + 30, delayEvent(20));
        Bytes sixtyTwoBytes = grouped(0);
        for (int j = 0; j < 61; ++j) {
            if (j == 30)
                sixtyTwoBytes = join({sixtyTwoBytes, {0x06, 0x02, 0x00}});
            sixtyTwoBytes = join({sixtyTwoBytes, keyBytes(j)});
        }
        QCOMPARE(int(sixtyTwoBytes.size()), 186);
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
        QCOMPARE(slotOf(image, 3), expected);
        // Neighbouring slots are not touched.
        QCOMPARE(int(image.bytes[599]), 0xAA);
        QCOMPARE(int(image.bytes[800]), 0xAA);
    }

    void slotRange()
    {
        MacroImage image;
        QVERIFY(encodeMacroStream(keys(1), 19, image));
        QCOMPARE(slotOf(image, 19), ([] {
                     Bytes b = join({keyBytes(0), S});
                     b.resize(200, 0);
                     return b;
                 }()));
        const MacroImage before = image;
        QVERIFY(!encodeMacroStream(keys(1), 20, image));
        QVERIFY(!encodeMacroStream(keys(1), -1, image));
        QVERIFY(image.bytes == before.bytes);
    }

    void eventValues()
    {
        // Delays are held in units of 10 ms: 1000 ms = 100 units, 10000 ms = 1000 = 3 * 256 + 232 units;
        // 5 steps left = 256 - 5.
        QCOMPARE(delayEvent(1000), (MacroEvent{6, 0, 100}));
        QCOMPARE(delayEvent(10000), (MacroEvent{6, 3, 232}));
        QCOMPARE(delayEvent(99999999), (MacroEvent{6, 0xFF, 0xFF}));
        QCOMPARE(movementEvent(-5, 0), (MacroEvent{2, 0, 251}));
        QCOMPARE(movementEvent(0, 7), (MacroEvent{2, 7, 0}));
        QCOMPARE(keyEvent(0x04, false), (MacroEvent{4, 0, 4}));
        QCOMPARE(mouseButtonEvent(16, true), (MacroEvent{0x81, 0, 16}));
    }
};

QTEST_GUILESS_MAIN(MacroStreamTest)
#include "MacroStreamTest.moc"
