#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DataPaths.h"
#include "store/NameSafety.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/ProfileList.h"
#include "store/ProfileReading.h"
#include "store/RecordEquality.h"
#include "store/RecordFields.h"

#include "TestDataHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>
#include <memory>

static ProfileData fullRecord()
{
    ProfileData p;
    p.pollrate = 8;
    p.dpi = 5;
    p.LedMode = 13;
    for (int i = 0; i < kDpiStageCount; ++i)
        p.stages[i] = DpiInfo{quint8(i % 2), quint8(1 - i % 2), 4294967295u - i, quint32(i * 1000), 7u + i};
    p.mousespeed = 20;
    p.dbclickspeed = 255;
    p.scrollispage = 1;
    p.scrollspeed = 10;
    p.accelenable = 0;
    p.acee = 2;
    for (int b = 0; b < kButtonSlotCount; ++b) {
        ButtonInfo& btn = p.buttons[b];
        btn.ID = -b;
        btn.Fun = b % 3 ? 200 : 2147483647;
        btn.LoopNumber = -2147483647 - 1;
        btn.KeyNumber = b * 3;
        for (int k = 0; k < kKeyStepCount; ++k)
            btn.keys[k] = KeyInfo{quint8(k), quint8(255 - k), quint8(b + k)};
        btn.Res1 = 1;
        btn.Res2 = 255;
        btn.Res3 = quint8(b);
        // Empty, plain, and texts the settings layer has to escape.
        btn.macroname = b % 4 == 0 ? QString() : QStringLiteral("m, %1 = \"x\"; ä").arg(b);
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        LedModeInfo& e = p.modes[m];
        e.RGB = m % 3 == 0 ? RgbColor{} : RgbColor::fromRgb(quint8(m * 10), 0, 255);
        e.h = 360;
        e.s = 4294967295u;
        e.v = quint32(m);
        e.bright = 3;
        e.breath = quint32(m + 1);
    }
    p.ProfileName = QStringLiteral("My profile");
    p.ProfilePath = QStringLiteral("C:\\Users\\x\\My profile.prof");
    return p;
}

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

