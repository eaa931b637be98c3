#include "editors/ui/OrnDPIWindow.h"

#include "TestDataHome.h"
#include "editors/ui/OrnSingleDPI.h"
#include "editors/ui/OrnTwoBarSlider.h"
#include "look/ThemeColor.h"
#include "store/AppSettings.h"
#include "widgets/OrnPushButton.h"
#include "widgets/OrnSlider.h"

#include <QCheckBox>
#include <QtTest>

namespace {

ProfileData stagesRecord()
{
    ProfileData profile;
    profile.dpi = 1;
    const int raw[kDpiStageCount] = {8, 12, 16, 24, 50, 75};
    for (int i = 0; i < kDpiStageCount; ++i) {
        profile.stages[i].used = 1;
        profile.stages[i].link = 1;
        profile.stages[i].x = profile.stages[i].y = profile.stages[i].xy = static_cast<quint32>(raw[i]);
    }
    return profile;
}

// A point of the stage that belongs to no child widget: just inside its lower left corner.
QPoint bareSpot(const OrnSingleDPI* stage)
{
    return QPoint(3, stage->height() - 3);
}

} // namespace

class DpiWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void showsNumbersAndLimitsForTheSensor_data();
    void showsNumbersAndLimitsForTheSensor();
    void linkingShowsOneBarAndReachesTheCopy();
    void movingABarStoresRawValues();
    void clickingAStageMakesItCurrent();
    void stageOnOffKeepsCurrentAndLastStageOn();
    void choosingAStageThatIsOffSwitchesItOn();
    void recordValuesAreKeptInsideTheSensorRange();
    void unknownSensorKeepsLimitsAndShowsZero();

private:
    std::unique_ptr<TestDataHome> m_pHome;
};

void DpiWindowTest::init()
{
    m_pHome = std::make_unique<TestDataHome>();
    QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
    QVERIFY(writeGColorId(2));
}

void DpiWindowTest::showsNumbersAndLimitsForTheSensor_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("xText");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<bool>("linkVisible");
    QTest::addRow("3325") << 3325 << "OSKEN R5" << 50 << "X:5000"
                          << "100"
                          << "10000" << false;
    QTest::addRow("3327 listed product") << 3327 << "TOBRAN" << 92 << "X:12400"
                                         << "200"
                                         << "12400" << false;
    QTest::addRow("3327 other product") << 3327 << "OSKEN R5" << 106 << "X:16400"
                                        << "200"
                                        << "16400" << false;
    QTest::addRow("3360") << 3360 << "OSKEN R5" << 121 << "X:12200"
                          << "100"
                          << "24000" << true;
    QTest::addRow("3389") << 3389 << "OSKEN R5" << 321 << "X:16100"
                          << "100"
                          << "32000" << true;
    QTest::addRow("3212") << 3212 << "OSKEN R5" << 21 << "X:800"
                          << "600"
                          << "7200" << false;
    QTest::addRow("3104") << 3104 << "OSKEN R5" << 56 << "X:2100"
                          << "500"
                          << "8000" << true;
}

void DpiWindowTest::showsNumbersAndLimitsForTheSensor()
{
    QFETCH(int, sensor);
    QFETCH(QString, product);
    QFETCH(int, raw);
    QVERIFY(writeCurrentProductName(product));
    ProfileData profile = stagesRecord();
    profile.stages[2].link = 0;
    profile.stages[2].x = static_cast<quint32>(raw);
    profile.stages[2].y = static_cast<quint32>(raw);
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    window.setProfile(&profile, sensor);
    OrnSingleDPI* stage = window.stage(2);
    QTEST(stage->xText(), "xText");
    QCOMPARE(stage->yText(), stage->xText().replace(QLatin1Char('X'), QLatin1Char('Y')));
    QTEST(stage->minText(), "minText");
    QTEST(stage->maxText(), "maxText");
    QTEST(stage->linkBox()->isVisibleTo(stage), "linkVisible");
    QCOMPARE(window.sensor(), sensor);
    QCOMPARE(window.stages()[2].x, static_cast<quint32>(raw));
}

void DpiWindowTest::linkingShowsOneBarAndReachesTheCopy()
{
    ProfileData profile = stagesRecord();
    profile.stages[0].link = 0;
    profile.stages[0].x = 20;
    profile.stages[0].y = 40;
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    window.setProfile(&profile, 3360);
    OrnSingleDPI* stage = window.stage(0);
    OrnTwoBarSlider* bar = stage->slider();
    QVERIFY(bar->xSlider()->isVisibleTo(stage) && bar->ySlider()->isVisibleTo(stage));
    QVERIFY(!bar->linkedSlider()->isVisibleTo(stage));

    stage->linkBox()->setChecked(true);
    QVERIFY(bar->linkedSlider()->isVisibleTo(stage));
    QVERIFY(!bar->xSlider()->isVisibleTo(stage) && !bar->ySlider()->isVisibleTo(stage));
    QCOMPARE(window.stages()[0].link, quint8(1));
    // One bar means one value: Y follows X, so the mouse gets what the bar shows.
    QCOMPARE(window.stages()[0].x, 20u);
    QCOMPARE(window.stages()[0].y, 20u);
    QCOMPARE(stage->yText(), QStringLiteral("Y:2000"));

    stage->linkBox()->setChecked(false);
    QVERIFY(bar->xSlider()->isVisibleTo(stage) && bar->ySlider()->isVisibleTo(stage));
    QCOMPARE(window.stages()[0].link, quint8(0));
    bar->ySlider()->setValue(30);
    QCOMPARE(window.stages()[0].x, 20u);
    QCOMPARE(window.stages()[0].y, 30u);
}

