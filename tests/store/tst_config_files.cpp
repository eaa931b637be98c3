#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/ProfileReading.h"
#include "store/RecordEquality.h"

#include "TestDataHome.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

Q_DECLARE_METATYPE(ProfileFileResult)

static ConfigData sample()
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

// An exported configuration whose Config group and records the rows change; exported once, as it is slow.
static QString writeConf(const TestDataHome& home, const QStringList& names)
{
    static QByteArray exported;
    const QString path = home.path() + QStringLiteral("/in.conf");
    if (exported.isEmpty()) {
        QFile::remove(path);
        QFile file(path);
        if (!exportConfig(sample(), path) || !writeMouseName(path, QStringLiteral("OSKEN R5")) ||
            !file.open(QIODevice::ReadOnly))
            return QString();
        exported = file.readAll();
    } else {
        home.writeFile(QStringLiteral("in.conf"), exported);
    }
    QSettings file(path, QSettings::IniFormat);
    for (int i = 0; i < names.size(); ++i)
        file.setValue(QStringLiteral("Config/Profile%1").arg(i + 1), names[i]);
    file.sync();
    return path;
}

class TestConfigFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveAndLoadKeepEverySlot()
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

    void firstStartAndOutOfRangeValues()
    {
        TestDataHome home;
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
        home.writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"), "[Config]\nProfileID=7\nLiftHigh=258\n");
        ProfileData stored;
        stored.pollrate = 4;
        QVERIFY(saveProfile(stored, profileFilePath(QStringLiteral("Profile 1")), profileGroup()));
        const QByteArray cutShort = "[PROFILE]\npollrate=4\n";
        home.writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Profile/Profile 2.prof"), cutShort);
        home.makeSpecial(QStringLiteral("OSKEN R5/OSKEN R5/Profile/Profile 4.prof"), TestDataHome::Special::Fifo);
        ConfigData c;
        QCOMPARE(loadConfig(c), ProfileFileResult::Damaged);
        QCOMPARE(int(c.ProfileID), 0); // only five slots to point at
        QCOMPARE(int(c.LiftHigh), 2);
        ProfileData defaults;
        setProfileDefaults(defaults, QStringLiteral("OSKEN R5"));
        for (int i = 0; i < kSlotCount; ++i) {
            QCOMPARE(c.slotProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            // A whole file is read as it is; missing, damaged and special ones give working defaults, not zeros.
            QVERIFY(c.slots[i] == (i == 0 ? stored : defaults));
        }
        QFile damaged(profileFilePath(QStringLiteral("Profile 2")));
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(damaged.readAll(), cutShort); // left for the user to look at

        ProfileData record;
        QCOMPARE(loadSlotRecord(record, QStringLiteral("Profile 4")), ProfileFileResult::NotRegularFile);
        QCOMPARE(loadSlotRecord(record, QStringLiteral("../x")), ProfileFileResult::InvalidName);
        QVERIFY(record == defaults);
    }

    void slotAssignmentLeavesTheRestAlone()
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

    void exportAndImport()
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
        QCOMPARE(importConfig(read, path, QStringLiteral("OSKEN R5")), ProfileFileResult::Done);
        QVERIFY(read == written);

        QVERIFY(writeCurrentProductName(QStringLiteral("Wireless Mouse")));
        QVERIFY(!fileMatchesCurrentMouse(path));
    }

    void importRefusals_data()
    {
        QTest::addColumn<QString>("change"); // key=value set in the file, "-key" removed, or a special file
        QTest::addColumn<ProfileFileResult>("result");
        using R = ProfileFileResult;
        QTest::addRow("parent folder") << "Config/Profile5=.." << R::InvalidName;
        QTest::addRow("path") << "Config/Profile5=../../x" << R::InvalidName;
        QTest::addRow("backslash") << "Config/Profile5=a\\b" << R::InvalidName;
        QTest::addRow("defaults file") << "Config/Profile5=DefaultProfile" << R::InvalidName;
        QTest::addRow("name of another slot") << "Config/Profile5=Slot 1 profile" << R::SharedName;
        QTest::addRow("other product") << "MouseName/Name=7138" << R::NotThisMouse;
        QTest::addRow("no tag") << "-MouseName/Name" << R::NotThisMouse;
        QTest::addRow("a record cut short") << "-PROFILE_3/scrollspeed" << R::Damaged;
        QTest::addRow("a record missing") << "-PROFILE_4" << R::Damaged;
        QTest::addRow("fifo") << "fifo" << R::NotRegularFile;
        QTest::addRow("folder") << "folder" << R::NotRegularFile;
    }

    void importRefusals()
    {
        QFETCH(QString, change);
        QFETCH(ProfileFileResult, result);
        TestDataHome home;
        QString path = writeConf(home, {});
        if (change == "fifo" || change == "folder") {
            QVERIFY(QFile::remove(path));
            path = home.makeSpecial(QStringLiteral("in.conf"),
                                    change == "fifo" ? TestDataHome::Special::Fifo : TestDataHome::Special::Folder);
        } else {
            QSettings file(path, QSettings::IniFormat);
            if (change.startsWith('-'))
                file.remove(change.mid(1));
            else
                file.setValue(change.section('=', 0, 0), change.section('=', 1));
        }
        ConfigData target;
        target.Count = 77;
        QCOMPARE(importConfig(target, path, QStringLiteral("OSKEN R5")), result);
        QCOMPARE(int(target.Count), 77);
    }

    void importFillsEmptySlotNames_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("loaded");
        QTest::addRow("earlier version") << QStringList{"Profile 1", "", "", "", ""}
                                         << QStringList{"Profile 1", "Profile 2", "Profile 3", "Profile 4",
                                                        "Profile 5"};
        QTest::addRow("fallback taken") << QStringList{"Profile 2", "", "", "", ""}
                                        << QStringList{"Profile 2", "Profile 1", "Profile 3", "Profile 4", "Profile 5"};
        QTest::addRow("two fallbacks taken")
            << QStringList{"Profile 5", "Profile 3", "", "", ""}
            << QStringList{"Profile 5", "Profile 3", "Profile 1", "Profile 4", "Profile 2"};
    }

    void importFillsEmptySlotNames()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, loaded);
        TestDataHome home;
        const QString path = writeConf(home, names);
        ConfigData target;
        QCOMPARE(importConfig(target, path, QStringLiteral("OSKEN R5")), ProfileFileResult::Done);
        QCOMPARE(QStringList(target.slotProfileNames.begin(), target.slotProfileNames.end()), loaded);
    }

    void handWrittenGoldenConfiguration()
    {
        const QString path = qEnvironmentVariable("OSKEN_SOURCE_DIR") + QStringLiteral("/tests/store/data/golden.conf");
        ProfileData first, last, expected;
        loadProfile(first, path, configSlotGroup(0));
        loadProfile(last, path, configSlotGroup(4));
        expected.pollrate = 8;
        QVERIFY(first == expected);
        expected = ProfileData{};
        expected.scrollspeed = 3;
        expected.buttons[41].Fun = 53;
        expected.modes[13].h = 360;
        QVERIFY(last == expected);
        // The tag and the slot names are read as written: slots 1 and 2 both name "Work".
        ConfigData target;
        QCOMPARE(importConfig(target, path, QStringLiteral("OSKEN R5")), ProfileFileResult::SharedName);
        QCOMPARE(importConfig(target, path, QStringLiteral("7138")), ProfileFileResult::NotThisMouse);
    }
};

QTEST_GUILESS_MAIN(TestConfigFiles)
#include "tst_config_files.moc"
