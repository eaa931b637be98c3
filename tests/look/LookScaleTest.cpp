#include "look/DisplayScale.h"
#include "look/Language.h"
#include "look/ThemeColor.h"
#include "store/AppSettings.h"

#include "TestDataHome.h"

#include <QTemporaryDir>
#include <QtTest>

class LookScaleTest : public QObject
{
    Q_OBJECT
private slots:
    void levelForRatio_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("level");
        QTest::addRow("1.0") << 1.0 << 0;
        QTest::addRow("1.09") << 1.09 << 0;
        QTest::addRow("1.1") << 1.1 << 1;
        QTest::addRow("1.25") << 1.25 << 1;
        QTest::addRow("1.35 stays at 1.25") << 1.35 << 1;
        QTest::addRow("1.4") << 1.4 << 2;
        QTest::addRow("1.5") << 1.5 << 2;
        QTest::addRow("2.0") << 2.0 << 4;
        QTest::addRow("4.79") << 4.79 << 15;
        QTest::addRow("9.0") << 9.0 << 16;
        QTest::addRow("negative") << -2.0 << 0;
    }
    void levelForRatio()
    {
        QFETCH(double, ratio);
        QFETCH(int, level);
        QCOMPARE(look::scaleLevelForRatio(ratio), level);
    }
    void windowSizes()
    {
        QCOMPARE(look::scaledWindowSize(1.25), QSize(1248, 800));
        QCOMPARE(look::scaledWindowSize(1.5), QSize(1498, 960));
        QCOMPARE(look::scaleForLevel(1), 1.25);
    }
    void resizeMatchesWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("level");
        QTest::addRow("1248") << 1248 << 1;
        QTest::addRow("1489 within 9 of 1498") << 1489 << 2;
        QTest::addRow("1488 outside") << 1488 << 0;
        QTest::addRow("1757") << 1757 << 3;
    }
    void resizeMatchesWidth()
    {
        QFETCH(int, width);
        QFETCH(int, level);
        // Same level as last time, size unchanged: the width decides; no match keeps the ratio's level 0.
        QCOMPARE(look::resolveResize(1.0, 0, true, width).iLevel, level);
        QCOMPARE(look::resolveResize(1.0, 0, false, width).iLevel, 0);
    }
    void themeColors()
    {
        QCOMPARE(look::themeColor(6), QColor(255, 125, 0));
        QCOMPARE(look::themeColor(99), QColor(255, 0, 0));
    }
    void switchStoresLangIdWithoutFile()
    {
        TestDataHome home;
        QTemporaryDir dir;
        qputenv("OSKEN_RUNTIME_DIR", dir.path().toLocal8Bit());
        look::OrnLanguage language;
        // No .qm files here: the id is still stored, nothing is installed.
        QVERIFY(!language.switchLanguage(1));
        QCOMPARE(look::languageId(), 1);
        QCOMPARE(readLangId(), 1);
        QVERIFY(!language.switchLanguage(7));
        QCOMPARE(look::languageId(), 1);
    }
};

QTEST_GUILESS_MAIN(LookScaleTest)
#include "LookScaleTest.moc"
