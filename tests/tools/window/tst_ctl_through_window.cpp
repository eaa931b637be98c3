#include "../CtlProcess.h"
#include "TestDataHome.h"
#include "app/shell/CtlRequests.h"
#include "app/shell/MousecfgWidget.h"
#include "editors/ui/OrnDPIWindow.h"
#include "editors/ui/OrnSingleDPI.h"
#include "hid/sim/VirtualReceiver.h"
#include "platform/InstanceChannel.h"
#include "platform/SingleInstance.h"
#include "platform/virtual/VirtualDeviceNotifier.h"
#include "store/AppSettings.h"
#include "widgets/OrnPushButton.h"

#include <QTemporaryDir>
#include <QTest>

class CtlThroughWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(QFile::setPermissions(m_runtime.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        m_home = std::make_unique<TestDataHome>();
        QVERIFY(mergeDefaultProgramConfig());
        // The window as the program builds it, over a virtual mouse, answering on its instance socket.
        auto receiver = std::make_unique<VirtualReceiver>();
        m_pMouse = receiver.get();
        ShellServices services;
        services.virtualReceiver = m_pMouse;
        services.link = std::make_unique<DeviceLink>(std::move(receiver));
        services.notifier = platform::makeVirtualDeviceNotifier(*m_pMouse);
        m_pWindow = std::make_unique<MousecfgWidget>(std::move(services));
        m_pServer = std::make_unique<platform::InstanceServer>();
        QVERIFY(m_pServer->listen(platform::instanceServerName()));
        new CtlRequests(*m_pWindow, *m_pServer);
        QTest::mouseClick(m_pWindow->tabButton(2), Qt::LeftButton);
    }

    void changesRunInTheWindow()
    {
        // The virtual mouse is the window's only: the tool on its own would find no mouse.
        const CtlRun dpi = runCtl({"dpi", "2", "1600"});
        QCOMPARE(dpi.err, QString());
        QCOMPARE(dpi.exitCode, 0);
        QCOMPARE(m_pMouse->firmware().table(VirtualFirmware::DpiStages).mid(6, 5).toHex(), QByteArray("0124002400"));
        QCOMPARE(m_pWindow->dpiWindow()->stage(1)->xText(), QString("X:1600"));
        QVERIFY(!m_pWindow->applyButton()->isMarked());

        // A refused value prints what the tool prints alone and leaves the window's settings as they were.
        const CtlRun refused = runCtl({"dpi", "2", "1650"});
        QCOMPARE(refused.exitCode, 64);
        QVERIFY(refused.err.startsWith("osken-ctl: 1650 DPI is not a step of sensor 3325"));
        QCOMPARE(m_pWindow->dpiWindow()->stage(1)->xText(), QString("X:1600"));
        QVERIFY(!m_pWindow->applyButton()->isMarked());

        QCOMPARE(runCtl({"profile", "2"}).exitCode, 0);
        QCOMPARE(m_pMouse->firmware().activeProfile(), 1);
        QVERIFY(m_pWindow->slotIndicator(1)->isChecked());
    }

    void watchHearsTheWindow()
    {
        Ctl watch({"watch", "--json"});
        QCOMPARE(watch.nextLine(), QString(R"({"event":"plugged"})"));
        QCOMPARE(watch.nextLine(), QString(R"({"charging":false,"event":"battery","percent":90})"));
        // Stage 3 of the defaults is 1600 DPI; pressed on the mouse, the window hears it and so does watch.
        m_pMouse->mouseSelectsDpiStage(2);
        QCOMPARE(watch.nextLine(), QString(R"({"dpi":1600,"event":"dpi-stage","stage":3})"));
        // status answers from what the window heard, without reading the mouse's answers away from it.
        const CtlRun status = runCtl({"status", "--json"});
        QCOMPARE(status.exitCode, 0);
        QVERIFY(status.out.startsWith(R"({"battery":90,"charging":false,"dpiStage":3,)"));
        m_pMouse->unplug();
        QCOMPARE(watch.nextLine(), QString(R"({"event":"unplugged"})"));
        m_pMouse->plug();
        QCOMPARE(watch.nextLine(), QString(R"({"event":"plugged"})"));
        watch.process.terminate();
        QVERIFY(watch.finish());
        QCOMPARE(watch.process.exitCode(), 0);
    }

    void runsAloneWithoutItsWindow_data()
    {
        QTest::addColumn<bool>("bWindowListens");
        QTest::addColumn<bool>("bOtherDataFolder");
        QTest::addRow("window of another data folder") << true << true;
        QTest::addRow("no window") << false << false;
    }

    void runsAloneWithoutItsWindow()
    {
        QFETCH(bool, bWindowListens);
        QFETCH(bool, bOtherDataFolder);
        if (!bWindowListens)
            m_pServer.reset();
        const QTemporaryDir otherData;
        m_pMouse->clearReceivedFrames();
        QStringList env{"OSKEN_VIRTUAL_MOUSE=1"};
        if (bOtherDataFolder)
            env << "XDG_DATA_HOME=" + otherData.path();
        const CtlRun rate = runCtl({"rate", "500"}, env);
        QCOMPARE(rate.err, QString());
        QCOMPARE(rate.exitCode, 0);
        // The window's mouse got no settings table: the tool wrote its own.
        for (const auto& frame : m_pMouse->receivedFrames())
            QVERIFY(frame[3] != 0x01);
    }

private:
    QTemporaryDir m_runtime;
    std::unique_ptr<TestDataHome> m_home;
    VirtualReceiver* m_pMouse = nullptr;
    std::unique_ptr<MousecfgWidget> m_pWindow;
    std::unique_ptr<platform::InstanceServer> m_pServer;
};

QTEST_MAIN(CtlThroughWindowTest)
#include "tst_ctl_through_window.moc"
