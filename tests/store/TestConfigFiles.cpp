#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"

#include "TestDataHome.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class TestConfigFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveAndLoadKeepEverySlot();
    void firstStartGivesDefaultNamesAndRecords();
    void storedActiveSlotBeyondTheFiveReadsAsFirst();
    void unusableSlotNameIsNotWritten();
    void slotAssignmentLeavesTheRestAlone();
    void exportAndImport();
    void importRefusesUnsafeOrSharedNames_data();
    void importRefusesUnsafeOrSharedNames();

private:
    static ConfigData sample();
};

ConfigData TestConfigFiles::sample()
{
    ConfigData c;
    c.ProfileID = 3;
    c.AngleValue = 2;
    c.LiftHigh = 1;
    c.Count = 9;
    for (int i = 0; i < kSlotCount; ++i) {
        setProfileDefaults(c.slots[i], QStringLiteral("OSKEN R5"));
        c.slots[i].pollrate = quint8(1 << (i % 4));
        c.slots[i].buttons[i].macroname = QStringLiteral("macro %1").arg(i);
        c.slots[i].modes[i].RGB = RgbColor{};
        c.slotProfileNames[i] = QStringLiteral("Slot %1 profile").arg(i + 1);
    }
    return c;
}

static void compareConfigs(const ConfigData& a, const ConfigData& b)
{
    QCOMPARE(a.ProfileID, b.ProfileID);
    QCOMPARE(a.AngleValue, b.AngleValue);
    QCOMPARE(a.LiftHigh, b.LiftHigh);
    QCOMPARE(a.Count, b.Count);
    for (int i = 0; i < kSlotCount; ++i) {
        QCOMPARE(a.slotProfileNames[i], b.slotProfileNames[i]);
        QCOMPARE(a.slots[i].pollrate, b.slots[i].pollrate);
        QCOMPARE(a.slots[i].buttons[i].macroname, b.slots[i].buttons[i].macroname);
        QCOMPARE(a.slots[i].modes[i].RGB.valid, b.slots[i].modes[i].RGB.valid);
        QCOMPARE(a.slots[i].stages[5].x, b.slots[i].stages[5].x);
    }
}

void TestConfigFiles::saveAndLoadKeepEverySlot()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    const ConfigData written = sample();
    QVERIFY(saveConfig(written));
    ConfigData read;
    loadConfig(read);
    compareConfigs(read, written);

    const QSettings product(productConfigPath(), QSettings::IniFormat);
    QCOMPARE(product.value(QStringLiteral("Config/Profile5")).toString(), QStringLiteral("Slot 5 profile"));
    QVERIFY(QFile::exists(profileDirectory() + QStringLiteral("/Slot 5 profile.prof")));
}

void TestConfigFiles::firstStartGivesDefaultNamesAndRecords()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    home.writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Profile/Profile 2.prof"), "[PROFILE]\npollrate=4\n");
    ConfigData c;
    loadConfig(c);
    QCOMPARE(int(c.ProfileID), 0);
    for (int i = 0; i < kSlotCount; ++i)
        QCOMPARE(c.slotProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
    // The file that exists is read as it is; the missing ones give working defaults.
    QCOMPARE(int(c.slots[1].pollrate), 4);
    QCOMPARE(c.slots[1].buttons[0].Fun, 0);
    QCOMPARE(c.slots[0].buttons[0].Fun, 1);
    QCOMPARE(c.slots[4].stages[0].x, 8u);
}

void TestConfigFiles::storedActiveSlotBeyondTheFiveReadsAsFirst()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("X")));
    home.writeFile(QStringLiteral("OSKEN R5/X/Config.ini"), "[Config]\nProfileID=7\nLiftHigh=258\nCount=3\n");
    ConfigData c;
    loadConfig(c);
    QCOMPARE(int(c.ProfileID), 0);
    QCOMPARE(int(c.LiftHigh), 2);
    QCOMPARE(int(c.Count), 3);
}

void TestConfigFiles::unusableSlotNameIsNotWritten()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    ConfigData c = sample();
    c.slotProfileNames[2] = QStringLiteral("../../escape");
    QVERIFY(!saveConfig(c));
    QVERIFY(!QFile::exists(dataDirectory() + QStringLiteral("/escape.prof")));
    QVERIFY(QFile::exists(profileFilePath(QStringLiteral("Slot 4 profile"))));
}

void TestConfigFiles::slotAssignmentLeavesTheRestAlone()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    home.writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"), "[Config]\nAngleValue=5\nDiff=1\n");
    ConfigData c = sample();
    c.slotProfileNames[3] = QStringLiteral("Renamed");
    QVERIFY(saveSlotAssignment(c));
    const QSettings product(productConfigPath(), QSettings::IniFormat);
    QCOMPARE(product.value(QStringLiteral("Config/AngleValue")).toInt(), 5);
    QCOMPARE(product.value(QStringLiteral("Config/Diff")).toInt(), 1);
    QCOMPARE(product.value(QStringLiteral("Config/ProfileID")).toInt(), 3);
    QCOMPARE(product.value(QStringLiteral("Config/Count")).toInt(), 9);
    QCOMPARE(product.value(QStringLiteral("Config/Profile4")).toString(), QStringLiteral("Renamed"));
    QCOMPARE(product.value(QStringLiteral("Config/Profile5")).toString(), QStringLiteral("Slot 5 profile"));
    QVERIFY(!QFile::exists(profileFilePath(QStringLiteral("Renamed"))));
}

void TestConfigFiles::exportAndImport()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    const QString path = home.path() + QStringLiteral("/all.conf");
    const ConfigData written = sample();
    QVERIFY(writeMouseName(path, readCurrentProductName()));
    QVERIFY(exportConfig(written, path));

    QSettings file(path, QSettings::IniFormat);
    QStringList groups = file.childGroups();
    groups.sort();
    QCOMPARE(groups,
             QStringList({"Config", "MouseName", "PROFILE_0", "PROFILE_1", "PROFILE_2", "PROFILE_3", "PROFILE_4"}));
    QCOMPARE(file.allKeys().size(), 1 + 9 + 5 * 8441);
    QCOMPARE(file.value(QStringLiteral("Config/Profile1")).toString(), QStringLiteral("Slot 1 profile"));
    QVERIFY(fileMatchesCurrentMouse(path));

    ConfigData read;
    QVERIFY(importConfig(read, path));
    compareConfigs(read, written);
}

void TestConfigFiles::importRefusesUnsafeOrSharedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("parent folder") << "..";
    QTest::addRow("path") << "../../x";
    QTest::addRow("backslash") << "a\\b";
    QTest::addRow("empty") << "";
    QTest::addRow("defaults file") << "DefaultProfile";
    QTest::addRow("name of another slot") << "Slot 1 profile";
}

void TestConfigFiles::importRefusesUnsafeOrSharedNames()
{
    QFETCH(QString, name);
    TestDataHome home;
    const QString path = home.path() + QStringLiteral("/bad.conf");
    ConfigData bad = sample();
    bad.slotProfileNames[4] = name;
    QVERIFY(exportConfig(bad, path));
    ConfigData target;
    target.Count = 77;
    QVERIFY(!importConfig(target, path));
    QCOMPARE(int(target.Count), 77);
    QVERIFY(target.slotProfileNames[0].isEmpty());
}

QTEST_GUILESS_MAIN(TestConfigFiles)
#include "TestConfigFiles.moc"
