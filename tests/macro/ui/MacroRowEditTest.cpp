#include "macro/ui/MacroRowEdit.h"
#include "macro/ui/OrnItemModel.h"
#include "macro/ui/OrnMacroItemDelegate.h"

#include <QtTest>

using namespace macroedit;

Q_DECLARE_METATYPE(macroedit::Rows)
Q_DECLARE_METATYPE(MacroEvent)

namespace {

MacroEvent ev(int map, int h, int l)
{
    return MacroEvent{static_cast<quint8>(map), static_cast<quint8>(h), static_cast<quint8>(l)};
}

const MacroEvent kA = ev(0x84, 0, 4), kB = ev(0x84, 0, 5), kC = ev(0x84, 0, 6), kD = ev(0x84, 0, 7);

} // namespace

namespace QTest {
template <> char* toString(const macroedit::Rows& rows)
{
    QByteArray text;
    for (const MacroEvent& e : rows)
        text += QByteArray::number(e.Map) + '/' + QByteArray::number(e.DataH) + '/' + QByteArray::number(e.DataL) + ' ';
    return qstrdup(text.constData());
}
} // namespace QTest

class MacroRowEditTest : public QObject
{
    Q_OBJECT
private slots:
    void moves_data();
    void moves();
    void removeKeepsIndexOrLastRow();
    void copyAndCut();
    void insertRespectsRowLimits();
    void recordLimits();
    void mouseClicks_data();
    void mouseClicks();
    void movements_data();
    void movements();
    void releaseCheck_data();
    void releaseCheck();
    void cellTexts_data();
    void cellTexts();
    void modelCentresAndRoundTrips();
};

void MacroRowEditTest::moves_data()
{
    QTest::addColumn<int>("command"); // 0 up, 1 down, 2 top, 3 bottom
    QTest::addColumn<int>("current");
    QTest::addColumn<Rows>("expected");
    QTest::addColumn<int>("newCurrent");
    QTest::addRow("up on first row") << 0 << 0 << Rows{kA, kB, kC, kD} << 0;
    QTest::addRow("down on last row") << 1 << 3 << Rows{kA, kB, kC, kD} << 3;
    QTest::addRow("up") << 0 << 2 << Rows{kA, kC, kB, kD} << 1;
    QTest::addRow("down") << 1 << 1 << Rows{kA, kC, kB, kD} << 2;
    QTest::addRow("top") << 2 << 2 << Rows{kC, kA, kB, kD} << 0;
    QTest::addRow("bottom") << 3 << 1 << Rows{kA, kC, kD, kB} << 3;
    QTest::addRow("no current row") << 0 << -1 << Rows{kA, kB, kC, kD} << -1;
    QTest::addRow("index past the end") << 3 << 4 << Rows{kA, kB, kC, kD} << -1;
}

void MacroRowEditTest::moves()
{
    QFETCH(int, command);
    QFETCH(int, current);
    QFETCH(Rows, expected);
    QFETCH(int, newCurrent);
    Rows rows{kA, kB, kC, kD};
    int (*const ops[])(Rows&, int) = {moveUp, moveDown, moveTop, moveBottom};
    QCOMPARE(ops[command](rows, current), newCurrent);
    QCOMPARE(rows, expected);
}

void MacroRowEditTest::removeKeepsIndexOrLastRow()
{
    Rows rows{kA, kB, kC};
    QCOMPARE(removeRow(rows, 1), 1);
    QCOMPARE(rows, (Rows{kA, kC}));
    QCOMPARE(removeRow(rows, 1), 0);
    QCOMPARE(removeRow(rows, 0), -1);
    QVERIFY(rows.empty());
    QCOMPARE(removeRow(rows, 0), -1);
}

