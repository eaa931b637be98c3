#include "store/AppSettings.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"
#include "store/RecordEquality.h"

#include "TestDataHome.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

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

class TestProfileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripOfAFullRecord()
    {
        TestDataHome home;
        const QString path = home.path() + QStringLiteral("/a/b/full.prof");
        const ProfileData written = fullRecord();
        QVERIFY(saveProfile(written, path, profileGroup()));
        ProfileData read;
        setProfileDefaults(read, QStringLiteral("OSKEN R5"));
        loadProfile(read, path, profileGroup());
        QVERIFY(read == written);
    }

    void narrowing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("pollrate");       // u8
        QTest::addColumn<qint64>("firstStageX"); // u32
        QTest::addColumn<int>("firstFun");       // i32
        QTest::addRow("300 in a u8") << QByteArray("pollrate=300") << 44 << qint64(0) << 0;
        QTest::addRow("256 in a u8") << QByteArray("pollrate=256") << 0 << qint64(0) << 0;
        QTest::addRow("-1 in a u8") << QByteArray("pollrate=-1") << 255 << qint64(0) << 0;
        QTest::addRow("text") << QByteArray("pollrate=fast") << 0 << qint64(0) << 0;
        QTest::addRow("2^32 in a u32") << QByteArray("DPI_INFO_0_x=4294967296") << 0 << qint64(0) << 0;
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
        QFETCH(qint64, firstStageX);
        QFETCH(int, firstFun);
        TestDataHome home;
        const QString path = home.writeFile(QStringLiteral("n.prof"), "[PROFILE]\n" + line + "\n");
        ProfileData p;
        loadProfile(p, path, profileGroup());
        QCOMPARE(int(p.pollrate), pollrate);
        QCOMPARE(qint64(p.stages[0].x), firstStageX);
        QCOMPARE(p.buttons[0].Fun, firstFun);
    }

    void colourTexts_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        // Kind 1 (RGB), alpha 0xffff, red 0, green 0xffff, blue 0, pad.
        QTest::addRow("variant") << QByteArray("@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\xff\\xff\\0\\0\\0\\0)")
                                 << true << 0 << 255 << 0;
        QTest::addRow("hex text") << QByteArray("#0a14ff") << true << 10 << 20 << 255;
        QTest::addRow("colour name") << QByteArray("blue") << true << 0 << 0 << 255;
        QTest::addRow("junk") << QByteArray("not a colour") << false << 0 << 0 << 0;
        QTest::addRow("number") << QByteArray("255") << false << 0 << 0 << 0;
        QTest::addRow("empty") << QByteArray("") << false << 0 << 0 << 0;
    }

    void colourTexts()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, valid);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        TestDataHome home;
        const QString path =
            home.writeFile(QStringLiteral("c.prof"), "[PROFILE]\nLedMode\\LED_MODE_2_RGB=" + value + "\n");
        ProfileData p;
        loadProfile(p, path, profileGroup());
        const RgbColor c = p.modes[2].RGB;
        QCOMPARE(c.valid, valid);
        if (valid)
            QCOMPARE(QVector<int>({c.red, c.green, c.blue}), QVector<int>({red, green, blue}));
    }

    void saveKeepsOtherKeysAndOtherGroups()
    {
        TestDataHome home;
        const QString path = home.writeFile(QStringLiteral("o.conf"), "[MouseName]\nName=OSKEN R5\n"
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
        TestDataHome home;
        home.writeFile(QStringLiteral("blocker"), "a file, not a folder");
        QVERIFY(!saveProfile(ProfileData{}, home.path() + QStringLiteral("/blocker/x.prof"), profileGroup()));
        QVERIFY(!writeMouseName(home.path() + QStringLiteral("/blocker/x.prof"), QStringLiteral("OSKEN R5")));
    }

    void oneValueWrittenAlone()
    {
        TestDataHome home;
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
        const QString path =
            home.writeFile(QStringLiteral("OSKEN R5/OSKEN R5/Profile/Game.prof"), "[PROFILE]\ndpi=1\npollrate=2\n");
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

    void defaultsFileRewrittenOnlyWhenItDiffers()
    {
        TestDataHome home;
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
        QVERIFY(writeDefaultProfileFile());
        QFile file(defaultProfilePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray defaults = file.readAll();
        const QDateTime past = QDateTime::currentDateTime().addDays(-100);
        QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(writeDefaultProfileFile());
        QCOMPARE(QFileInfo(file).lastModified(), past);

        // Another product's defaults differ: the file is written again.
        QVERIFY(writeCurrentProductName(QStringLiteral("Wireless Mouse")));
        QVERIFY(home.writeFile(QStringLiteral("OSKEN R5/Wireless Mouse/Profile/DefaultProfile.prof"), defaults) ==
                defaultProfilePath());
        QVERIFY(writeDefaultProfileFile());
        ProfileData read, expected;
        loadProfile(read, defaultProfilePath(), profileGroup());
        setProfileDefaults(expected, QStringLiteral("Wireless Mouse"));
        QVERIFY(read == expected);
    }
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "tst_profile_files.moc"