// Each case starts in a fresh data folder with the mouse chosen.
class TestProfileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<TestDataHome>();
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    }
    // The old folder goes first: it restores the data folder it replaced.
    void cleanup() { m_home.reset(); }

    void roundTripOfAFullRecord()
    {
        const QString path = m_home->path() + QStringLiteral("/a/b/full.prof");
        const ProfileData written = fullRecord();
        QVERIFY(saveProfile(written, path, profileGroup()));
        ProfileData read;
        setProfileDefaults(read, QStringLiteral("OSKEN R5"));
        loadProfile(read, path, profileGroup());
        QVERIFY(read == written);
    }

    void everyKeyNamesItsField()
    {
        const std::vector<ProfileField>& fields = profileFields();
        QCOMPARE(int(fields.size()), kProfileKeyCount);
        for (int i = 0; i < kProfileKeyCount; ++i) {
            QByteArray spelled;
            ini::appendEscapedKey(spelled, fields[size_t(i)].key);
            QCOMPARE(profileFieldNumber(std::string_view(spelled.constData(), size_t(spelled.size()))), i);
            const ProfileField at = profileFieldAt(i);
            const ProfileField& listed = fields[size_t(i)];
            QVERIFY(at.width == listed.width && at.part == listed.part && at.member == listed.member &&
                    at.index == listed.index && at.step == listed.step);
        }
        // Keys a hand-edited file may hold: none reaches a field, least of all one past the end of its table.
        for (const char* key :
             {"DPI_INFO_6_x", "DPI_INFO_01_x", "DPI_INFO_-1_x", "DPI_INFO_0x", "DPI_INFO_0_", "BUTTON_INFO_42_Fun",
              "BUTTON_INFO_0_KeyInfo_63_map", "BUTTON_INFO_0_KeyInfo_0", "BUTTON_INFO_999999_Fun",
              "LedMode\\LED_MODE_14_RGB", "LedMode/LED_MODE_0_RGB", "pollrate "})
            QVERIFY2(profileFieldNumber(key) == -1, key);
    }

    void narrowing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("pollrate");       // u8
        QTest::addColumn<qint64>("firstStageX"); // u32
        QTest::addColumn<int>("firstFun");       // i32
        QTest::addRow("300 in a u8") << QByteArray("pollrate=300") << 44 << qint64(0) << 0;
        QTest::addRow("-1 in a u8") << QByteArray("pollrate=-1") << 255 << qint64(0) << 0;
        QTest::addRow("2^32+5 in a u32") << QByteArray("DPI_INFO_0_x=4294967301") << 0 << qint64(5) << 0;
        QTest::addRow("-1 in a u32") << QByteArray("DPI_INFO_0_x=-1") << 0 << qint64(4294967295) << 0;
        QTest::addRow("2^31 in an i32") << QByteArray("BUTTON_INFO_0_Fun=2147483648") << 0 << qint64(0)
                                        << (-2147483647 - 1);
        QTest::addRow("negative i32") << QByteArray("BUTTON_INFO_0_Fun=-200") << 0 << qint64(0) << -200;
    }

    void narrowing()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, pollrate);
        const QString path = m_home->writeFile(QStringLiteral("n.prof"), "[PROFILE]\n" + line + "\n");
        ProfileData p;
        loadProfile(p, path, profileGroup());
        QCOMPARE(int(p.pollrate), pollrate);
        QTEST(qint64(p.stages[0].x), "firstStageX");
        QTEST(p.buttons[0].Fun, "firstFun");
    }

    void saveKeepsOtherKeysAndOtherGroups()
    {
        const QString path = m_home->writeFile(QStringLiteral("o.conf"), "[MouseName]\nName=OSKEN R5\n"
                                                                         "[PROFILE_1]\npollrate=2\nExtra=kept\n");
        ProfileData p;
        p.pollrate = 4;
        QVERIFY(saveProfile(p, path, configSlotGroup(0)));
        QVERIFY(saveProfile(p, path, configSlotGroup(1)));
        const QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("MouseName/Name")).toString(), QStringLiteral("OSKEN R5"));
        QCOMPARE(file.value(QStringLiteral("PROFILE_1/Extra")).toString(), QStringLiteral("kept"));
        QCOMPARE(file.value(QStringLiteral("PROFILE_1/pollrate")).toInt(), 4);
        QCOMPARE(file.value(QStringLiteral("PROFILE_0/pollrate")).toInt(), 4);
    }

    void failedSaveIsReported()
    {
        m_home->writeFile(QStringLiteral("blocker"), "a file, not a folder");
        QVERIFY(!saveProfile(ProfileData{}, m_home->path() + QStringLiteral("/blocker/x.prof"), profileGroup()));
        QVERIFY(!writeMouseName(m_home->path() + QStringLiteral("/blocker/x.prof"), QStringLiteral("OSKEN R5")));
    }

    void oneValueWrittenAlone()
    {
        const QString path = touch(QStringLiteral("Game"), "[PROFILE]\ndpi=1\npollrate=2\n");
        QVERIFY(saveProfileValue(QStringLiteral("Game"), QStringLiteral("dpi"), 4));
        const QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.allKeys().size(), 2);
        QCOMPARE(file.value(QStringLiteral("PROFILE/dpi")).toInt(), 4);
        QCOMPARE(file.value(QStringLiteral("PROFILE/pollrate")).toInt(), 2);

        // No file yet: nothing is created (a one-key file would read as an empty record).
        QVERIFY(saveProfileValue(QStringLiteral("New"), QStringLiteral("dpi"), 3));
        QVERIFY(!QFile::exists(profileFilePath(QStringLiteral("New"))));
    }

    void handWrittenGoldenFile()
    {
        ProfileData read;
        setProfileDefaults(read, QStringLiteral("OSKEN R5"));
        loadProfile(read, qEnvironmentVariable("OSKEN_SOURCE_DIR") + QStringLiteral("/tests/store/data/golden.prof"),
                    profileGroup());
        ProfileData expected;
        expected.pollrate = 2;
        expected.dpi = 1;
        expected.stages[1] = DpiInfo{1, 0, 0, 24, 50};
        expected.buttons[3].Fun = 200;
        expected.buttons[3].keys[2] = KeyInfo{2, 30, 1};
        expected.buttons[3].macroname = QStringLiteral("Fire ") + QChar(0x4E2D);
        expected.LedMode = 4;
        expected.modes[4].RGB = RgbColor::fromRgb(0, 128, 255);
        expected.modes[4].breath = 2;
        expected.modes[5].RGB = RgbColor::fromRgb(255, 128, 0);
        expected.ProfileName = QStringLiteral("Golden");
        QVERIFY(read == expected);
    }

    // Another product's defaults differ: its defaults file is written again.
    void defaultsFileRewrittenWhenItDiffers()
    {
        QVERIFY(writeDefaultProfileFile());
        QFile file(defaultProfilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray defaults = file.readAll();
        QVERIFY(writeCurrentProductName(QStringLiteral("Wireless Mouse")));
        QVERIFY(m_home->writeFile(QStringLiteral("OSKEN R5/Wireless Mouse/Profile/DefaultProfile.prof"), defaults) ==
                defaultProfilePath());
        QVERIFY(writeDefaultProfileFile());
        ProfileData read, expected;
        loadProfile(read, defaultProfilePath(), profileGroup());
        setProfileDefaults(expected, QStringLiteral("Wireless Mouse"));
        QVERIFY(read == expected);
    }
    void saveAndLoadKeepEverySlot()
    {
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
        m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"), "[Config]\nProfileID=7\nLiftHigh=258\n");
        ProfileData stored;
        stored.pollrate = 4;
        QVERIFY(saveProfile(stored, profileFilePath(QStringLiteral("Profile 1")), profileGroup()));
        const QByteArray cutShort = "[PROFILE]\npollrate=4\n";
        touch(QStringLiteral("Profile 2"), cutShort);
        m_home->makeSpecial(QStringLiteral("OSKEN R5/OSKEN R5/Profile/Profile 4.prof"), TestDataHome::Special::Fifo);
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
        m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"), "[Config]\nAngleValue=5\nDiff=1\n");
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
        const QString path = m_home->path() + QStringLiteral("/all.conf");
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
        QString path = writeConf(*m_home, {});
        if (change == "fifo" || change == "folder") {
            QVERIFY(QFile::remove(path));
            path = m_home->makeSpecial(QStringLiteral("in.conf"),
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
        QTEST(importConfig(target, path, QStringLiteral("OSKEN R5")), "result");
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
        const QString path = writeConf(*m_home, names);
        ConfigData target;
        QCOMPARE(importConfig(target, path, QStringLiteral("OSKEN R5")), ProfileFileResult::Done);
        QTEST(QStringList(target.slotProfileNames.begin(), target.slotProfileNames.end()), "loaded");
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
    // A few defaults worked out by hand, each of a kind a wrong table would change; nothing left over survives.
    void perProduct()
    {
        ProfileData p;
        p.ProfileName = QStringLiteral("left over");
        p.buttons[3].macroname = QStringLiteral("left over");
        p.stages[5].x = 99;
        setProfileDefaults(p);
        QVERIFY(p.ProfileName.isEmpty() && p.buttons[3].macroname.isEmpty());
        QCOMPARE(int(p.LedMode), 9);
        QCOMPARE(int(p.stages[0].x), 8);
        QCOMPARE(int(p.stages[5].y), 75);
        QCOMPARE(int(p.buttons[7].Fun), 60);
        QCOMPARE(int(p.buttons[41].Fun), 53);
        QVERIFY(p.modes[10].RGB == RgbColor::fromRgb(0, 255, 0));
        QCOMPARE(int(p.modes[9].breath), 4);

        setProfileDefaults(p, QStringLiteral("Wireless Mouse"));
        QCOMPARE(int(p.stages[5].x), 0);
        QCOMPARE(int(p.buttons[5].Fun), 47);
        QCOMPARE(int(p.buttons[31].Res1), 74);
        setProfileDefaults(p, QStringLiteral("7138"));
        QCOMPARE(int(p.LedMode), 1);
        QCOMPARE(int(p.mousespeed), 10);
        QCOMPARE(int(p.buttons[0].Fun), 0);
    }

    void storedList()
    {
        QCOMPARE(loadProfileList(), QStringList({"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));
        QVERIFY(saveProfileList({"Profile 1", "a, b", "Ünïcode", "d"}));
        QCOMPARE(loadProfileList(), QStringList({"Profile 1", "a, b", "Ünïcode", "d"}));
        QVERIFY(saveProfileList({"Profile 1"}));
        const QSettings product(productConfigPath(), QSettings::IniFormat);
        QVERIFY(!product.contains(QStringLiteral("PROFILE_LIST/2")));
        QCOMPARE(loadProfileList(), QStringList{"Profile 1"});
        // A count far beyond the entries, a gap, unusable entries, a repeated one and a key with a leading zero.
        m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Config.ini"),
                          "[PROFILE_LIST]\nCount=2000000000\n1=Profile 1\n2=../x\n3=\n10=Later\n5=Mine\n"
                          "6=Mine\n04=Other\n");
        QCOMPARE(loadProfileList(), QStringList({"Profile 1", "Mine", "Later"}));
    }

    void newAndCopyNumbering()
    {
        QVERIFY(writeDefaultProfileFile());
        for (int n : {1, 2, 3, 5})
            touch(QStringLiteral("Profile %1").arg(n));
        QString name;
        QCOMPARE(createProfileFile(name), ProfileFileResult::Done);
        QCOMPARE(name, QStringLiteral("Profile 4"));
        QCOMPARE(createProfileFile(name), ProfileFileResult::Done);
        QCOMPARE(name, QStringLiteral("Profile 6"));
        QFile made(profileFilePath(name)), defaults(defaultProfilePath());
        QVERIFY(made.open(QIODevice::ReadOnly) && defaults.open(QIODevice::ReadOnly));
        QCOMPARE(made.readAll(), defaults.readAll());

        for (const char* expected : {"Profile 1 copy", "Profile 1 copy 2", "Profile 1 copy 3"}) {
            QCOMPARE(copyProfileFile(QStringLiteral("Profile 1"), name), ProfileFileResult::Done);
            QCOMPARE(name, QLatin1String(expected));
            QVERIFY(QFile::exists(profileFilePath(name)));
        }
        QCOMPARE(copyProfileFile(QStringLiteral("Absent"), name), ProfileFileResult::FileError);
    }

    void renameAndDelete_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to"); // empty: delete
        QTest::addColumn<ProfileFileResult>("result");
        QTest::addRow("rename to a free name") << "Mine"
                                               << "Yours" << ProfileFileResult::Done;
        QTest::addRow("rename to a taken name") << "Mine"
                                                << "Other" << ProfileFileResult::Exists;
        QTest::addRow("rename a default profile") << "Profile 3"
                                                  << "Yours" << ProfileFileResult::DefaultName;
        QTest::addRow("rename to a path") << "Mine"
                                          << "../Yours" << ProfileFileResult::InvalidName;
        QTest::addRow("delete") << "Mine"
                                << "" << ProfileFileResult::Done;
        QTest::addRow("delete a default profile") << "Profile 2"
                                                  << "" << ProfileFileResult::DefaultName;
    }

    void renameAndDelete()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(ProfileFileResult, result);
        touch(from);
        touch(QStringLiteral("Other"));
        QCOMPARE(to.isEmpty() ? deleteProfileFile(from) : renameProfileFile(from, to), result);
        const bool done = result == ProfileFileResult::Done;
        QCOMPARE(QFile::exists(profileFilePath(from)), !done);
        if (done && !to.isEmpty())
            QVERIFY(QFile::exists(profileFilePath(to)));
    }

    void nameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::addRow("plain") << "Game 2" << true;
        QTest::addRow("dots inside") << "a..b" << true;
        QTest::addRow("empty") << "" << false;
        QTest::addRow("slash") << "a/b" << false;
        QTest::addRow("backslash") << "a\\b" << false;
        QTest::addRow("dot") << "." << false;
        QTest::addRow("dot dot") << ".." << false;
        QTest::addRow("defaults file") << "DefaultProfile" << false;
        QTest::addRow("defaults file, other case") << "defaultprofile" << false;
    }

    void nameRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(isValidProfileName(name), valid);
        if (valid)
            return;
        // Refused before the file system is reached: the file beside the profile folder stays.
        const QString outside = m_home->writeFile(QStringLiteral("OSKEN R5/OSKEN R5/x.prof"), "keep");
        QString out;
        QCOMPARE(deleteProfileFile(name), ProfileFileResult::InvalidName);
        QCOMPARE(copyProfileFile(name, out), ProfileFileResult::InvalidName);
        QVERIFY(QFile::exists(outside));
    }

    void exportDoesNotOverwrite()
    {
        touch(QStringLiteral("Mine"));
        const QString target = m_home->writeFile(QStringLiteral("exported.prof"), "older");
        QCOMPARE(exportProfileFile(QStringLiteral("Mine"), target), ProfileFileResult::Exists);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("older"));
        const QString fresh = m_home->path() + QStringLiteral("/fresh.prof");
        QCOMPARE(exportProfileFile(QStringLiteral("Mine"), fresh), ProfileFileResult::Done);
        QCOMPARE(readMouseName(fresh), QStringLiteral("OSKEN R5"));
    }

    void importProfile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tag"); // "-": none
        QTest::addColumn<QString>("shape");
        QTest::addColumn<ProfileFileResult>("result");
        using R = ProfileFileResult;
        const struct
        {
            const char* name;
            const char* file;
            const char* tag;
            const char* shape;
            ProfileFileResult result;
        } rows[] = {{"complete", "Shared.prof", "OSKEN R5", "complete", R::Done},
                    {"other product", "Foreign.prof", "7138", "complete", R::NotThisMouse},
                    {"untagged", "Untagged.prof", "-", "complete", R::NotThisMouse},
                    {"only the tag", "Tag.prof", "OSKEN R5", "tag only", R::Damaged},
                    {"cut short", "Cut.prof", "OSKEN R5", "cut short", R::Damaged},
                    {"defaults file name", "DefaultProfile.prof", "OSKEN R5", "complete", R::InvalidName},
                    {"fifo", "Pipe.prof", "-", "fifo", R::NotRegularFile},
                    {"folder", "Folder.prof", "-", "folder", R::NotRegularFile},
                    {"missing", "Gone.prof", "-", "missing", R::NotRegularFile}};
        for (const auto& row : rows)
            QTest::addRow("%s", row.name) << QString(row.file) << QString(row.tag) << QString(row.shape) << row.result;
    }

    void importProfile()
    {
        QFETCH(QString, file);
        QFETCH(QString, tag);
        QFETCH(QString, shape);
        QFETCH(ProfileFileResult, result);
        const QString relative = QStringLiteral("in/") + file;
        QString path = m_home->path() + QLatin1Char('/') + relative;
        if (shape == "fifo") {
            path = m_home->makeSpecial(relative, TestDataHome::Special::Fifo);
        } else if (shape == "folder") {
            path = m_home->makeSpecial(relative, TestDataHome::Special::Folder);
        } else if (shape != "missing") {
            ProfileData record;
            record.pollrate = 2;
            QVERIFY(QDir().mkpath(m_home->path() + "/in"));
            if (shape != "tag only")
                QVERIFY(saveProfile(record, path, profileGroup()));
            if (tag != "-")
                QVERIFY(writeMouseName(path, tag));
            if (shape == "cut short") {
                QFile f(path);
                QVERIFY(f.open(QIODevice::ReadWrite));
                QVERIFY(f.resize(f.size() * 2 / 3));
            }
        }
        QString name;
        QCOMPARE(importProfileFile(path, name), result);
        const QStringList stored = QDir(profileDirectory()).entryList({"*.prof"});
        if (result != ProfileFileResult::Done) {
            QVERIFY(stored.isEmpty()); // nothing copied
            return;
        }
        QCOMPARE(stored, QStringList{file});
        ProfileData p;
        loadProfile(p, profileFilePath(name), profileGroup());
        QCOMPARE(int(p.pollrate), 2);
        QCOMPARE(importProfileFile(path, name), ProfileFileResult::Exists);
    }

private:
    QString touch(const QString& name, const QByteArray& content = "[PROFILE]\n")
    {
        return m_home->writeFile("OSKEN R5/OSKEN R5/Profile/" + name + ".prof", content);
    }
    std::unique_ptr<TestDataHome> m_home;
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profile_files.moc"