void MacroRowEditTest::copyAndCut()
{
    Rows rows{kA, kB, kC, kD};
    QCOMPARE(copyRows(rows, 1, 2), (Rows{kB, kC}));
    QVERIFY(copyRows(rows, 2, 1).empty());
    QVERIFY(copyRows(rows, 3, 4).empty());
    QCOMPARE(cutRows(rows, 2, 3), 1);
    QCOMPARE(rows, (Rows{kA, kB}));
}

void MacroRowEditTest::insertRespectsRowLimits()
{
    Rows rows{kA, kB};
    QCOMPARE(insertAfter(rows, 0, {kC, kD}, 1), 2);
    QCOMPARE(rows, (Rows{kA, kC, kD, kB}));
    QCOMPARE(insertAfter(rows, -1, {kD}, 1), 0);
    QCOMPARE(rows.front(), kD);

    Rows full(39, kA);
    QCOMPARE(insertAfter(full, 38, {kB}, 0), 39); // 40 rows: the most without delays
    QCOMPARE(insertAfter(full, 39, {kB}, 0), -1);
    QCOMPARE(full.size(), size_t(40));
    Rows withDelays(62, kA);
    QCOMPARE(insertAfter(withDelays, 0, {kB, kC}, 2), -1); // 64 rows would not fit the download
    QCOMPARE(insertAfter(withDelays, 0, {kB}, 2), 1);
    QCOMPARE(withDelays.size(), size_t(63));
}

void MacroRowEditTest::recordLimits()
{
    QVERIFY(!recordLimitReached(39, 0));
    QVERIFY(recordLimitReached(40, 0));
    QVERIFY(!recordLimitReached(61, 1));
    QVERIFY(recordLimitReached(62, 1));
    QVERIFY(recordLimitReached(62, 2));
}

void MacroRowEditTest::mouseClicks_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("delayType");
    QTest::addColumn<Rows>("expected");
    const int click = int(ClickPart::Click), down = int(ClickPart::PressDown), up = int(ClickPart::BounceUp);
    QTest::addRow("right bounce up, no delays") << 2 << up << 0 << Rows{ev(0x01, 0, 2)};
    QTest::addRow("left click, no delays") << 0 << click << 0 << Rows{ev(0x81, 0, 1), ev(0x01, 0, 1)};
    QTest::addRow("middle click, recorded delays")
        << 1 << click << 1 << Rows{ev(0x81, 0, 4), ev(6, 0, 1), ev(0x01, 0, 4), ev(6, 0, 1)};
    QTest::addRow("forward press, default delay 300 ms") << 3 << down << 2 << Rows{ev(0x81, 0, 8), ev(6, 0, 30)};
    QTest::addRow("backward bounce up, default delay") << 4 << up << 2 << Rows{ev(0x01, 0, 16), ev(6, 0, 30)};
    QTest::addRow("no such button") << 5 << click << 0 << Rows{};
}

void MacroRowEditTest::mouseClicks()
{
    QFETCH(int, button);
    QFETCH(int, part);
    QFETCH(int, delayType);
    QFETCH(Rows, expected);
    QCOMPARE(mouseClickRows(button, static_cast<ClickPart>(part), delayType, 300), expected);
}

void MacroRowEditTest::movements_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("delayType");
    QTest::addColumn<Rows>("expected");
    QTest::addRow("left 5") << int(MoveItem::Left) << 5 << 0 << Rows{ev(2, 0, 251)};
    QTest::addRow("right 5, recorded delays") << int(MoveItem::Right) << 5 << 1 << Rows{ev(2, 0, 5), ev(6, 0, 1)};
    QTest::addRow("up 5, default delay") << int(MoveItem::Up) << 5 << 2 << Rows{ev(2, 251, 0), ev(6, 0, 2)};
    QTest::addRow("down 120") << int(MoveItem::Down) << 120 << 0 << Rows{ev(2, 120, 0)};
    QTest::addRow("left 0 stays 0") << int(MoveItem::Left) << 0 << 0 << Rows{ev(2, 0, 0)};
    QTest::addRow("right 300 modulo 256") << int(MoveItem::Right) << 300 << 0 << Rows{ev(2, 0, 44)};
}

