#include "store/AppSettings.h"
#include "store/DataPaths.h"

#include "TestDataHome.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_app_settings.moc"
