#include "TestDataHome.h"
#include "app/shell/AppState.h"
#include "app/shell/MousecfgWidget.h"
#include "app/shell/StatusTexts.h"
#include "buttons/ui/OrnBtnWindow.h"
#include "editors/ui/OrnDPIWindow.h"
#include "hid/sim/VirtualReceiver.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnPushButton.h"

#include <QApplication>
#include <QProgressBar>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

class RecordingOsd : public platform::OsdLink
{
public:
    bool send(const platform::OsdMessage& message) override
    {
        texts->append(message.text);
        return true;
    }
    std::shared_ptr<QStringList> texts = std::make_shared<QStringList>();
};

class RecordingPointerSpeed : public platform::PointerSpeed
{
public:
    int currentSpeed(int) override { return 7; }
    bool applySpeed(int iSpeed) override
    {
        applied->append(iSpeed);
        return true;
    }
    std::shared_ptr<QList<int>> applied = std::make_shared<QList<int>>();
};

// The window over a virtual mouse, with the OSD and the pointer speed recorded.
struct Fixture
{
    Fixture()
    {
        auto receiver = std::make_unique<VirtualReceiver>();
        mouse = receiver.get();
        ShellServices services;
        services.virtualReceiver = mouse;
        services.link = std::make_unique<DeviceLink>(std::move(receiver));
        services.notifier = makeVirtualDeviceNotifier(*mouse);
        auto osd = std::make_unique<RecordingOsd>();
        osdTexts = osd->texts;
        services.osd = std::move(osd);
        auto speed = std::make_unique<RecordingPointerSpeed>();
        speeds = speed->applied;
        services.pointerSpeed = std::move(speed);
        window = std::make_unique<MousecfgWidget>(std::move(services));
    }

    VirtualReceiver* mouse = nullptr;
    std::shared_ptr<QStringList> osdTexts;
    std::shared_ptr<QList<int>> speeds;
    std::unique_ptr<MousecfgWidget> window;
};

