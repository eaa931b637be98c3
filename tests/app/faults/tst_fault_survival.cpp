#include "../InstantBackend.h"
#include "TestDataHome.h"
#include "app/shell/MousecfgWidget.h"
#include "device/link/DeviceLink.h"
#include "device/protocol/WriteProfileSet.h"
#include "device/status/StatusThreadRunner.h"
#include "hid/sim/VirtualReceiver.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

namespace {

constexpr const char* kSaveLoopArgument = "--save-loop";

struct Link
{
    // Time-outs move a clock of the test's own instead of waiting, unless a status thread reads beside the test.
    explicit Link(bool bInstant = true)
    {
        mouse = new VirtualReceiver;
        if (bInstant) {
            mouse->setEchoLatency(0);
            link = std::make_unique<DeviceLink>(std::make_unique<InstantBackend>(mouse, &iClockMs));
            link->setClock({[this] { return iClockMs; }, [this](int ms) { iClockMs += ms; }});
        } else {
            link = std::make_unique<DeviceLink>(std::unique_ptr<VirtualReceiver>(mouse));
            link->setSleepFunction([](int) {});
        }
        link->InitDeviceTable();
        link->EnumerateDevices();
        link->OpenDevice("OSKEN R5");
        context.send = link->sender();
        context.productName = QStringLiteral("OSKEN R5");
        context.sensorModel = 3325;
        context.stopStatusThread = [] {};
        context.startStatusThread = [this] { ++restarts; };
        context.echoedFrames = [this] { return link->echoedFrames(); };
        for (int i = 0; i < kSlotCount; ++i)
            setProfileDefaults(config.slot(i), QStringLiteral("OSKEN R5"));
    }

    qint64 iClockMs = 0;
    VirtualReceiver* mouse = nullptr;
    std::unique_ptr<DeviceLink> link;
    WriteProfileContext context;
    ConfigData config;
    int restarts = 0;
};

// The whole record, saved over and over with alternating values, until the process is killed.
int saveLoop()
{
    ProfileData profile;
    setProfileDefaults(profile, QStringLiteral("OSKEN R5"));
    const QString path = QString::fromLocal8Bit(qgetenv("OSKEN_FAULT_FILE"));
    for (quint8 i = 0;; ++i) {
        profile.pollrate = (i & 1) ? 2 : 8;
        for (ButtonInfo& button : profile.buttons)
            button.LoopNumber = profile.pollrate;
        saveProfile(profile, path, profileGroup());
    }
}

} // namespace

class FaultSurvivalTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<TestDataHome>(); }
    void cleanup() { m_home.reset(); }

    // Every kind of frame meeting every fault ends the write-out with its result, sends nothing after it
    // and starts the status thread again; the next write-out, the fault gone, goes through.
    void faultOnEveryKindOfFrame_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("result");
        const int commands[] = {0x46, 0x01, 0x02, 0x03, 0x04, 0x40, 0x05};
        const struct
        {
            VirtualFault fault;
            const char* name;
            int result;
        } faults[] = {{VirtualFault::Timeout, "time-out", 2},
                      {VirtualFault::MismatchedEcho, "other command", 2},
                      {VirtualFault::MismatchedData, "other data", 2},
                      {VirtualFault::WriteError, "write error", 4}};
        for (int command : commands)
            for (const auto& f : faults) {
                int result = f.result;
                // A silent mouse reads as done (six all-zero replies); the write-out's asleep check is what
                // refuses a mouse that does not answer.
                if (f.fault == VirtualFault::Timeout)
                    result = 0;
                // Session and reload frames carry no payload to compare.
                if (f.fault == VirtualFault::MismatchedData && (command == 0x46 || command == 0x40))
                    result = 0;
                QTest::addRow("%02x %s", command, f.name) << command << int(f.fault) << result;
            }
    }
    void faultOnEveryKindOfFrame()
    {
        QFETCH(int, command);
        QFETCH(int, fault);
        QFETCH(int, result);
        Link l;
        // A macro on a button, so the macro memory is written too.
        l.config.slot(0).buttons[2].Fun = 200;
        l.config.slot(0).buttons[2].macroname = QStringLiteral("m");
        // Persistent faults: every retry meets them.
        l.mouse->injectFault(VirtualFault(fault), 100, command);
        l.mouse->clearReceivedFrames();
        const quint8 got = WriteProfileSet(l.context, l.config, ChangeBits::All);
        QCOMPARE(int(got), result);
        QCOMPARE(l.restarts, 1);
        if (result == 0)
            return;
        // The sequence ended at the failing frame: no session end, and the last frame that arrived is that
        // command's (a write error never arrives).
        QCOMPARE(l.mouse->firmware().sessionEnds(), 0);
        const std::vector<VirtualReceiver::Report> frames = l.mouse->receivedFrames();
        if (fault != int(VirtualFault::WriteError))
            QCOMPARE(int(frames.back()[3]), command);
        // Once the fault is gone the next write-out goes through whole.
        l.mouse->clearFaults();
        QCOMPARE(int(WriteProfileSet(l.context, l.config, ChangeBits::All)), 0);
        QCOMPARE(l.restarts, 2);
        QCOMPARE(l.mouse->firmware().sessionEnds(), 1);
    }

    // A mouse that falls asleep mid-write answers with zeros, which the verified write takes as done; a
    // whole write-out that meets only zeros is result 5.
    void mouseFallsAsleepMidWrite()
    {
        Link l;
        int iSent = 0;
        const FrameSender send = l.context.send;
        l.context.send = [&](const Frame& frame) {
            if (++iSent == 5)
                l.mouse->setAsleep(true);
            return send(frame);
        };
        QCOMPARE(int(WriteProfileSet(l.context, l.config, ChangeBits::All)), 0);
        QVERIFY(l.mouse->firmware().isAsleep());
        QCOMPARE(int(WriteProfileSet(l.context, l.config, ChangeBits::All)), 5);
    }

    void receiverPulledDuringStatusReads()
    {
        Link l(false);
        StatusTiming fast;
        fast.afterQueryMs = 1;
        fast.afterQueryReadMs = 1;
        fast.afterReadFailureMs = 1;
        fast.afterListenMs = 1;
        fast.passesPerQuery = 3;
        StatusThreadRunner runner(*l.link, fast);
        OrnGetBatteryThread* thread = runner.start();
        QVERIFY(thread);
        QTest::qWait(50);
        l.mouse->unplug();
        QTest::qWait(50);
        l.mouse->plug();
        l.link->CloseDevice();
        QVERIFY(runner.stop(2000));
    }

    // Every value of every byte of a status report, through the window's slots.
    void statusReportWithEveryByteValue()
    {
        auto receiver = std::make_unique<VirtualReceiver>();
        ShellServices services;
        services.link = std::make_unique<DeviceLink>(std::move(receiver));
        MousecfgWidget window(std::move(services));
        for (int value = 0; value < 256; ++value) {
            const quint8 v = quint8(value);
            window.slotRefreshStatus(v, 0, 1, v);
            window.slotRefreshStatus(0, v, 1, 0);
            window.slotRefreshStatus(0, 0, v, 0);
            window.slotRefreshBatteryStatus(v, v, quint8(255 - value));
            window.slotRefreshLightMode(v);
            window.slotRefreshWriteStatus(v);
        }
        const ConfigData& working = window.session().working();
        QVERIFY(working.ProfileID < kSlotCount);
        QVERIFY(working.activeSlot().dpi < kDpiStageCount);
    }

    // A save killed at any moment leaves the previous file or the new one, never a half-written one.
    void killedDuringASave()
    {
        const QString path = m_home->path() + QStringLiteral("/killed.prof");
        ProfileData before;
        setProfileDefaults(before, QStringLiteral("OSKEN R5"));
        QVERIFY(saveProfile(before, path, profileGroup()));
        for (int round = 0; round < 6; ++round) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("OSKEN_FAULT_FILE"), path);
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kSaveLoopArgument)});
            QVERIFY(child.waitForStarted());
            QTest::qWait(150 + QRandomGenerator::global()->bounded(400));
            child.kill();
            QVERIFY(child.waitForFinished());

            QSettings file(path, QSettings::IniFormat);
            QCOMPARE(file.status(), QSettings::NoError);
            QCOMPARE(file.allKeys().size(), kProfileKeyCount);
            ProfileData after;
            loadProfile(after, path, profileGroup());
            QVERIFY(after.pollrate == 1 || after.pollrate == 2 || after.pollrate == 8);
            for (const ButtonInfo& button : after.buttons)
                QCOMPARE(button.LoopNumber, after.pollrate == 1 ? 0u : quint32(after.pollrate));
        }
    }

private:
    std::unique_ptr<TestDataHome> m_home;
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], kSaveLoopArgument) == 0) {
        QCoreApplication application(argc, argv);
        return saveLoop();
    }
    QApplication application(argc, argv);
    FaultSurvivalTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_fault_survival.moc"
