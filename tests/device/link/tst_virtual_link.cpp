#include "device/link/DeviceLink.h"
#include "device/status/OrnGetBatteryThread.h"
#include "hid/sim/VirtualReceiver.h"

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

struct VirtualLink
{
    VirtualReceiver* receiver = new VirtualReceiver;
    DeviceLink link{std::unique_ptr<HidBackend>(receiver)};
    VirtualLink()
    {
        // The receiver's echo comes after a real latency: the waits after a write are real too.
        link.setSleepFunction([](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); });
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
    void discoversTheVirtualMouse()
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

    void faultsThroughTheLink_data()
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

    void faultsThroughTheLink()
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

    void sleepingMouseTakesNothing()
    {
        // Six zero replies count as done: the write-out refuses to run while the mouse sleeps for this reason.
        VirtualLink v;
        v.link.setSleepFunction([](int) {});
        v.receiver->setAsleep(true);
        QCOMPARE(int(v.link.SendVerified(frame(0x46, 0, 0, 0))), 0);
        QCOMPARE(v.receiver->receivedFrames().size(), size_t(6));
        QCOMPARE(v.receiver->firmware().sessionBegins(), 0);
    }

    void unplugAndReopen()
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

    void readerNeverTakesAnEcho()
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

    void statusThreadOverTheLink()
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
        QObject::connect(&thread, &OrnGetBatteryThread::RefreshWriteStatus, &context,
                         [&](quint8 s) { writeStatus << s; });
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
        QCOMPARE(
            std::count_if(frames.begin(), frames.end(), [](const VirtualReceiver::Report& r) { return r[3] == 0x46; }),
            1L);
    }
};

QTEST_GUILESS_MAIN(TestVirtualLink)
#include "tst_virtual_link.moc"
