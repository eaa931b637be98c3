#include "TestDataHome.h"
#include "TestMain.h"
#include "editors/ui/DefaultColorArea.h"
#include "editors/ui/HColorArea.h"
#include "editors/ui/OrnColorArea.h"
#include "editors/ui/OrnColorWindow.h"
#include "editors/ui/OrnDPIWindow.h"
#include "editors/ui/OrnPointSpeed.h"
#include "editors/ui/OrnReportRate.h"
#include "editors/ui/OrnSingleDPI.h"
#include "editors/ui/OrnTwoBarSlider.h"
#include "editors/ui/PreviewColorArea.h"
#include "editors/ui/SVColorArea.h"
#include "look/ThemeColor.h"
#include "store/AppSettings.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"
#include "widgets/OrnSlider.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// Boxes in the dialog's order: H, S, V, R, G, B.
constexpr int kH = 0;
constexpr int kR = 3;
constexpr int kB = 5;

QList<int> boxes(const OrnColorArea& dialog)
{
    QList<int> values;
    for (int i = 0; i < 6; ++i)
        values << dialog.spinBox(i)->value();
    return values;
}

ProfileData lightingRecordWithDefaults()
{
    ProfileData profile;
    profile.LedMode = 1;
    for (LedModeInfo& entry : profile.modes) {
        entry.RGB = RgbColor::fromRgb(255, 0, 0);
        entry.bright = 3;
        entry.breath = 3;
    }
    return profile;
}

// Runs `act` on the colour dialog as soon as it is shown modally.
void onColorDialog(const std::function<void(OrnColorArea*)>& act)
{
    QTimer::singleShot(0, [act]() {
        auto* dialog = qobject_cast<OrnColorArea*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

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

} // namespace

class ColorDialogTest : public QObject
{
    Q_OBJECT
private slots:
    // Typing that is not hex is refused, and what is left is completed when editing ends.
    void hexFieldIsMaskedAndCompleted()
    {
        OrnColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(1, 2, 3));
        dialog.show();
        OrnLineEdit* edit = dialog.hexEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "xyz12");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), QString("000012"));
        QCOMPARE(dialog.color(), QColor(0, 0, 18));
        QCOMPARE(boxes(dialog).mid(kR), (QList<int>{0, 0, 18}));
        QCOMPARE(dialog.preview()->color(), QColor(0, 0, 18));
    }

    void hueStripAndBoxesFeedEachOther()
    {
        OrnColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(255, 0, 0));
        HColorArea* strip = dialog.hueArea();
        // Middle of the strip: 7 + 64 pixels down is hue 180.
        QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(5, 7 + 64));
        QCOMPARE(boxes(dialog), (QList<int>{180, 255, 255, 0, 255, 255}));
        QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("00ffff"));
        dialog.spinBox(kH)->setValue(120);
        QCOMPARE(dialog.svArea()->hue(), 120);
        dialog.spinBox(kB)->setValue(255);
        QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("00ffff"));
        QCOMPARE(dialog.spinBox(kH)->value(), 180);
        // A grey keeps the hue it had, so the strip does not jump.
        dialog.setColor(QColor(90, 90, 90));
        QCOMPARE(boxes(dialog).mid(kH, 3), (QList<int>{180, 0, 90}));
    }

private:
    TestDataHome m_Home;
};

class ColorWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void effectShowsItsControls_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("colour");
        QTest::addRow("OFF") << 0 << "OFF" << false << false << false;
        QTest::addRow("FULL LIGHTED") << 1 << "FULL LIGHTED" << true << false << true;
        QTest::addRow("BREATHING") << 2 << "BREATHING" << false << true << true;
        QTest::addRow("7 COLOR BREATHING") << 3 << "7 COLOR BREATHING" << false << true << false;
        QTest::addRow("REACTIVE") << 11 << "REACTIVE" << true << false << false;
    }
    void effectShowsItsControls()
    {
        QFETCH(int, code);
        ProfileData profile = lightingRecordWithDefaults();
        profile.LedMode = 4; // RAINBOW: brightness and speed shown
        OrnColorWindow window(nullptr, &profile);
        window.effectAction(code)->trigger();
        QCOMPARE(profile.LedMode, quint8(code));
        QTEST(window.effectButton()->text(), "label");
        QTEST(window.brightnessSlider()->isVisibleTo(&window), "brightness");
        QTEST(window.speedSlider()->isVisibleTo(&window), "speed");
        QTEST(window.colorPreview()->isVisibleTo(&window), "colour");
    }

    // The menu in the order the user knows; brightness kept per effect.
    void brightnessIsKeptPerEffect()
    {
        ProfileData profile = lightingRecordWithDefaults();
        OrnColorWindow window(nullptr, &profile);
        QStringList menu;
        for (const QAction* action : window.effectMenu()->actions())
            menu << action->text();
        QCOMPARE(menu, (QStringList{"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                                    "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
        window.effectAction(4)->trigger(); // RAINBOW
        window.brightnessSlider()->setValue(3);
        window.speedSlider()->setValue(5);
        window.effectAction(9)->trigger(); // WAVE
        window.brightnessSlider()->setValue(1);
        QCOMPARE(profile.modes[4].bright, 3u);
        QCOMPARE(profile.modes[9].bright, 1u);

        window.effectAction(4)->trigger();
        QCOMPARE(window.brightnessSlider()->value(), 3);
        QCOMPARE(window.speedSlider()->value(), 5);
        window.effectAction(9)->trigger();
        QCOMPARE(window.brightnessSlider()->value(), 1);
        QCOMPARE(window.speedSlider()->value(), 3);

        // Switching to an effect whose stored value is out of range shows it clamped without rewriting it.
        profile.modes[13].bright = 0;
        window.effectAction(13)->trigger();
        QCOMPARE(window.brightnessSlider()->value(), 1);
        QCOMPARE(profile.modes[13].bright, 0u);
    }

    void mouseReportedEffectIsShownAndStored()
    {
        ProfileData profile = lightingRecordWithDefaults();
        profile.modes[8].breath = 5;
        profile.modes[1].RGB = RgbColor::fromRgb(10, 20, 30);
        OrnColorWindow window(nullptr, &profile);
        window.slotRefreshLightMode(8);
        QCOMPARE(window.effectButton()->text(), QStringLiteral("Raindrop"));
        QCOMPARE(profile.LedMode, quint8(8));
        // The panel shows the reported effect's own values, as if it had been chosen here.
        QCOMPARE(window.speedSlider()->value(), 5);
        window.slotRefreshLightMode(1);
        QCOMPARE(window.colorPreview()->color(), QColor(10, 20, 30));

        // A code the table does not have would index past the lighting entries: ignored.
        window.slotRefreshLightMode(200);
        QCOMPARE(profile.LedMode, quint8(1));
    }

    void colourDialogAppliesOrKeeps()
    {
        ProfileData profile = lightingRecordWithDefaults();
        profile.modes[1].RGB = RgbColor::fromRgb(10, 20, 30);
        OrnColorWindow window(nullptr, &profile);
        window.show();
        onColorDialog([](OrnColorArea* dialog) {
            QCOMPARE(dialog->color(), QColor(10, 20, 30));
            QTest::mouseClick(dialog->preset(6), Qt::LeftButton);
            dialog->cancelButton()->click();
        });
        QTest::mouseClick(window.colorPreview(), Qt::LeftButton);
        QCOMPARE(profile.modes[1].RGB, RgbColor::fromRgb(10, 20, 30));

        onColorDialog([](OrnColorArea* dialog) {
            QTest::mouseClick(dialog->preset(3), Qt::LeftButton); // cyan
            dialog->applyButton()->click();
        });
        QTest::mouseClick(window.colorPreview(), Qt::LeftButton);
        QCOMPARE(profile.modes[1].RGB, RgbColor::fromRgb(0, 255, 255));
        QCOMPARE(window.colorPreview()->color(), QColor(0, 255, 255));
        // Other effects keep their own colour, and the preview follows the effect.
        QCOMPARE(profile.modes[2].RGB, RgbColor::fromRgb(255, 0, 0));
        window.effectAction(2)->trigger();
        QCOMPARE(window.colorPreview()->color(), QColor(255, 0, 0));

        window.slotSendLedState(QColor(1, 2, 3));
        QCOMPARE(profile.modes[2].RGB, RgbColor::fromRgb(1, 2, 3));
    }
};

class DpiWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_pHome = std::make_unique<TestDataHome>();
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")));
        QVERIFY(writeGColorId(2));
        m_Profile = stagesRecord();
        m_pWindow = std::make_unique<OrnDPIWindow>(nullptr, &m_Blank);
    }
    void cleanup()
    {
        m_pWindow.reset();
        m_pHome.reset();
    }

    void linkingShowsOneBarAndBarsStoreRawValues()
    {
        m_Profile.stages[0].link = 0;
        m_Profile.stages[0].x = 20;
        m_Profile.stages[0].y = 40;
        m_pWindow->setProfile(&m_Profile, 3360);
        OrnSingleDPI* stage = m_pWindow->stage(0);
        OrnTwoBarSlider* bar = stage->slider();
        stage->linkBox()->setChecked(true);
        QCOMPARE(m_pWindow->stages()[0].link, quint8(1));
        // One bar means one value: Y follows X, so the mouse gets what the bar shows.
        QCOMPARE(m_pWindow->stages()[0].y, 20u);
        QCOMPARE(stage->yText(), QStringLiteral("Y:2000"));

        stage->linkBox()->setChecked(false);
        QCOMPARE(m_pWindow->stages()[0].link, quint8(0));
        bar->ySlider()->setValue(30);
        QCOMPARE(m_pWindow->stages()[0].x, 20u);
        QCOMPARE(m_pWindow->stages()[0].y, 30u);

        m_pWindow->stage(4)->slider()->linkedSlider()->setValue(93);
        QCOMPARE(m_pWindow->stages()[4].x, 93u);
        QCOMPARE(m_pWindow->stages()[4].y, 93u);
        QCOMPARE(m_pWindow->stages()[3].x, 24u); // the other stages keep their values
    }

    void clickingAStageMakesItCurrent()
    {
        m_pWindow->setProfile(&m_Profile, 3325);
        QCOMPARE(m_pWindow->currentStage(), quint8(1));

        // A point of the stage that belongs to no child widget: just inside its lower left corner.
        OrnSingleDPI* third = m_pWindow->stage(3);
        QTest::mouseClick(third, Qt::LeftButton, Qt::NoModifier, QPoint(3, third->height() - 3));
        QCOMPARE(m_pWindow->currentStage(), quint8(3));
        QCOMPARE(third->highlight(), look::themeColor(2));
        QCOMPARE(m_pWindow->stage(1)->highlight(), QColor(Qt::white));

        // A press on the bar chooses its stage too.
        QTest::mousePress(m_pWindow->stage(5)->slider()->linkedSlider(), Qt::LeftButton);
        QCOMPARE(m_pWindow->currentStage(), quint8(5));

        // The mouse changing stage by itself.
        m_pWindow->selectStage(0);
        QCOMPARE(m_pWindow->currentStage(), quint8(0));
        m_pWindow->selectStage(9);
        QCOMPARE(m_pWindow->currentStage(), quint8(0));
    }

    void stageOnOffKeepsCurrentStage()
    {
        m_pWindow->setProfile(&m_Profile, 3325);
        QTest::mouseClick(m_pWindow->stage(0)->usedButton(), Qt::LeftButton);
        QCOMPARE(m_pWindow->stages()[0].used, quint8(0));
        QTest::mouseClick(m_pWindow->stage(1)->usedButton(), Qt::LeftButton);
        QCOMPARE(m_pWindow->stages()[1].used, quint8(1));
        QCOMPARE(m_pWindow->currentStage(), quint8(1));
    }

    void recordValuesAreKeptInsideTheSensorRange()
    {
        m_Profile.stages[0].link = 0;
        m_Profile.stages[0].x = 500;
        m_Profile.stages[0].y = 0;
        m_Profile.stages[1].x = 30; // linked with a different Y
        m_Profile.stages[1].y = 60;
        m_Profile.dpi = 7;
        m_pWindow->setProfile(&m_Profile, 3389);
        QCOMPARE(m_pWindow->stages()[0].x, 480u);
        QCOMPARE(m_pWindow->stages()[0].y, 2u);
        QCOMPARE(m_pWindow->stage(0)->xText(), QStringLiteral("X:32000"));
        QCOMPARE(m_pWindow->stages()[1].y, 30u);
        QCOMPARE(m_pWindow->currentStage(), quint8(0));

        // A narrower sensor clamps what the page already holds.
        m_pWindow->setSensor(3325);
        QCOMPARE(m_pWindow->stages()[0].x, 75u);

        // An unknown sensor keeps the last limits and shows zero.
        ProfileData other = stagesRecord();
        m_pWindow->setProfile(&other, 3212);
        m_pWindow->setProfile(&other, 1234);
        OrnSingleDPI* stage = m_pWindow->stage(5);
        QCOMPARE(stage->minText(), QStringLiteral("600"));
        QCOMPARE(stage->maxText(), QStringLiteral("7200"));
        QCOMPARE(stage->xText(), QStringLiteral("X:0"));
        QCOMPARE(stage->slider()->minimum(), 16);
    }

private:
    std::unique_ptr<TestDataHome> m_pHome;
    ProfileData m_Blank;
    ProfileData m_Profile;
    std::unique_ptr<OrnDPIWindow> m_pWindow;
};

