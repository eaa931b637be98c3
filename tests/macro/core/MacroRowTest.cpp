#include "macro/core/MacroRow.h"

#include <QTest>

Q_DECLARE_METATYPE(MacroRowKind)
Q_DECLARE_METATYPE(MoveDirection)

class MacroRowTest : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<int>("map");
        QTest::addColumn<int>("dataH");
        QTest::addColumn<int>("dataL");
        QTest::addColumn<int>("delayType");
        QTest::addColumn<MacroRowKind>("kind");
        QTest::addColumn<bool>("press");
        QTest::addColumn<int>("value");
        QTest::addColumn<MoveDirection>("direction");
        QTest::addColumn<int>("amount"); // distance or delay in ms
        const auto R = MoveDirection::Right;
        QTest::addRow("left click down") << 0x81 << 0 << 1 << 0 << MacroRowKind::MouseButton << true << 1 << R << 0;
        QTest::addRow("backward up") << 0x01 << 0 << 16 << 0 << MacroRowKind::MouseButton << false << 16 << R << 0;
        QTest::addRow("button bit 3") << 0x81 << 0 << 3 << 0 << MacroRowKind::Hidden << false << 0 << R << 0;
        QTest::addRow("button bit 32") << 0x01 << 0 << 32 << 0 << MacroRowKind::Hidden << false << 0 << R << 0;
        QTest::addRow("move right 120") << 0x02 << 0 << 120 << 0 << MacroRowKind::Movement << false << 0 << R << 120;
        QTest::addRow("move left 5") << 0x02 << 0 << 251 << 0 << MacroRowKind::Movement << false << 0
                                     << MoveDirection::Left << 5;
        QTest::addRow("move left 135") << 0x02 << 0 << 121 << 0 << MacroRowKind::Movement << false << 0
                                       << MoveDirection::Left << 135;
        QTest::addRow("move down 7") << 0x02 << 7 << 0 << 0 << MacroRowKind::Movement << false << 0
                                     << MoveDirection::Down << 7;
        QTest::addRow("move up 1") << 0x02 << 255 << 0 << 0 << MacroRowKind::Movement << false << 0 << MoveDirection::Up
                                   << 1;
        QTest::addRow("move both axes") << 0x02 << 3 << 4 << 0 << MacroRowKind::Movement << false << 0 << R << 0;
        QTest::addRow("delay recorded") << 0x06 << 3 << 232 << 1 << MacroRowKind::Delay << false << 0 << R << 10000;
        QTest::addRow("delay inserted") << 0x06 << 0 << 1 << 2 << MacroRowKind::Delay << false << 0 << R << 10;
        QTest::addRow("delay dropped") << 0x06 << 0 << 5 << 0 << MacroRowKind::Hidden << false << 0 << R << 0;
        QTest::addRow("key down") << 0x84 << 9 << 0x04 << 0 << MacroRowKind::Key << true << 4 << R << 0;
        QTest::addRow("key up") << 0x04 << 0 << 0xE1 << 0 << MacroRowKind::Key << false << 0xE1 << R << 0;
        QTest::addRow("type 3") << 0x03 << 0 << 1 << 1 << MacroRowKind::Hidden << false << 0 << R << 0;
        QTest::addRow("type 0") << 0x00 << 0 << 0 << 1 << MacroRowKind::Hidden << false << 0 << R << 0;
    }
    void rows()
    {
        QFETCH(int, map);
        QFETCH(int, dataH);
        QFETCH(int, dataL);
        QFETCH(int, delayType);
        QFETCH(MacroRowKind, kind);
        QFETCH(bool, press);
        QFETCH(int, value);
        QFETCH(MoveDirection, direction);
        QFETCH(int, amount);
        const MacroEvent event{quint8(map), quint8(dataH), quint8(dataL)};
        const MacroRow row = macroRowFor(event, delayType);
        QCOMPARE(row.kind, kind);
        if (kind == MacroRowKind::MouseButton || kind == MacroRowKind::Key) {
            QCOMPARE(row.press, press);
            QCOMPARE(int(row.value), value);
        }
        if (kind == MacroRowKind::Movement) {
            QCOMPARE(row.direction, direction);
            QCOMPARE(row.distance, amount);
        }
        if (kind == MacroRowKind::Delay)
            QCOMPARE(row.delayMs, amount);
        if (kind == MacroRowKind::Key)
            QCOMPARE(int(row.event.DataH), 0);
    }

    void buttonTexts()
    {
        QCOMPARE(QString::fromLatin1(macroButtonText(1)), QStringLiteral("LEFT CLICK"));
        QCOMPARE(QString::fromLatin1(macroButtonText(2)), QStringLiteral("RIGHT CLICK"));
        QCOMPARE(QString::fromLatin1(macroButtonText(4)), QStringLiteral("MIDDLE CLICK"));
        QCOMPARE(QString::fromLatin1(macroButtonText(8)), QStringLiteral("FORWARD"));
        QCOMPARE(QString::fromLatin1(macroButtonText(16)), QStringLiteral("BACKWARD"));
        QVERIFY(!macroButtonText(0));
        QVERIFY(!macroButtonText(6));
    }
};

QTEST_GUILESS_MAIN(MacroRowTest)
#include "MacroRowTest.moc"
