#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/DiffConfig.h"
#include "store/ProfileDefaults.h"

#include "TestDataHome.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using Edit = std::function<void(ConfigData&)>;
Q_DECLARE_METATYPE(Edit)

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The settings each comparison of the diff starts from.
    void init()
    {
        m_base = ConfigData{};
        for (ProfileData& p : m_base.slots)
            setProfileDefaults(p, QStringLiteral("OSKEN R5"));
        m_base.ProfileID = 1;
    }

    void folders()
    {
        TestDataHome home;
        const QString data = home.path() + QStringLiteral("/OSKEN R5");
        // No product yet: the product folder is the data folder behind a doubled slash.
        QCOMPARE(productConfigPath(), data + QStringLiteral("//Config.ini"));
        QVERIFY(writeCurrentProductName(QStringLiteral("Pro/X")));
        QCOMPARE(dataDirectory(), data);
        QCOMPARE(programConfigPath(), data + QStringLiteral("/Config.ini"));
        QCOMPARE(profileDirectory(), data + QStringLiteral("/Pro/X/Profile"));
        QCOMPARE(macroDirectory(), data + QStringLiteral("/MacroDB"));

        // The installed data lies in share/osken-config beside bin/ under any prefix; without it (the build
        // tree) the program's own folder holds it.
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.path() + QStringLiteral("/bin")));
        QCOMPARE(installedDataDirectory(prefix.path() + QStringLiteral("/bin")),
                 prefix.path() + QStringLiteral("/bin"));
        QVERIFY(QDir().mkpath(prefix.path() + QStringLiteral("/share/osken-config/skin")));
        QCOMPARE(installedDataDirectory(prefix.path() + QStringLiteral("/bin")),
                 prefix.path() + QStringLiteral("/share/osken-config"));
    }

    void readingRule_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("langId");
        QTest::addRow("missing file") << QByteArray() << 0;
        QTest::addRow("number") << QByteArray("[Config]\nLangID=2\n") << 2;
        QTest::addRow("text") << QByteArray("[Config]\nLangID=abc\n") << 0;
    }

    void readingRule()
    {
        QFETCH(QByteArray, content);
        TestDataHome home;
        if (!content.isEmpty())
            home.writeFile(QStringLiteral("OSKEN R5/Config.ini"), content);
        QTEST(readLangId(), "langId");
        QCOMPARE(readSensorModel(), 0);
        QCOMPARE(readCurrentProductName(), QString());
        QCOMPARE(readFontFamily(0), QString());
    }

    void productKeysFollowTheCurrentProduct()
    {
        TestDataHome home;
        home.writeFile(QStringLiteral("OSKEN R5/Config.ini"), "[MouseSenSor]\nPro\\X=3389\n[MouseLEDMode]\nPro\\X=2\n");
        QVERIFY(writeCurrentProductName(QStringLiteral("Pro/X")));
        QCOMPARE(readSensorModel(), 3389);
        QCOMPARE(readLedModeSet(), 2);
        QVERIFY(writeDiff(1) && writeBattery(4) && writeProfileId(3));
        QVERIFY(writeCurrentProductName(QStringLiteral("B")));
        QCOMPARE(readDiff() + readBattery() + readSensorModel(), 0);
        QVERIFY(writeCurrentProductName(QStringLiteral("Pro/X")));
        QCOMPARE(readDiff(), 1);
        QCOMPARE(readBattery(), 4);
        const QSettings product(home.path() + QStringLiteral("/OSKEN R5/Pro/X/Config.ini"), QSettings::IniFormat);
        QCOMPARE(product.value(QStringLiteral("Config/ProfileID")).toInt(), 3);
    }

    void mergeKeepsUserValues()
    {
        TestDataHome home;
        QTemporaryDir runtime;
        const QByteArray previous = qgetenv("OSKEN_RUNTIME_DIR");
        qputenv("OSKEN_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QSettings installed(runtime.path() + QStringLiteral("/Config.ini"), QSettings::IniFormat);
        installed.setValue(QStringLiteral("FONT_LIST/FONT_0"), QStringLiteral("Installed Sans"));
        installed.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_0"), 13);
        installed.sync();
        home.writeFile(QStringLiteral("OSKEN R5/Config.ini"), "[FONT_LIST]\nFONT_0=Mine\n");
        const bool merged = mergeDefaultProgramConfig();
        qputenv("OSKEN_RUNTIME_DIR", previous);
        QVERIFY(merged);
        QCOMPARE(readFontFamily(0), QStringLiteral("Mine"));
        QCOMPARE(readFontSize(0), 13);
    }

    void failedWriteIsReported()
    {
        TestDataHome home;
        // A plain file where the data folder should be: nothing below it can be created.
        home.writeFile(QStringLiteral("OSKEN R5"), "not a folder");
        QVERIFY(!writeLangId(1));
        QVERIFY(!writeCurrentProductName(QStringLiteral("OSKEN R5")));
        QVERIFY(!writeDiff(1));
    }

    void installedDefaults()
    {
        // The file the build puts beside the program.
        TestDataHome home;
        QVERIFY(mergeDefaultProgramConfig());
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
        QCOMPARE(readSensorModel(), 3325);
        QVERIFY(readLedModeSet() != 0);
        QVERIFY(!readFontFamily(2).isEmpty() && readFontSize(2) > 0);
    }

    void singleEdits_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<uint>("mask");
        const uint basic = 1, dpi = 2, buttons = 4, lighting = 8;
        QTest::addRow("nothing") << Edit([](ConfigData&) {}) << 0u;
        QTest::addRow("rate of slot 5") << Edit([](ConfigData& c) { c.slots[4].pollrate = 8; }) << basic;
        QTest::addRow("lift") << Edit([](ConfigData& c) { c.LiftHigh = 1; }) << basic;
        QTest::addRow("angle alone") << Edit([](ConfigData& c) { c.AngleValue = 1; }) << 0u;
        QTest::addRow("active slot") << Edit([](ConfigData& c) { c.ProfileID = 2; }) << basic;
        QTest::addRow("stage of active slot") << Edit([](ConfigData& c) { c.slots[1].dpi = 4; }) << basic;
        QTest::addRow("stage of other slot") << Edit([](ConfigData& c) { c.slots[3].dpi = 4; }) << 0u;
        QTest::addRow("pointer speed") << Edit([](ConfigData& c) { c.slots[1].mousespeed = 3; }) << 0u;
        // LedMode is both the active lighting of the basic block and the lighting table selector.
        QTest::addRow("mode of active slot")
            << Edit([](ConfigData& c) { c.slots[1].LedMode = 2; }) << (basic | lighting);
        QTest::addRow("mode of other slot") << Edit([](ConfigData& c) { c.slots[4].LedMode = 2; }) << lighting;
        QTest::addRow("stage y") << Edit([](ConfigData& c) { c.slots[4].stages[0].y = 9; }) << dpi;
        QTest::addRow("stage link and xy") << Edit([](ConfigData& c) {
            c.slots[0].stages[2].link = 0;
            c.slots[0].stages[2].xy = 77;
        }) << 0u;
        QTest::addRow("button Res4") << Edit([](ConfigData& c) { c.slots[3].buttons[41].Res4 = 1; }) << buttons;
        QTest::addRow("key step high byte")
            << Edit([](ConfigData& c) { c.slots[0].buttons[9].keys[62].high = 1; }) << buttons;
        QTest::addRow("macro name of a key button")
            << Edit([](ConfigData& c) { c.slots[0].buttons[9].macroname = QStringLiteral("stale"); }) << 0u;
        QTest::addRow("macro name of a macro button") << Edit([](ConfigData& c) {
            c.slots[0].buttons[9].Fun = 200;
            c.slots[0].buttons[9].macroname = QStringLiteral("a");
        }) << buttons;
        QTest::addRow("active lighting entry")
            << Edit([](ConfigData& c) { c.slots[1].modes[9].breath = 1; }) << lighting;
        QTest::addRow("inactive lighting entry") << Edit([](ConfigData& c) { c.slots[1].modes[3].h = 1; }) << 0u;
        QTest::addRow("mode beyond the table") << Edit([](ConfigData& c) {
            c.slots[2].LedMode = 200;
            c.slots[2].modes[0].h = 5;
        }) << lighting;
        QTest::addRow("everything") << Edit([](ConfigData& c) {
            c.ProfileID = 0;
            c.slots[0].stages[0].x = 1;
            c.slots[4].buttons[41].Fun = 0;
            c.slots[4].LedMode = 0;
        }) << 15u;
    }

    void singleEdits()
    {
        QFETCH(Edit, edit);
        QFETCH(uint, mask);
        TestDataHome home;
        ConfigData working = m_base;
        edit(working);
        QCOMPARE(diffConfig(working, m_base), ChangeMask(mask));
    }

    void equalConfigsTouchNoMacroFile()
    {
        TestDataHome home;
        const QString path = home.writeFile(QStringLiteral("OSKEN R5/MacroDB/m.MSMACRO"), "[Setting]\nWriteSign=0\n");
        const QDateTime before = QFileInfo(path).lastModified();
        m_base.slots[2].buttons[5].Fun = 200;
        m_base.slots[2].buttons[5].macroname = QStringLiteral("m");
        m_base.slots[2].buttons[6].Fun = 200;
        m_base.slots[2].buttons[6].macroname = QStringLiteral("missing");
        // A flagged file outside the macro folder is never reached through a name with a path in it.
        const QString outside = home.writeFile(QStringLiteral("OSKEN R5/evil.MSMACRO"), "[Setting]\nWriteSign=1\n");
        m_base.slots[2].buttons[7].Fun = 200;
        m_base.slots[2].buttons[7].macroname = QStringLiteral("../evil");
        QCOMPARE(diffConfig(m_base, m_base), ChangeMask(0));
        QCOMPARE(QFileInfo(path).lastModified(), before);
        QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/OSKEN R5/MacroDB/missing.MSMACRO")));
        QCOMPARE(QSettings(outside, QSettings::IniFormat).value(QStringLiteral("Setting/WriteSign")).toInt(), 1);
    }

    void writeSignSetsButtonsAndIsCleared_data()
    {
        QTest::addColumn<int>("fun");
        QTest::addRow("macro") << 200;
        QTest::addRow("gun file") << 510;
    }

    void writeSignSetsButtonsAndIsCleared()
    {
        QFETCH(int, fun);
        TestDataHome home;
        const QString path =
            home.writeFile(QStringLiteral("OSKEN R5/MacroDB/burst.MSMACRO"), "[Setting]\nCount=2\nWriteSign=1\n");
        m_base.slots[4].buttons[30].Fun = fun;
        m_base.slots[4].buttons[30].macroname = QStringLiteral("burst");
        QCOMPARE(diffConfig(m_base, m_base), ChangeMask(4));
        const QSettings macro(path, QSettings::IniFormat);
        QCOMPARE(macro.value(QStringLiteral("Setting/WriteSign")).toInt(), 0);
        QCOMPARE(macro.value(QStringLiteral("Setting/Count")).toInt(), 2);
        // Taken: the next comparison finds nothing.
        QCOMPARE(diffConfig(m_base, m_base), ChangeMask(0));
    }

    void writeSignOfLaterButtonWaitsWhenScanStopsEarlier()
    {
        TestDataHome home;
        const QString path =
            home.writeFile(QStringLiteral("OSKEN R5/MacroDB/later.MSMACRO"), "[Setting]\nWriteSign=1\n");
        m_base.slots[1].buttons[0].Fun = 200;
        m_base.slots[1].buttons[0].macroname = QStringLiteral("later");
        ConfigData working = m_base;
        working.slots[0].buttons[0].Fun = 3;
        QCOMPARE(diffConfig(working, m_base), ChangeMask(4));
        const QSettings macro(path, QSettings::IniFormat);
        QCOMPARE(macro.value(QStringLiteral("Setting/WriteSign")).toInt(), 1);
    }

private:
    ConfigData m_base;
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_app_settings.moc"
