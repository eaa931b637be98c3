#include "editors/ui/OrnColorWindow.h"

#include "TestDataHome.h"
#include "editors/ui/DefaultColorArea.h"
#include "editors/ui/OrnColorArea.h"
#include "widgets/OrnAction.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnPushButton.h"
#include "widgets/OrnSlider.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// ConfigData's member shares its name with Qt's keyword macro.
#pragma push_macro("slots")
#undef slots
static ProfileData& slotRecord(ConfigData& config, int iSlot)
{
    return config.slots[static_cast<size_t>(iSlot)];
}
#pragma pop_macro("slots")

namespace {

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

} // namespace

class ColorWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void effectShowsItsControls_data();
    void effectShowsItsControls();
    void menuOffersTenEffectsInOrder();
    void brightnessIsKeptPerEffect();
    void product7138EditsSlotZero();
    void mouseReportedEffectIsShownAndStored();
    void colourDialogAppliesOrKeeps();
};

void ColorWindowTest::effectShowsItsControls_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("brightness");
    QTest::addColumn<bool>("speed");
    QTest::addColumn<bool>("colour");
    QTest::addRow("OFF") << 0 << "OFF" << false << false << false;
    QTest::addRow("REACTIVE") << 11 << "REACTIVE" << true << false << false;
    QTest::addRow("BREATHING") << 2 << "BREATHING" << false << true << true;
    QTest::addRow("FULL LIGHTED") << 1 << "FULL LIGHTED" << true << false << true;
}

void ColorWindowTest::effectShowsItsControls()
{
    QFETCH(int, code);
    QFETCH(bool, brightness);
    QFETCH(bool, speed);
    QFETCH(bool, colour);
    ProfileData profile = lightingRecordWithDefaults();
    profile.LedMode = 4; // RAINBOW: brightness and speed shown
    OrnColorWindow window(nullptr, &profile);
    window.effectAction(code)->trigger();
    QCOMPARE(profile.LedMode, quint8(code));
    QTEST(window.effectButton()->text(), "label");
    QVERIFY(window.effectButton()->isVisibleTo(&window));
    QCOMPARE(window.brightnessSlider()->isVisibleTo(&window), brightness);
    QCOMPARE(window.brightnessLabel()->isVisibleTo(&window), brightness);
    QCOMPARE(window.speedSlider()->isVisibleTo(&window), speed);
    QCOMPARE(window.speedLabel()->isVisibleTo(&window), speed);
    QCOMPARE(window.colorPreview()->isVisibleTo(&window), colour);
    QCOMPARE(window.colorLabel()->isVisibleTo(&window), colour);
}

void ColorWindowTest::menuOffersTenEffectsInOrder()
{
    ProfileData profile = lightingRecordWithDefaults();
    OrnColorWindow window(nullptr, &profile);
    QStringList texts;
    for (QAction* action : window.effectMenu()->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                                 "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
}

void ColorWindowTest::brightnessIsKeptPerEffect()
{
    ProfileData profile = lightingRecordWithDefaults();
    OrnColorWindow window(nullptr, &profile);
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

void ColorWindowTest::product7138EditsSlotZero()
{
    TestDataHome home;
    ConfigData config;
    for (int i = 0; i < kSlotCount; ++i)
        slotRecord(config, i) = lightingRecordWithDefaults();
    config.ProfileID = 3;
    OrnColorWindow window(nullptr, &lightingRecord(config, QStringLiteral("7138")));
    window.effectAction(2)->trigger();
    window.speedSlider()->setValue(1);
    QCOMPARE(slotRecord(config, 0).LedMode, quint8(2));
    QCOMPARE(slotRecord(config, 0).modes[2].breath, 1u);
    QCOMPARE(slotRecord(config, 3).LedMode, quint8(1));
    QCOMPARE(slotRecord(config, 3).modes[2].breath, 3u);

    // Any other product edits the active slot.
    window.setProfile(&lightingRecord(config, QStringLiteral("OSKEN R5")), 3);
    window.effectAction(11)->trigger();
    QCOMPARE(slotRecord(config, 3).LedMode, quint8(11));
    QCOMPARE(slotRecord(config, 0).LedMode, quint8(2));
}

void ColorWindowTest::mouseReportedEffectIsShownAndStored()
{
    ProfileData profile = lightingRecordWithDefaults();
    profile.modes[8].breath = 5;
    profile.modes[1].RGB = RgbColor::fromRgb(10, 20, 30);
    OrnColorWindow window(nullptr, &profile);
    QSignalSpy changed(&window, &OrnColorWindow::LightingChangedSignal);
    window.slotRefreshLightMode(8);
    QCOMPARE(window.effectButton()->text(), QStringLiteral("Raindrop"));
    QCOMPARE(profile.LedMode, quint8(8));
    QVERIFY(window.speedSlider()->isVisibleTo(&window));
    // The panel shows the reported effect's own values, as if it had been chosen here.
    QCOMPARE(window.speedSlider()->value(), 5);
    QCOMPARE(window.speedValue()->text(), QStringLiteral("5"));
    window.slotRefreshLightMode(1);
    QCOMPARE(window.colorPreview()->color(), QColor(10, 20, 30));
    QCOMPARE(changed.count(), 2); // the mouse picture follows

    // A code the table does not have would index past the lighting entries: ignored.
    window.slotRefreshLightMode(200);
    QCOMPARE(profile.LedMode, quint8(1));
}

void ColorWindowTest::colourDialogAppliesOrKeeps()
{
    ProfileData profile = lightingRecordWithDefaults();
    profile.LedMode = 1;
    profile.modes[1].RGB = RgbColor::fromRgb(10, 20, 30);
    OrnColorWindow window(nullptr, &profile);
    window.show();
    QCOMPARE(window.colorPreview()->color(), QColor(10, 20, 30));

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

QTEST_MAIN(ColorWindowTest)
#include "ColorWindowTest.moc"
