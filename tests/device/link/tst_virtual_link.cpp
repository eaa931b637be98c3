#include "device/link/DeviceLink.h"
#include "device/status/OrnGetBatteryThread.h"
#include "hid/sim/VirtualReceiver.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

namespace {

Frame frame(quint8 command, quint16 address, quint8 length, quint8 phase, const char* payloadHex = "")
{
    Frame f{};
    f[0] = 0x05;
    f[2] = 0xFA;
    f[3] = command;
    f[4] = quint8(address & 0xFF);
    f[5] = quint8(address >> 8);
    f[6] = length;
    f[7] = phase;
    const QByteArray payload = QByteArray::fromHex(payloadHex);
    std::copy(payload.begin(), payload.end(), f.begin() + 8);
    return f;
}

Frame commit(quint8 command)
{
    return frame(command, 0x7F, 1, 0xD3, "1a");
}

QByteArray hex(const VirtualReceiver::Report& r)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()), 33).toHex();
}

// A write-out as the mouse sees it: session, settings, buttons, DPI stages, lighting, five reloads, session.
std::vector<Frame> writeOut()
{
    const QByteArray entries = QByteArray(48, 'a');
    return {
        frame(0x46, 0, 0, 0),
        frame(0x01, 0, 19, 0xD1, "0a0a0a0a0a00030101010101020408011f0102"),
        commit(0x01),
        frame(0x03, 0, 2, 0xD1, "0a00"),
        frame(0x03, 2, 24, 0xD2, entries.constData()),
        frame(0x03, 26, 24, 0xD2, entries.constData()),
        frame(0x03, 50, 24, 0xD2, entries.constData()),
        frame(0x03, 74, 24, 0xD2, entries.constData()),
        frame(0x03, 98, 4, 0xD2, "ffffffff"),
        commit(0x03),
        frame(0x02, 0, 1, 0xD1, "06"),
        frame(0x02, 1, 5, 0xD2, "0110001000"),
        frame(0x02, 6, 5, 0xD2, "0120002000"),
        frame(0x02, 11, 5, 0xD2, "0130003000"),
        frame(0x02, 16, 5, 0xD2, "0040004000"),
        frame(0x02, 21, 5, 0xD2, "0050005000"),
        frame(0x02, 26, 5, 0xD2, "0060006000"),
        commit(0x02),
        frame(0x04, 0, 24, 0xD1, "800000000000000080ff000001000203800000ff01050403"),
        frame(0x04, 24, 24, 0xD2, "800000000105010380000000010508038000000005050103"),
        frame(0x04, 48, 24, 0xD2, "800000000700000380000000060500038000000008050003"),
        frame(0x04, 72, 8, 0xD2, "8000000009050003"),
        commit(0x04),
        frame(0x40, 0xF3 | (0x04 << 8), 0, 0),
        frame(0x40, 0xF3 | (0x01 << 8), 0, 0),
        frame(0x40, 0xF3 | (0x02 << 8), 0, 0),
        frame(0x40, 0xF3 | (0x08 << 8), 0, 0),
        frame(0x40, 0xF3 | (0x10 << 8), 0, 0),
        frame(0x46, 1, 0, 0),
    };
}

struct VirtualLink
{
    VirtualReceiver* receiver = new VirtualReceiver;
    DeviceLink link{std::unique_ptr<HidBackend>(receiver)};
    QList<int> sleeps;

    VirtualLink()
    {
        link.setSleepFunction([this](int ms) {
            sleeps << ms;
            QThread::msleep(static_cast<unsigned long>(ms));
        });
        link.InitDeviceTable();
        link.EnumerateDevices();
        link.OpenDevice("OSKEN R5");
    }
};

} // namespace

class TestVirtualLink : public QObject
{
    Q_OBJECT
private slots:
    void discoversTheVirtualMouse();
    void writeOutLandsInMemory();
    void faultsThroughTheLink_data();
    void faultsThroughTheLink();
    void sleepingMouseTakesNothing();
    void unplugAndReopen();
    void readerNeverTakesAnEcho();
    void statusThreadOverTheLink();
    void environmentSelectsTheVirtualMouse();
};

void TestVirtualLink::discoversTheVirtualMouse()
{
    VirtualLink v;
    const MouseDescriptor& e = v.link.deviceTable().entries[0];
    QCOMPARE(e.presentA1, 1u);
    QCOMPARE(e.presentA2, 1u);
    QCOMPARE(e.presentB1 + e.presentB2, 0u);
    QCOMPARE(QByteArray(e.pathA2), VirtualReceiver::kCommandPath);
    QCOMPARE(v.link.connectedMouseCount(), 1);
    QVERIFY(v.link.hasCommandHandle());
}

