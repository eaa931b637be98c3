#include "store/AppSettings.h"
#include "store/DataPaths.h"

#include "TestDataHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folders();
    void emptyProductNameDoublesTheSlash();
    void missingAndForeignValuesReadAsZero_data();
    void missingAndForeignValuesReadAsZero();
    void productKeysFollowTheCurrentProduct();
    void sensorKeyKeepsTheNameAsItIs();
    void mergeKeepsUserValues();
    void failedWriteIsReported();
    void installedDefaults();
};

void TestAppSettings::folders()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    const QString data = home.path() + QStringLiteral("/OSKEN R5");
    QCOMPARE(dataDirectory(), data);
    QCOMPARE(programConfigPath(), data + QStringLiteral("/Config.ini"));
    QCOMPARE(productDirectory(), data + QStringLiteral("/OSKEN R5"));
    QCOMPARE(productConfigPath(), data + QStringLiteral("/OSKEN R5/Config.ini"));
    QCOMPARE(profileDirectory(), data + QStringLiteral("/OSKEN R5/Profile"));
    QCOMPARE(macroDirectory(), data + QStringLiteral("/MacroDB"));
    QVERIFY(QFile::exists(programConfigPath()));
}

void TestAppSettings::emptyProductNameDoublesTheSlash()
{
    TestDataHome home;
    QCOMPARE(productDirectory(), dataDirectory() + QStringLiteral("/"));
    QCOMPARE(productConfigPath(), dataDirectory() + QStringLiteral("//Config.ini"));
}

void TestAppSettings::missingAndForeignValuesReadAsZero_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("langId");
    QTest::addRow("missing file") << QByteArray() << 0;
    QTest::addRow("number") << QByteArray("[Config]\nLangID=2\n") << 2;
    QTest::addRow("text") << QByteArray("[Config]\nLangID=abc\n") << 0;
    QTest::addRow("list") << QByteArray("[Config]\nLangID=1, 2\n") << 0;
    QTest::addRow("fraction") << QByteArray("[Config]\nLangID=1.5\n") << 0;
}

void TestAppSettings::missingAndForeignValuesReadAsZero()
{
    QFETCH(QByteArray, content);
    QFETCH(int, langId);
    TestDataHome home;
    if (!content.isEmpty())
        home.writeFile(QStringLiteral("OSKEN R5/Config.ini"), content);
    QCOMPARE(readLangId(), langId);
    QCOMPARE(readGColorId(), 0);
    QCOMPARE(readCurrentProductName(), QString());
    QCOMPARE(readFontFamily(0), QString());
}

void TestAppSettings::productKeysFollowTheCurrentProduct()
{
    TestDataHome home;
    QVERIFY(writeCurrentProductName(QStringLiteral("A")));
    QVERIFY(writeDiff(1));
    QVERIFY(writeBattery(4));
    QVERIFY(writeProfileId(3));
    QVERIFY(writeCurrentProductName(QStringLiteral("B")));
    QCOMPARE(readDiff(), 0);
    QCOMPARE(readBattery(), 0);
    QVERIFY(writeCurrentProductName(QStringLiteral("A")));
    QCOMPARE(readDiff(), 1);
    QCOMPARE(readBattery(), 4);
    const QSettings product(home.path() + QStringLiteral("/OSKEN R5/A/Config.ini"), QSettings::IniFormat);
    QCOMPARE(product.value(QStringLiteral("Config/ProfileID")).toInt(), 3);
}

void TestAppSettings::sensorKeyKeepsTheNameAsItIs()
{
    TestDataHome home;
    home.writeFile(QStringLiteral("OSKEN R5/Config.ini"), "[Config]\nCurrentProductName=Pro/X\n"
                                                          "[MouseSenSor]\nPro\\X=3389\nOSKEN%20R5=3325\n"
                                                          "[MouseLEDMode]\nPro\\X=2\n");
    QCOMPARE(readSensorModel(), 3389);
    QCOMPARE(readLedModeSet(), 2);
    QCOMPARE(productDirectory(), dataDirectory() + QStringLiteral("/Pro/X"));
    QVERIFY(writeCurrentProductName(QStringLiteral("Other")));
    QCOMPARE(readSensorModel(), 0);
}

void TestAppSettings::mergeKeepsUserValues()
{
    TestDataHome home;
    QTemporaryDir runtime;
    QFile installed(runtime.path() + QStringLiteral("/Config.ini"));
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.write("[FONT_LIST]\nFONT_0=Installed Sans\nFONT_SIZE_0=13\n[MouseSenSor]\nOSKEN%20R5=3325\n");
    installed.close();
    const QByteArray previous = qgetenv("OSKEN_RUNTIME_DIR");
    qputenv("OSKEN_RUNTIME_DIR", runtime.path().toLocal8Bit());
    home.writeFile(QStringLiteral("OSKEN R5/Config.ini"), "[FONT_LIST]\nFONT_0=Mine\n");
    const bool merged = mergeDefaultProgramConfig();
    qputenv("OSKEN_RUNTIME_DIR", previous);
    QVERIFY(merged);
    QCOMPARE(readFontFamily(0), QStringLiteral("Mine"));
    QCOMPARE(readFontSize(0), 13);
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    QCOMPARE(readSensorModel(), 3325);
}

void TestAppSettings::failedWriteIsReported()
{
    TestDataHome home;
    // A plain file where the data folder should be: nothing below it can be created.
    home.writeFile(QStringLiteral("OSKEN R5"), "not a folder");
    QVERIFY(!writeLangId(1));
    QVERIFY(!writeCurrentProductName(QStringLiteral("OSKEN R5")));
}

void TestAppSettings::installedDefaults()
{
    // The file the build puts beside the program.
    TestDataHome home;
    const QString installed = programDirectory() + QStringLiteral("/Config.ini");
    QVERIFY2(QFile::exists(installed), qPrintable(installed));
    QVERIFY(mergeDefaultProgramConfig());
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    QCOMPARE(readSensorModel(), 3325);
    QVERIFY(readLedModeSet() != 0);
    for (int lang = 0; lang < 3; ++lang) {
        QVERIFY(!readFontFamily(lang).isEmpty());
        QVERIFY(readFontSize(lang) > 0);
    }
    QCOMPARE(readFontFamily(0), QStringLiteral("DejaVu Sans"));
    QCOMPARE(readFontFamily(1), QStringLiteral("WenQuanYi Micro Hei"));
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "TestAppSettings.moc"