void MacroRowEditTest::movements()
{
    QFETCH(int, item);
    QFETCH(int, distance);
    QFETCH(int, delayType);
    QFETCH(Rows, expected);
    QCOMPARE(movementRows(static_cast<MoveItem>(item), distance, delayType, 25), expected);
}

void MacroRowEditTest::releaseCheck_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("passes");
    const MacroEvent shiftDown = ev(0x84, 0, 0xE1), shiftUp = ev(0x04, 0, 0xE1);
    QTest::addRow("empty") << Rows{} << true;
    QTest::addRow("shift pressed and released") << Rows{shiftDown, ev(6, 0, 1), shiftUp} << true;
    QTest::addRow("shift never released") << Rows{shiftDown, kA, ev(0x04, 0, 4)} << false;
    QTest::addRow("release without press") << Rows{ev(0x04, 0, 4)} << false;
    QTest::addRow("moves are neither") << Rows{ev(0x81, 0, 1), ev(2, 0, 5), ev(0x01, 0, 1), ev(2, 5, 0)} << true;
    QTest::addRow("mouse release does not match a key press") << Rows{ev(0x84, 0, 4), ev(0x01, 0, 4)} << false;
    QTest::addRow("other key released") << Rows{kA, ev(0x04, 0, 5)} << false;
}

void MacroRowEditTest::releaseCheck()
{
    QFETCH(Rows, rows);
    QFETCH(bool, passes);
    QCOMPARE(releaseCheckPasses(rows), passes);
}

void MacroRowEditTest::cellTexts_data()
{
    QTest::addColumn<MacroEvent>("event");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("delay");
    QTest::addRow("key press A") << ev(0x84, 0, 4) << "A"
                                 << "Press"
                                 << "";
    QTest::addRow("key release LShift") << ev(0x04, 0, 0xE1) << "LShift"
                                        << "Release"
                                        << "";
    QTest::addRow("delay 1200 ms") << ev(6, 0, 120) << ""
                                   << ""
                                   << "1200";
    QTest::addRow("delay 65535 units") << ev(6, 255, 255) << ""
                                       << ""
                                       << "655350";
    QTest::addRow("move left") << ev(2, 0, 251) << "MOVE LEFT"
                               << ""
                               << "";
    QTest::addRow("move down") << ev(2, 12, 0) << "MOVE DOWN"
                               << ""
                               << "";
    QTest::addRow("right click release") << ev(0x01, 0, 2) << "RIGHT CLICK"
                                         << "Release"
                                         << "";
    QTest::addRow("backward press") << ev(0x81, 0, 16) << "BACKWARD"
                                    << "Press"
                                    << "";
    QTest::addRow("button bit 3 shows nothing") << ev(0x81, 0, 3) << ""
                                                << ""
                                                << "";
    QTest::addRow("unknown type") << ev(9, 1, 1) << ""
                                  << ""
                                  << "";
}

void MacroRowEditTest::cellTexts()
{
    QFETCH(MacroEvent, event);
    QFETCH(QString, key);
    QFETCH(QString, action);
    QFETCH(QString, delay);
    QCOMPARE(OrnMacroItemDelegate::cellLook(event, 0).strText, key);
    QCOMPARE(OrnMacroItemDelegate::cellLook(event, 1).strText, action);
    QCOMPARE(OrnMacroItemDelegate::cellLook(event, 2).strText, delay);
}

void MacroRowEditTest::modelCentresAndRoundTrips()
{
    OrnItemModel model;
    const Rows rows{kA, ev(6, 3, 232), ev(2, 251, 0)};
    model.setRows(rows);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt(), 132);
    QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("3"));
    QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("232"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("DELAY(ms)"));
    QCOMPARE(model.rows(), rows);
}

QTEST_MAIN(MacroRowEditTest)
#include "MacroRowEditTest.moc"
