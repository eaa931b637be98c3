#include "TestDataHome.h"
#include "macro/core/MacroFiles.h"
#include "macro/ui/GunFile.h"
#include "macro/ui/OrnGunsetDialog.h"

#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

using Events = std::vector<MacroEvent>;

namespace {

MacroEvent ev(int map, int h, int l)
{
    return MacroEvent{static_cast<quint8>(map), static_cast<quint8>(h), static_cast<quint8>(l)};
}

const MacroEvent kPress = ev(0x81, 0, 1), kRelease = ev(0x01, 0, 1);

} // namespace

class GunsetTest : public QObject
{
    Q_OBJECT
private slots:
    void defaultsGiveFifteenEvents();
    void rowWithMovesAndDelay();
    void spinBoxRanges();
    void emptyOrUnsafeNameKeepsDialogOpen_data();
    void emptyOrUnsafeNameKeepsDialogOpen();
    void gunFileKeys();
};

void GunsetTest::defaultsGiveFifteenEvents()
{
    OrnGunsetDialog dialog(nullptr, 1.0);
    dialog.nameEdit()->setText(QStringLiteral("burst"));
    dialog.OnYesClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.name(), QStringLiteral("burst"));
    Events expected;
    for (int i = 0; i < kGunBulletCount; ++i)
        expected.insert(expected.end(), {kPress, kRelease, ev(6, 0, 10)}); // 100 ms = 10 units
    QCOMPARE(dialog.events().size(), size_t(15));
    QVERIFY(dialog.events() == expected);
}

void GunsetTest::rowWithMovesAndDelay()
{
    // X -5 is 5 steps left (low byte FB), Y 12 is 12 steps down (high byte 0C), 30 ms is 3 units.
    const Events events = gunEvents({GunBullet{30, -5, 12}, GunBullet{999, 0, -100}});
    const Events expected{kPress, kRelease, ev(2, 0, 0xFB), ev(2, 0x0C, 0), ev(6, 0, 3),
                          kPress, kRelease, ev(2, 0x9C, 0), ev(6, 0, 99)};
    QVERIFY(events == expected);
    // A pause under 10 ms still waits one unit.
    QVERIFY(gunEvents({GunBullet{4, 0, 0}}) == (Events{kPress, kRelease, ev(6, 0, 1)}));
}

void GunsetTest::spinBoxRanges()
{
    OrnGunsetDialog dialog(nullptr, 1.5);
    QCOMPARE(dialog.size(), QSize(600, 928));
    dialog.delayBox(4)->setValue(0);
    QCOMPARE(dialog.delayBox(4)->value(), 1);
    dialog.moveXBox(4)->setValue(-500);
    QCOMPARE(dialog.moveXBox(4)->value(), -100);
    QCOMPARE(dialog.nameEdit()->maxLength(), 100);
}

void GunsetTest::emptyOrUnsafeNameKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("empty") << "";
    QTest::addRow("blank") << "  ";
    QTest::addRow("path") << "../x";
    QTest::addRow("dot dot") << "..";
}

void GunsetTest::emptyOrUnsafeNameKeepsDialogOpen()
{
    QFETCH(QString, name);
    OrnGunsetDialog dialog(nullptr, 1.0);
    QStringList warnings;
    dialog.setWarning([&](const QString& text, const QString& title) { warnings << title + ": " + text; });
    dialog.nameEdit()->setText(name);
    dialog.OnYesClick();
    QCOMPARE(warnings, QStringList{QStringLiteral("Warning: Please input file name.")});
    QVERIFY(dialog.result() != QDialog::Accepted);
    QVERIFY(dialog.events().empty());
}

void GunsetTest::gunFileKeys()
{
    TestDataHome home;
    QVERIFY(!writeGunFile(QStringLiteral("a/b"), {}));
    QVERIFY(writeGunFile(QStringLiteral("g"), gunEvents({GunBullet{30, -5, 12}})));
    const QString path = macroFilePath(QStringLiteral("g"));
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Setting/MacroFilePath")).toString(), path);
    QCOMPARE(file.value(QStringLiteral("Setting/DefaultDelay")).toInt(), 10);
    QCOMPARE(file.value(QStringLiteral("Setting/DelayType")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("Setting/LoopType")).toInt(), 0);
    QCOMPARE(file.value(QStringLiteral("Setting/LoopTime")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("Setting/Count")).toInt(), 5);
    QCOMPARE(file.value(QStringLiteral("Setting/Map_0")).toInt(), 129);
    QCOMPARE(file.value(QStringLiteral("Setting/DataL_2")).toInt(), 251);
    QCOMPARE(file.value(QStringLiteral("Setting/DataH_3")).toInt(), 12);
    QCOMPARE(file.value(QStringLiteral("Setting/DataL_4")).toInt(), 3);
    QCOMPARE(file.value(QStringLiteral("Setting/WriteSign")).toInt(), 1); // sent at the next write-out
    QCOMPARE(readMacro(QStringLiteral("g")).events.size(), size_t(5));
}

QTEST_MAIN(GunsetTest)
#include "GunsetTest.moc"
