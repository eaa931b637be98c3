#include "TestDataHome.h"
#include "app/profilebar/ProfileCommands.h"
#include "app/shell/BatteryBar.h"
#include "app/shell/MousecfgWidget.h"
#include "buttons/ui/OrnComboKeyWindow.h"
#include "buttons/ui/OrnFireKeyWindow.h"
#include "buttons/ui/OrnMacroSelect.h"
#include "buttons/ui/OrnSingleKeyWindow.h"
#include "buttons/ui/OrnSniperWindow.h"
#include "editors/ui/OrnColorArea.h"
#include "editors/ui/OrnDPIWindow.h"
#include "hid/sim/VirtualReceiver.h"
#include "look/DisplayScale.h"
#include "look/Language.h"
#include "macro/ui/OrnGunsetDialog.h"
#include "platform/virtual/VirtualDeviceNotifier.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/ProfileFiles.h"
#include "widgets/OrnLabel.h"
#include "widgets/OrnLineEdit.h"
#include "widgets/OrnMenu.h"
#include "widgets/OrnMessageBox.h"
#include "widgets/OrnNotice.h"
#include "widgets/OrnPopBox.h"
#include "widgets/OrnPushButton.h"
#include "widgets/WidgetFont.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class RecordingOsd : public platform::OsdLink
{
public:
    bool send(const platform::OsdMessage& message) override
    {
        texts.append(message.text);
        return true;
    }
    QStringList texts;
};

class RecordingPointerSpeed : public platform::PointerSpeed
{
public:
    int currentSpeed(int) override { return 7; }
    bool applySpeed(int iSpeed) override
    {
        applied.append(iSpeed);
        return true;
    }
    QList<int> applied;
};

// The window over a virtual mouse, with the OSD and the pointer speed recorded and the tray as the test
// sets it. The window owns what the pointers name.
struct Fixture
{
    Fixture()
    {
        ShellServices services;
        services.trayAvailable = [this] { return bTray; };
        services.trayChanges.reset(trayChanges);
        services.virtualReceiver = mouse;
        services.link = std::make_unique<DeviceLink>(std::unique_ptr<VirtualReceiver>(mouse));
        services.notifier = platform::makeVirtualDeviceNotifier(*mouse);
        services.osd.reset(osd);
        services.pointerSpeed.reset(speed);
        services.autostart = platform::makeAutostart("/opt/osken r5/osken-config", {"--hidden"});
        window = std::make_unique<MousecfgWidget>(std::move(services));
    }

    // The tray's coming and going, announced as the desktop would.
    void setTray(bool bAvailable)
    {
        bTray = bAvailable;
        emit trayChanges->mayHaveChanged();
    }

    bool bTray = true;
    platform::TrayHostWatch* trayChanges = new platform::TrayHostWatch;
    VirtualReceiver* mouse = new VirtualReceiver;
    RecordingOsd* osd = new RecordingOsd;
    RecordingPointerSpeed* speed = new RecordingPointerSpeed;
    std::unique_ptr<MousecfgWidget> window;
};

// Closes the modal box that a slot opens, with its OK button, and counts it.
void acceptNextModal(int iAfterMs = 50, int* pAccepted = nullptr)
{
    QTimer::singleShot(iAfterMs, [pAccepted] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (pAccepted)
                ++*pAccepted;
            box->accept();
        }
    });
}

