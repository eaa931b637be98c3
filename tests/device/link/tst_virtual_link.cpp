#include "device/link/DeviceLink.h"
#include "device/status/OrnGetBatteryThread.h"
#include "hid/sim/VirtualReceiver.h"

#include <QTest>

#include <atomic>
#include <thread>

namespace {

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

// The link and the status thread against the simulated receiver, in real time (also run under ThreadSanitizer).
class TestVirtualLink : public QObject
{
    Q_OBJECT
private slots:
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
            QCOMPARE(int(v.link.SendVerified(makeFrame(0x46, quint16(i & 1), 0))), 0);
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
        // No pauses; a listening pass is one wait of a minute, which the mouse's report and stop() each end.
        OrnGetBatteryThread thread(v.link, StatusTiming{0, 20, 0, 0, 60000});
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
        thread.stop();
        QVERIFY(thread.wait(5000));
    }
};

QTEST_GUILESS_MAIN(TestVirtualLink)
#include "tst_virtual_link.moc"