// Closes the modal box that a slot opens, with its OK button.
void acceptNextModal(int iAfterMs = 50)
{
    QTimer::singleShot(iAfterMs, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            box->accept();
    });
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<TestDataHome>();
        AppState& state = appState();
        state.noMouseWarningActive = false;
        state.mousePluggedIn = false;
    }
    void cleanup() { m_home.reset(); }

    void startsWithTheMouseAndTheComputersPointerSpeed()
    {
        Fixture f;
        QCOMPARE(f.window->connectedMouseCount(), 1);
        QCOMPARE(readCurrentProductName(), QStringLiteral("OSKEN R5"));
        QCOMPARE(readGColorId(), 1);
        QCOMPARE(int(f.window->session().working().activeSlot().mousespeed), 7);
        QCOMPARE(f.window->session().working().slotProfileNames[0], QStringLiteral("Profile 1"));
        QVERIFY(QFile::exists(defaultProfilePath()));
        QCOMPARE(f.window->currentTab(), 0);
        QVERIFY(f.window->tabButton(0)->isChecked());
    }

    void batteryDisplay()
    {
        Fixture f;
        f.window->slotRefreshBatteryStatus(1, 0xE8, 0x03); // 1000 -> 4125 mV
        QCOMPARE(f.window->batteryBar()->value(), 90);
        QVERIFY(!f.window->chargingIcon()->isHidden());
        QCOMPARE(readBattery(), 90);
        QVERIFY(!f.window->mouseAsleep());

        f.window->slotRefreshBatteryStatus(0, 0, 0);
        QVERIFY(f.window->mouseAsleep());
        QVERIFY(f.window->chargingIcon()->isHidden());
        QCOMPARE(f.window->batteryBar()->styleSheet(), asleepBatteryStyleSheet());
        QCOMPARE(f.window->batteryBar()->value(), 90); // the bar keeps its value

        f.window->slotRefreshBatteryStatus(0, 0x00, 0x04);
        QVERIFY(!f.window->mouseAsleep());
        QCOMPARE(f.window->batteryBar()->value(), 100);
    }

    void followsWhatTheMouseReports()
    {
        Fixture f;
        const ConfigData& working = f.window->session().working();
        const ProfileData& active = working.activeSlot();

        // Equal values change nothing and show nothing.
        f.window->slotRefreshStatus(0, active.dpi, active.pollrate, 0);
        QVERIFY(f.osdTexts->isEmpty());

        f.window->slotRefreshStatus(2, working.slot(2).dpi, working.slot(2).pollrate, 0);
        QCOMPARE(int(working.ProfileID), 2);
        QCOMPARE(*f.osdTexts, QStringList{"Profile 3"});
        QCOMPARE(f.speeds->size(), 1);
        QSettings product(productConfigPath(), QSettings::IniFormat);
        QCOMPARE(product.value("Config/ProfileID").toInt(), 2);

        // Bytes the mouse cannot mean are ignored.
        f.osdTexts->clear();
        const quint8 iRate = working.slot(2).pollrate;
        f.window->slotRefreshStatus(200, 6, 3, 0);
        QCOMPARE(int(working.ProfileID), 2);
        QCOMPARE(working.slot(2).pollrate, iRate);
        QVERIFY(f.osdTexts->isEmpty());

        f.window->slotRefreshWriteStatus(0);
        QCOMPARE(readDiff(), 1);
    }

    void slotMenuSwitchesTheMouse()
    {
        Fixture f;
        f.window->slotMenu()->actions().at(3)->trigger();
        QCOMPARE(int(f.window->session().working().ProfileID), 3);
        QTRY_COMPARE(int(f.mouse->firmware().activeProfile()), 3);
        QCOMPARE(f.window->nameField()->text(), f.window->session().working().slotProfileNames[3]);
        QCOMPARE(f.speeds->size(), 1);

        // An indicator does what the menu does; the lit indicator is always the active slot.
        f.window->show();
        QTest::mouseClick(f.window->slotIndicator(1), Qt::LeftButton);
        QCOMPARE(f.window->session().activeSlot(), 1);
        QTRY_COMPARE(int(f.mouse->firmware().activeProfile()), 1);
        for (int i = 0; i < kSlotCount; ++i)
            QCOMPARE(f.window->slotIndicator(i)->isChecked(), i == 1);
    }

    // A stage chosen in the DPI panel reaches the mouse and the profile file through Apply.
    void applyWritesTheMouseAndTheFiles()
    {
        Fixture f;
        f.window->show();
        f.window->dpiWindow()->selectStage(3);
        QTest::mouseClick(f.window->applyButton(), Qt::LeftButton);
        QCOMPARE(int(f.window->session().working().activeSlot().dpi), 3);
        QCOMPARE(int(f.window->session().saved().activeSlot().dpi), 3);
        QTRY_COMPARE(f.mouse->firmware().dpiStage(), 3);
        QCOMPARE(readDiff(), 0);
        QSettings profile(profileFilePath("Profile 1"), QSettings::IniFormat);
        QCOMPARE(profile.value(profileGroup() + "/dpi").toInt(), 3);
    }

    // The button panel works on the active record and hovering its buttons highlights the callouts.
    void buttonPanelFollowsTheActiveSlot()
    {
        Fixture f;
        f.window->show();
        QVERIFY(f.window->buttonWindow());
        f.window->slotMenu()->actions().at(2)->trigger();
        QCOMPARE(int(f.window->session().working().ProfileID), 2);
        f.window->slotMouseOver(f.window->buttonWindow()->label(1), 1);
        f.window->slotMouseOver(f.window->buttonWindow()->label(1), 0);
    }

    void trayClicksShowAndHide()
    {
        Fixture f;
        f.window->show();
        f.window->iconActivated(QSystemTrayIcon::Context);
        QVERIFY(f.window->isVisible());
        f.window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(f.window->isHidden());
        f.window->iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(f.window->isVisible());
        appState().noMouseWarningActive = true;
        f.window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->trayMenu()->actions().size(), 2);
    }

    void dragNeedsMoreThanFourPixels()
    {
        Fixture f;
        f.window->show();
        f.window->move(100, 100);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QPoint start = f.window->pos();
        const QPoint inside(700, 30);
        QTest::mousePress(f.window.get(), Qt::LeftButton, Qt::NoModifier, inside);
        QMouseEvent small(QEvent::MouseMove, inside + QPoint(3, 1), f.window->mapToGlobal(inside + QPoint(3, 1)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &small);
        QCOMPARE(f.window->pos(), start);
        QMouseEvent enough(QEvent::MouseMove, inside + QPoint(3, 2), f.window->mapToGlobal(inside + QPoint(3, 2)),
                           Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enough);
        QCOMPARE(f.window->pos(), start + QPoint(3, 2));
        QTest::mouseRelease(f.window.get(), Qt::LeftButton, Qt::NoModifier, inside);
    }

    void tabsAndViews()
    {
        Fixture f;
        f.window->show();
        QTest::mouseClick(f.window->tabButton(2), Qt::LeftButton);
        QCOMPARE(f.window->currentTab(), 2);
        QVERIFY(f.window->tabPanel(2)->isVisible());
        QVERIFY(!f.window->tabPanel(0)->isVisible());
        QTest::mouseClick(f.window->tabButton(1), Qt::LeftButton);
        QVERIFY(f.window->isFrontView());
        QVERIFY(!f.window->sideUpButton()->isVisible());
    }

    // Pulling the receiver raises the warning; plugging it back closes it by itself and reloads.
    void receiverPulledAndPluggedBack()
    {
        Fixture f;
        f.window->show();
        QTest::qWait(300); // the start-up check has run
        // The box opens 200 ms after the pull and waits inside its own loop; the receiver comes back
        // while it is up.
        QTimer::singleShot(1500, [&] { f.mouse->plug(); });
        f.mouse->unplug();
        QTRY_COMPARE(f.window->connectedMouseCount(), 0);
        QVERIFY(appState().noMouseWarningActive);
        QVERIFY(!appState().mousePluggedIn);
        QVERIFY(!f.window->deviceLink().hasCommandHandle());

        bool bBoxSeen = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout,
                [&] { bBoxSeen |= qobject_cast<OrnMessageBox*>(QApplication::activeModalWidget()) != nullptr; });
        probe.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(appState().mousePluggedIn && !appState().noMouseWarningActive, 5000);
        QVERIFY(bBoxSeen);
        QCOMPARE(f.window->connectedMouseCount(), 1);
        QVERIFY(f.window->deviceLink().hasCommandHandle());
        QVERIFY(f.window->isVisible());
    }

    // Back before the warning showed: nothing stays pending, the tray can hide the window again.
    void receiverBackBeforeTheWarning()
    {
        Fixture f;
        f.window->show();
        QTest::qWait(300);
        f.mouse->unplug();
        f.mouse->plug();
        QTRY_COMPARE(f.window->connectedMouseCount(), 1);
        QTRY_VERIFY(!appState().noMouseWarningActive);
        f.window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(f.window->isHidden());
    }

    void noMouseAtStart()
    {
        auto receiver = std::make_unique<VirtualReceiver>();
        receiver->unplug();
        ShellServices services;
        services.link = std::make_unique<DeviceLink>(std::move(receiver));
        MousecfgWidget window(std::move(services));
        QCOMPARE(window.connectedMouseCount(), 0);
        QCOMPARE(readCurrentProductName(), QString());
        acceptNextModal();
        window.slotWarning();
        QVERIFY(window.isHidden()); // OK leaves only the tray icon
        QVERIFY(!appState().noMouseWarningActive);
    }

private:
    std::unique_ptr<TestDataHome> m_home;
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