// The virtual receiver's plug events reach the window as queued calls: this returns once all those posted
// so far have run.
void waitForQueuedEvents()
{
    bool bDone = false;
    QMetaObject::invokeMethod(
        qApp, [&bDone] { bDone = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(bDone);
}

// The buttons below `top` whose text is wider than the room it has.
QStringList tooWideTexts(QWidget* top)
{
    QStringList found;
    const int iMargin = look::scaled(3);
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
        auto* skinned = qobject_cast<OrnPushButton*>(button);
        if (button->text().isEmpty() || button->width() <= 0 || (skinned && skinned->elidesText()) ||
            (!skinned && (!qobject_cast<QToolButton*>(button) || !button->isVisibleTo(top))))
            continue;
        const QFont font = skinned ? widgets::scaledLanguageFont() : button->font();
        const int iIcon = skinned || button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const int iNeed = QFontMetrics(font).horizontalAdvance(button->text()) + iIcon + 2 * iMargin;
        const int iRoom = skinned ? skinned->textRoom() : button->width();
        if (iNeed > iRoom)
            found << QStringLiteral("%1: \"%2\" needs %3, has %4")
                         .arg(top->metaObject()->className(), button->text())
                         .arg(iNeed)
                         .arg(iRoom);
    }
    return found;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<TestDataHome>();
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QFile::remove(m_config.filePath("autostart"));
    }
    void cleanup() { m_home.reset(); }

    // The start, then the battery bar and what the mouse reports: the stored level greyed until a reading,
    // a reading, asleep. Values the mouse cannot mean are the session test's and the fault survival test's.
    void startsAndFollowsTheMouse()
    {
        QVERIFY(writeCurrentProductName(QStringLiteral("OSKEN R5")) && writeBattery(70));
        Fixture f;
        QCOMPARE(f.window->connectedMouseCount(), 1);
        const ConfigData& working = f.window->session().working();
        QCOMPARE(int(working.activeSlot().mousespeed), 7);
        QCOMPARE(working.slotProfileNames[0], QStringLiteral("Profile 1"));
        QVERIFY(QFile::exists(defaultProfilePath()));
        BatteryBar* bar = f.window->batteryBar();
        QCOMPARE(bar->state(), BatteryBar::State::Stored);
        QCOMPARE(bar->text(), QStringLiteral("70%"));

        f.window->slotRefreshBatteryStatus(1, 0xE8, 0x03); // 1000 -> 4125 mV
        QCOMPARE(bar->value(), 90);
        QCOMPARE(bar->state(), BatteryBar::State::Reading);
        QVERIFY(!f.window->chargingIcon()->isHidden());
        QCOMPARE(readBattery(), 90);
        f.window->slotRefreshBatteryStatus(0, 0, 0);
        QVERIFY(f.window->mouseAsleep());
        QVERIFY(f.window->chargingIcon()->isHidden());
        QCOMPARE(bar->text(), QStringLiteral("Asleep"));
        f.window->slotRefreshBatteryStatus(0, 0x00, 0x04);
        QVERIFY(!f.window->mouseAsleep());
        QCOMPARE(bar->text(), QStringLiteral("100%"));

        // Equal values change nothing and show nothing.
        f.window->slotRefreshStatus(0, working.activeSlot().dpi, working.activeSlot().pollrate, 0);
        QVERIFY(f.osd->texts.isEmpty());
        f.window->slotRefreshStatus(2, working.slot(2).dpi, working.slot(2).pollrate, 0);
        QCOMPARE(int(working.ProfileID), 2);
        QCOMPARE(f.osd->texts, QStringList{"Slot 3"});
        QCOMPARE(f.speed->applied.size(), 1);
        QCOMPARE(QSettings(productConfigPath(), QSettings::IniFormat).value("Config/ProfileID").toInt(), 2);
        f.window->slotRefreshWriteStatus(0);
        QCOMPARE(readDiff(), 1);
    }

    // Every text fits its skinned button, in all three languages at the usual scales; only the button labels of
    // the CUSTOMIZE tab elide (with a tooltip).
    void textsFitTheirButtons_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<double>("scale");
        for (int iLang = 0; iLang < look::kLanguageCount; ++iLang) {
            for (double dScale : {1.0, 1.25, 1.5, 2.0})
                QTest::addRow("%s at %.2f", qPrintable(look::languageName(iLang)), dScale) << iLang << dScale;
        }
    }
    void textsFitTheirButtons()
    {
        QFETCH(int, language);
        QFETCH(double, scale);
        QVERIFY(mergeDefaultProgramConfig());
        widgets::forgetLanguageFonts();
        look::OrnLanguage translation;
        QVERIFY(translation.switchLanguage(language));
        qputenv("OSKEN_SCALE", QByteArray::number(scale));
        Fixture f;
        qunsetenv("OSKEN_SCALE");
        QWidget* parent = f.window.get();
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.emplace_back(new OrnFireKeyWindow(parent));
        dialogs.emplace_back(new OrnSingleKeyWindow(parent));
        dialogs.emplace_back(new OrnComboKeyWindow(parent));
        dialogs.emplace_back(new OrnSniperWindow(3360, parent));
        dialogs.emplace_back(new OrnMacroSelect("MACRO SELECT", QString(), 1, 0, parent));
        dialogs.emplace_back(new OrnGunsetDialog(parent, scale));
        dialogs.emplace_back(new OrnColorArea(parent, scale));
        dialogs.emplace_back(new OrnPopBox(QStringLiteral("?"), parent));
        dialogs.emplace_back(new OrnMessageBox(1, QStringLiteral("?"), QString(), QString(), parent));
        QStringList tooWide = tooWideTexts(parent);
        for (const auto& dialog : dialogs) {
            dialog->show(); // their layout runs on the first resize
            tooWide << tooWideTexts(dialog.get());
        }
        tooWide.removeDuplicates();
        translation.switchLanguage(0);
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1Char('\n'))));
    }

    // The slot menu and the indicators switch the mouse at once; a stage chosen in the DPI panel marks Apply
    // and its slot until Apply. The stored files after Apply are the model test's and the end-to-end test's.
    void slotsAndApply()
    {
        Fixture f;
        f.window->slotMenu()->actions().at(3)->trigger();
        QCOMPARE(int(f.window->session().working().ProfileID), 3);
        QTRY_COMPARE(int(f.mouse->firmware().activeProfile()), 3);
        QCOMPARE(f.window->nameField()->text(), f.window->session().working().slotProfileNames[3]);
        QCOMPARE(f.speed->applied.size(), 1);
        f.window->show();
        QTest::mouseClick(f.window->slotIndicator(0), Qt::LeftButton);
        QTRY_COMPARE(int(f.mouse->firmware().activeProfile()), 0);
        for (int i = 0; i < kSlotCount; ++i)
            QCOMPARE(f.window->slotIndicator(i)->isChecked(), i == 0);

        QVERIFY(!f.window->applyButton()->isMarked());
        f.window->dpiWindow()->selectStage(3);
        // Marked once the input that made the edit has been handled.
        QTest::mouseClick(f.window->dpiWindow(), Qt::LeftButton);
        QTRY_VERIFY(f.window->applyButton()->isMarked());
        QVERIFY(f.window->slotIndicator(0)->isMarked());
        QVERIFY(!f.window->slotIndicator(1)->isMarked());
        QTest::mouseClick(f.window->applyButton(), Qt::LeftButton);
        QVERIFY(!f.window->applyButton()->isMarked());
        QVERIFY(!f.window->slotIndicator(0)->isMarked());
        QCOMPARE(f.window->savedNotice()->text(), QStringLiteral("Saved to mouse"));
        QVERIFY(f.window->savedNotice()->isVisible());
        QCOMPARE(int(f.window->session().saved().activeSlot().dpi), 3);
        QTRY_COMPARE(f.mouse->firmware().dpiStage(), 3);
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

    // However fast the receiver comes and goes, the window ends up in step with what is plugged in: back
    // before the warning showed leaves nothing pending; in and out again leaves a warning that stays.
    void receiverComingAndGoingFast()
    {
        Fixture f;
        f.window->show();
        QTest::qWait(300);
        for (int i = 0; i < 50; ++i) {
            f.mouse->unplug();
            f.mouse->plug();
        }
        waitForQueuedEvents();
        QTRY_COMPARE(f.window->connectedMouseCount(), 1);
        QTRY_VERIFY(f.window->deviceLink().hasCommandHandle());
        QVERIFY(!f.window->noMouseWarningActive());
        f.window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(f.window->isHidden());

        // In and out again: the warning opens (in its own loop) and stays; timers look at it from inside.
        f.mouse->unplug();
        f.mouse->plug();
        f.mouse->unplug();
        waitForQueuedEvents();
        int iAccepted = 0;
        acceptNextModal(700, &iAccepted);
        QTRY_COMPARE(iAccepted, 1);
        QVERIFY(f.window->isHidden());
        acceptNextModal(400, &iAccepted);
        f.window->iconActivated(QSystemTrayIcon::Trigger);
        QCOMPARE(iAccepted, 2);
        QVERIFY(f.window->isHidden());
        QCOMPARE(f.window->connectedMouseCount(), 0);
    }

    // Without a notification area nothing may put the window where it cannot be found again: hiding
    // minimises, × ends the program, and a tray that goes away gives a hidden window back.
    void withoutATrayTheWindowStaysReachable()
    {
        Fixture f;
        f.window->show();
        QTest::qWait(300); // the start-up check has run
        f.window->iconActivated(QSystemTrayIcon::Context);
        QVERIFY(f.window->isVisible());
        f.window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(f.window->isHidden());
        f.window->iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(f.window->isVisible());
        f.setTray(false);
        QSignalSpy quit(f.window.get(), &MousecfgWidget::quitRequested);

        f.window->profileCommands().cancel();
        QVERIFY(f.window->isVisible() && f.window->isMinimized());
        f.window->showNormal();
        QTest::mouseClick(f.window->closeButton(), Qt::LeftButton);
        QCOMPARE(quit.count(), 1);
        QVERIFY(f.window->isVisible());

        f.setTray(true);
        f.window->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(f.window->isHidden());
        f.setTray(false);
        QVERIFY(f.window->isVisible() && f.window->isMinimized());

        // The no-mouse warning's OK leaves the window minimised, not hidden.
        f.window->showNormal();
        acceptNextModal(500);
        f.mouse->unplug();
        QTRY_VERIFY(f.window->isMinimized());
        QVERIFY(f.window->isVisible());
        QCOMPARE(quit.count(), 1);
    }

    // A later start of the program brings the window back, with the warning when no mouse is there.
    void anotherStartBringsTheWindowBack()
    {
        Fixture f;
        f.window->show();
        QTest::qWait(300); // the start-up check has run
        f.window->showMinimized();
        f.window->activateFromAnotherStart();
        QTRY_VERIFY(f.window->isVisible() && !f.window->isMinimized());

        // While the warning is up (in its own loop), another start raises it rather than opening a second
        // one, and the receiver coming back closes it.
        f.mouse->unplug();
        waitForQueuedEvents();
        QTRY_COMPARE(f.window->connectedMouseCount(), 0);
        QCOMPARE(f.window->batteryBar()->text(), QString(QChar(0x2014))); // not the last mouse's level
        f.window->slotRefreshBatteryStatus(0, 0, 0); // the status thread's failed read, queued before the pull
        QCOMPARE(f.window->batteryBar()->text(), QString(QChar(0x2014)));
        QWidget* warning = nullptr;
        QWidget* afterActivation = nullptr;
        QTimer::singleShot(500, [&] {
            warning = qobject_cast<OrnMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(f.window->noMouseWarningActive());
            f.window->activateFromAnotherStart();
        });
        QTimer::singleShot(700, [&] {
            afterActivation = QApplication::activeModalWidget();
            f.mouse->plug();
        });
        QTRY_VERIFY(afterActivation && !QApplication::activeModalWidget());
        QVERIFY(warning);
        QCOMPARE(afterActivation, warning);
        QTRY_VERIFY(f.window->deviceLink().hasCommandHandle());
    }

    void startWithTheDesktop()
    {
        Fixture f;
        QAction* toggle = f.window->autostartAction();
        QVERIFY(toggle && !toggle->isChecked());
        toggle->setChecked(true);
        const QString entry = m_config.filePath("autostart/osken-config.desktop");
        QFile written(entry);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("\nExec=\"/opt/osken r5/osken-config\" --hidden\n"));
        toggle->setChecked(false);
        QVERIFY(!QFile::exists(entry));

        // A folder that cannot be made: the toggle stays off and the user is told.
        QDir(m_config.filePath("autostart")).removeRecursively();
        QFile blocker(m_config.filePath("autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        int iWarned = 0;
        acceptNextModal(50, &iWarned);
        toggle->setChecked(true);
        QCOMPARE(iWarned, 1);
        QVERIFY(!toggle->isChecked());
    }

private:
    std::unique_ptr<TestDataHome> m_home;
    QTemporaryDir m_config;
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