void TestVirtualLink::writeOutLandsInMemory()
{
    VirtualLink v;
    const std::vector<Frame> frames = writeOut();
    QCOMPARE(frames.size(), size_t(29));
    QElapsedTimer clock;
    clock.start();
    for (const Frame& f : frames)
        QCOMPARE(int(v.link.SendVerified(f)), 0);
    // Reported, not judged: the time belongs to the benchmarks.
    qInfo("29 frames took %lld ms; 29 x (10 ms + %d ms latency) = %d ms", clock.elapsed(), v.receiver->echoLatency(),
          29 * (10 + v.receiver->echoLatency()));

    // Each frame reached the mouse once, with its checksum.
    const auto received = v.receiver->receivedFrames();
    QCOMPARE(received.size(), size_t(29));
    QCOMPARE(hex(received.front()), QByteArray("0526fa4600000000") + QByteArray(50, '0'));
    QCOMPARE(hex(received.back()), QByteArray("0527fa4601000000") + QByteArray(50, '0'));
    // FA+01+7F+01+D3 = 0x24E -> 4E ^ 66 = 28
    QCOMPARE(hex(received[2]).left(18), QByteArray("0528fa017f0001d31a"));
    // One 10 ms wait per frame and nothing else: 29 x (10 ms + echo latency) for the whole sequence.
    QCOMPARE(v.sleeps, QVector<int>(29, 10).toList());

    const VirtualFirmware fw = v.receiver->firmware();
    QCOMPARE(fw.table(VirtualFirmware::Settings).toHex(), QByteArray("0a0a0a0a0a00030101010101020408011f0102"));
    QCOMPARE(fw.activeProfile(), 3);
    QCOMPARE(fw.dpiStage(), 1);
    QCOMPARE(int(fw.reportRate(3)), 8);
    QCOMPARE(int(fw.lightingEffect()), 2);
    const QByteArray buttons = fw.table(VirtualFirmware::Buttons).toHex();
    QCOMPARE(buttons.left(4), QByteArray("0a00"));
    QCOMPARE(buttons.mid(4, 192), QByteArray(192, 'a'));
    QCOMPARE(buttons.right(8), QByteArray("ffffffff"));
    QCOMPARE(fw.table(VirtualFirmware::DpiStages).toHex(), QByteArray("06"
                                                                      "0110001000"
                                                                      "0120002000"
                                                                      "0130003000"
                                                                      "0040004000"
                                                                      "0050005000"
                                                                      "0060006000"));
    QCOMPARE(fw.table(VirtualFirmware::Lighting).toHex().right(16), QByteArray("8000000009050003"));
    QCOMPARE(fw.reloadMasks(), (std::vector<quint8>{0x04, 0x01, 0x02, 0x08, 0x10}));
    QCOMPARE(fw.sessionBegins(), 1);
    QCOMPARE(fw.sessionEnds(), 1);
    QVERIFY(!fw.isSessionOpen());
    QCOMPARE(fw.rejectedFrames(), 0);
}

void TestVirtualLink::faultsThroughTheLink_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("received");
    QTest::addRow("write error") << int(VirtualFault::WriteError) << 4 << 0;
    QTest::addRow("time-out, then a rewrite") << int(VirtualFault::Timeout) << 0 << 2;
    QTest::addRow("zero reply, then a rewrite") << int(VirtualFault::ZeroReply) << 0 << 2;
    QTest::addRow("data mismatch, then a rewrite") << int(VirtualFault::MismatchedData) << 0 << 2;
    // The wrong echo is read again after every 150 ms time-out: the second runs out before a rewrite (the
    // mouse took the frame all the same).
    QTest::addRow("command mismatch, then silence") << int(VirtualFault::MismatchedEcho) << 2 << 1;
}

void TestVirtualLink::faultsThroughTheLink()
{
    QFETCH(int, fault);
    QFETCH(int, result);
    QFETCH(int, received);
    VirtualLink v;
    v.link.setSleepFunction([](int) {});
    v.receiver->injectFault(VirtualFault(fault));
    QCOMPARE(int(v.link.SendVerified(frame(0x04, 0, 1, 0xD1, "80"))), result);
    QCOMPARE(int(v.receiver->receivedFrames().size()), received);
    QCOMPARE(int(v.link.SendVerified(commit(0x04))), 0);
    QCOMPARE(v.receiver->firmware().table(VirtualFirmware::Lighting).toHex().left(2),
             QByteArray(received > 0 ? "80" : "00"));
}

void TestVirtualLink::sleepingMouseTakesNothing()
{
    // Six zero replies count as done: the write-out refuses to run while the mouse sleeps for this reason.
    VirtualLink v;
    v.link.setSleepFunction([](int) {});
    v.receiver->setAsleep(true);
    QCOMPARE(int(v.link.SendVerified(frame(0x46, 0, 0, 0))), 0);
    QCOMPARE(v.receiver->receivedFrames().size(), size_t(6));
    QCOMPARE(v.receiver->firmware().sessionBegins(), 0);
}