class RatePointerTest : public QObject
{
    Q_OBJECT
private slots:
    void rateMenuStoresItsCode()
    {
        TestDataHome home;
        ProfileData profile;
        profile.pollrate = 2;
        OrnReportRate rate(nullptr, &profile);
        QCOMPARE(rate.rateButtonText(), QStringLiteral("500 HZ"));
        rate.actionForCode(1)->trigger();
        QCOMPARE(int(profile.pollrate), 1); // the record itself is edited
        QCOMPARE(rate.rateButtonText(), QStringLiteral("1000 HZ"));

        // A code outside the table leaves the label as it was.
        profile.pollrate = 3;
        rate.setProfile(&profile);
        QCOMPARE(rate.rateButtonText(), QStringLiteral("1000 HZ"));
    }

    void pointerAndScrollLandInTheRecord()
    {
        TestDataHome home;
        ProfileData profile;
        profile.mousespeed = 10;
        profile.scrollspeed = 3;
        OrnPointSpeed panel(nullptr, &profile);
        panel.scrollBox()->setValue(0);
        QCOMPARE(panel.scrollSpeed(), 1);
        QCOMPARE(profile.scrollspeed, quint8(1));
        panel.pointerSlider()->setValue(17);
        QCOMPARE(profile.mousespeed, quint8(17));

        // Showing a record with values out of range does not rewrite it.
        ProfileData other;
        other.mousespeed = 0;
        other.scrollspeed = 40;
        panel.setProfile(&other);
        QCOMPARE(panel.pointerSpeed(), 1);
        QCOMPARE(panel.scrollSpeed(), 20);
        QCOMPARE(other.mousespeed, quint8(0));
        QCOMPARE(other.scrollspeed, quint8(40));
    }
};

int main(int argc, char** argv)
{
    return runTestClasses<QApplication, ColorDialogTest, ColorWindowTest, DpiWindowTest, RatePointerTest>(argc, argv);
}

#include "tst_editors_ui.moc"