void DpiWindowTest::movingABarStoresRawValues()
{
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    ProfileData record1 = stagesRecord();
    window.setProfile(&record1, 3327);
    OrnSingleDPI* stage = window.stage(4);
    stage->slider()->linkedSlider()->setValue(93);
    QCOMPARE(window.stages()[4].x, 93u);
    QCOMPARE(window.stages()[4].y, 93u);
    QCOMPARE(stage->xText(), QStringLiteral("X:12600"));
    // The other stages keep their values.
    QCOMPARE(window.stages()[3].x, 24u);
}

void DpiWindowTest::clickingAStageMakesItCurrent()
{
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    ProfileData record2 = stagesRecord();
    window.setProfile(&record2, 3325);
    QCOMPARE(window.currentStage(), quint8(1));
    const QColor theme = look::themeColor(2);
    QCOMPARE(window.stage(1)->highlight(), theme);

    QTest::mouseClick(window.stage(3), Qt::LeftButton, Qt::NoModifier, bareSpot(window.stage(3)));
    QCOMPARE(window.currentStage(), quint8(3));
    QCOMPARE(window.stage(3)->highlight(), theme);
    QCOMPARE(window.stage(1)->highlight(), QColor(Qt::white));

    // A press on the bar chooses its stage too.
    QTest::mousePress(window.stage(5)->slider()->linkedSlider(), Qt::LeftButton);
    QCOMPARE(window.currentStage(), quint8(5));

    // The mouse changing stage by itself.
    window.selectStage(0);
    QCOMPARE(window.currentStage(), quint8(0));
    QCOMPARE(window.stage(0)->highlight(), theme);
    window.selectStage(9);
    QCOMPARE(window.currentStage(), quint8(0));
}

void DpiWindowTest::stageOnOffKeepsCurrentAndLastStageOn()
{
    ProfileData profile = stagesRecord();
    profile.stages[3].used = 0;
    profile.stages[4].used = 0;
    profile.stages[5].used = 0;
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    window.setProfile(&profile, 3325);
    QVERIFY(window.stage(0)->usedButton()->isChecked());
    QVERIFY(!window.stage(3)->usedButton()->isChecked());

    // Switching a stage off leaves the current stage alone.
    QTest::mouseClick(window.stage(0)->usedButton(), Qt::LeftButton);
    QCOMPARE(window.stages()[0].used, quint8(0));
    QCOMPARE(window.currentStage(), quint8(1));
    QVERIFY(!window.stage(0)->usedButton()->isChecked());

    QTest::mouseClick(window.stage(1)->usedButton(), Qt::LeftButton);
    QCOMPARE(window.stages()[1].used, quint8(1));
    QVERIFY(window.stage(1)->usedButton()->isChecked());

    QTest::mouseClick(window.stage(2)->usedButton(), Qt::LeftButton);
    QCOMPARE(window.stages()[2].used, quint8(0));

    QTest::mouseClick(window.stage(5)->usedButton(), Qt::LeftButton);
    QCOMPARE(window.stages()[5].used, quint8(1));
    QVERIFY(window.stage(5)->usedButton()->isChecked());
    QCOMPARE(window.currentStage(), quint8(1));
}

void DpiWindowTest::choosingAStageThatIsOffSwitchesItOn()
{
    ProfileData profile = stagesRecord();
    profile.stages[4].used = 0;
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    window.setProfile(&profile, 3325);
    QTest::mouseClick(window.stage(4), Qt::LeftButton, Qt::NoModifier, bareSpot(window.stage(4)));
    QCOMPARE(window.currentStage(), quint8(4));
    QCOMPARE(window.stages()[4].used, quint8(1));
    QVERIFY(window.stage(4)->usedButton()->isChecked());
}

void DpiWindowTest::recordValuesAreKeptInsideTheSensorRange()
{
    ProfileData profile = stagesRecord();
    profile.stages[0].link = 0;
    profile.stages[0].x = 500;
    profile.stages[0].y = 0;
    profile.stages[1].x = 30; // linked with a different Y
    profile.stages[1].y = 60;
    profile.dpi = 7;
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    window.setProfile(&profile, 3389);
    QCOMPARE(window.stages()[0].x, 480u);
    QCOMPARE(window.stages()[0].y, 2u);
    QCOMPARE(window.stage(0)->xText(), QStringLiteral("X:32000"));
    QCOMPARE(window.stages()[1].y, 30u);
    QCOMPARE(window.currentStage(), quint8(0));

    // A narrower sensor clamps what the page already holds.
    window.setSensor(3325);
    QCOMPARE(window.stages()[0].x, 75u);
}

void DpiWindowTest::unknownSensorKeepsLimitsAndShowsZero()
{
    ProfileData blank;
    OrnDPIWindow window(nullptr, &blank);
    ProfileData record3 = stagesRecord();
    window.setProfile(&record3, 3212);
    ProfileData record4 = stagesRecord();
    window.setProfile(&record4, 1234);
    OrnSingleDPI* stage = window.stage(5);
    QCOMPARE(stage->minText(), QStringLiteral("600"));
    QCOMPARE(stage->maxText(), QStringLiteral("7200"));
    QCOMPARE(stage->xText(), QStringLiteral("X:0"));
    QCOMPARE(stage->slider()->minimum(), 16);
}

QTEST_MAIN(DpiWindowTest)
#include "DpiWindowTest.moc"