void TestVirtualLink::unplugAndReopen()
{
    VirtualLink v;
    v.receiver->unplug();
    QCOMPARE(int(v.link.SendVerified(frame(0x46, 0, 0, 0))), 4);
    v.link.CloseDevice();
    QCOMPARE(int(v.link.SendVerified(frame(0x46, 0, 0, 0))), 1);
    v.receiver->plug();
    v.link.EnumerateDevices();
    v.link.OpenDevice("OSKEN R5");
    QCOMPARE(int(v.link.SendVerified(frame(0x46, 0, 0, 0))), 0);
}

void TestVirtualLink::readerNeverTakesAnEcho()
{
    // The echo waits in the queue during the 10 ms after each write: a reader that is not kept out takes it.
    VirtualLink v;
    std::atomic<bool> bDone{false};
    std::atomic<int> seen{0};
    std::thread reader([&] {
        quint8 buffer[33];
        while (!bDone.load()) {
            if (v.link.readReport(buffer, 33, 0) > 0)
                ++seen;
        }
    });
    for (int i = 0; i < 30; ++i)
        QCOMPARE(int(v.link.SendVerified(frame(0x46, quint16(i & 1), 0, 0))), 0);
    bDone = true;
    reader.join();
    QCOMPARE(seen.load(), 0);
    QCOMPARE(v.receiver->receivedFrames().size(), size_t(30));
}

void TestVirtualLink::statusThreadOverTheLink()
{
    VirtualLink v;
    v.receiver->setBattery(0x0400, 1);
    v.receiver->setWriteStatus(0);
    StatusTiming timing;
    timing.afterQueryMs = 0;
    timing.readTimeoutMs = 20;
    timing.afterQueryReadMs = 0;
    timing.afterReadFailureMs = 0;
    timing.afterListenMs = 0;
    OrnGetBatteryThread thread(v.link, timing);
    QObject context;
    QList<QVariantList> battery;
    QList<QVariantList> status;
    QList<int> writeStatus;
    QObject::connect(&thread, &OrnGetBatteryThread::RefreshBatteryStatus, &context,
                     [&](quint8 c, quint8 lo, quint8 hi) {
                         battery << QVariantList{c, lo, hi};
                     });
    QObject::connect(&thread, &OrnGetBatteryThread::RefreshStatus, &context,
                     [&](quint8 p, quint8 d, quint8 r, quint8 x) {
                         status << QVariantList{p, d, r, x};
                     });
    QObject::connect(&thread, &OrnGetBatteryThread::RefreshWriteStatus, &context, [&](quint8 s) { writeStatus << s; });
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(!writeStatus.isEmpty(), 5000); // emitted right after the battery state
    QCOMPARE(battery.first(), (QVariantList{quint8(1), quint8(0x00), quint8(0x04)}));
    QCOMPARE(writeStatus.value(0, -1), 0);

    v.receiver->mouseSelectsProfile(2);
    QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), 5000);
    QCOMPARE(status.first(), (QVariantList{quint8(2), quint8(0), quint8(1), quint8(0)}));
    // A verified write while the thread listens still gets its own echo, without a rewrite.
    QCOMPARE(int(v.link.SendVerified(frame(0x46, 0, 0, 0))), 0);
    thread.stop();
    QVERIFY(thread.wait(5000));
    const auto frames = v.receiver->receivedFrames();
    QCOMPARE(std::count_if(frames.begin(), frames.end(), [](const VirtualReceiver::Report& r) { return r[3] == 0x46; }),
             1L);
}

void TestVirtualLink::environmentSelectsTheVirtualMouse()
{
    QTemporaryDir dir;
    const QString log = dir.path() + "/frames.log";
    qputenv("OSKEN_VIRTUAL_MOUSE", "1");
    qputenv("OSKEN_VIRTUAL_MOUSE_LOG", log.toLocal8Bit());
    {
        DeviceLink link(makeDefaultBackend());
        QVERIFY(dynamic_cast<VirtualReceiver*>(&link.backend()));
        link.InitDeviceTable();
        link.EnumerateDevices();
        link.OpenDevice("OSKEN R5");
        QCOMPARE(int(link.SendVerified(frame(0x46, 0, 0, 0))), 0);
    }
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("05 26 fa 46") + QByteArray(" 00").repeated(29) + "\n");

    qputenv("OSKEN_VIRTUAL_MOUSE", "0");
    std::unique_ptr<HidBackend> real = makeDefaultBackend();
    QVERIFY(!dynamic_cast<VirtualReceiver*>(real.get()));
    qunsetenv("OSKEN_VIRTUAL_MOUSE");
    qunsetenv("OSKEN_VIRTUAL_MOUSE_LOG");
}

QTEST_GUILESS_MAIN(TestVirtualLink)
#include "tst_virtual_link.moc"
