#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"

#include "TestDataHome.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class TestConfigFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveAndLoadKeepEverySlot();
    void firstStartAndOutOfRangeValues();
    void slotAssignmentLeavesTheRestAlone();
    void exportAndImport();
    void importRefusesUnsafeOrSharedNames_data();
    void importRefusesUnsafeOrSharedNames();
    void handWrittenGoldenConfiguration();

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

void TestConfigFiles::saveAndLoadKeepEverySlot()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    const ConfigData written = sample();
    QVERIFY(saveConfig(written));
    ConfigData read;
    loadConfig(read);
    QVERIFY(read == written);

    // A slot name that is not a file of the profile folder is not written, and the save says so.
    ConfigData escaping = written;
    escaping.slotProfileNames[2] = QStringLiteral("../../escape");
    QVERIFY(!saveConfig(escaping));
    QVERIFY(!QFile::exists(dataDirectory() + QStringLiteral("/escape.prof")));
}

void TestConfigFiles::firstStartAndOutOfRangeValues()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    home.writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"), "[Config]\nProfileID=7\nLiftHigh=258\n");
    home.writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Profile/Profile 2.prof"), "[PROFILE]\npollrate=4\n");
    ConfigData c;
    loadConfig(c);
    QCOMPARE(int(c.ProfileID), 0); // only five slots to point at
    QCOMPARE(int(c.LiftHigh), 2);
    ProfileData defaults, stored;
    setProfileDefaults(defaults, QStringLiteral("OSKEN R5"));
    stored.pollrate = 4;
    for (int i = 0; i < kSlotCount; ++i) {
        QCOMPARE(c.slotProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
        // The file that exists is read as it is; missing ones give working defaults, not zeros.
        QVERIFY(c.slots[i] == (i == 1 ? stored : defaults));
    }
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
    QVERIFY(!fileMatchesCurrentMouse(path));
    QVERIFY(writeMouseName(path, readCurrentProductName()));
    QVERIFY(exportConfig(written, path));
    QVERIFY(fileMatchesCurrentMouse(path));

    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.allKeys().size(), 1 + 9 + 5 * 8441);
    QCOMPARE(file.value(QStringLiteral("Config/Profile1")).toString(), QStringLiteral("Slot 1 profile"));
    for (const char* key : {"PROFILE_4/LedMode/LED_MODE_13_breath", "PROFILE_0/BUTTON_INFO_0_KeyInfo_0_",
                            "PROFILE_2/BUTTON_INFO_41_KeyInfo_62_H", "PROFILE_3/DPI_INFO_5_xy"})
        QVERIFY2(file.contains(QLatin1String(key)), key);
    ConfigData read;
    QVERIFY(importConfig(read, path));
    QVERIFY(read == written);

    QVERIFY(writeCurrentProductName(QStringLiteral("Wireless Mouse")));
    QVERIFY(!fileMatchesCurrentMouse(path));
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
    const QString path = home.writeFile(QStringLiteral("bad.conf"), "[Config]\nCount=3\nProfile1=Slot 1 profile\n"
                                                                    "Profile2=b\nProfile3=c\nProfile4=d\n");
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("Config/Profile5"), name);
    file.sync();
    ConfigData target;
    target.Count = 77;
    QVERIFY(!importConfig(target, path));
    QCOMPARE(int(target.Count), 77);
}

void TestConfigFiles::handWrittenGoldenConfiguration()
{
    ConfigData read = sample();
    QVERIFY(
        importConfig(read, qEnvironmentVariable("OSKEN_SOURCE_DIR") + QStringLiteral("/tests/store/data/golden.conf")));
    ConfigData expected;
    expected.ProfileID = 1;
    expected.AngleValue = 1;
    expected.LiftHigh = 3;
    expected.Count = 2;
    expected.slotProfileNames = {QStringLiteral("Work"), QStringLiteral("Play"), QStringLiteral("Profile 3"),
                                 QStringLiteral("Profile 4"), QStringLiteral("Profile 5")};
    expected.slots[0].pollrate = 8;
    expected.slots[4].buttons[41].Fun = 53;
    expected.slots[4].modes[13].h = 360;
    expected.slots[4].scrollspeed = 3;
    QVERIFY(read == expected);
}

QTEST_GUILESS_MAIN(TestConfigFiles)
#include "TestConfigFiles.moc"
