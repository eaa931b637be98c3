#include "hid/hidapi/HidapiBackend.h"
#include "hid/hidapi/ReportFilter.h"
#include "hid/hidraw/HidrawDevice.h"

#include <QTest>

#include <deque>

#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A node that delivers the queued reports, each read advancing a fake clock by its cost.
struct FakeNode
{
    std::deque<QByteArray> reports;
    qint64 clock = 0;
    int readCost = 5;
    QList<int> waits;

    RawRead reader()
    {
        return [this](quint8* data, int length, int timeoutMs) {
            waits << timeoutMs;
            if (reports.empty()) {
                clock += qMax(timeoutMs, 0);
                return 0;
            }
            clock += readCost;
            const QByteArray r = reports.front();
            reports.pop_front();
            const int n = qMin(length, r.size());
            std::copy(r.begin(), r.begin() + n, data);
            return n;
        };
    }
    MonotonicMs now()
    {
        return [this] { return clock; };
    }
};
} // namespace

class TestReportFilter : public QObject
{
    Q_OBJECT
private slots:
    void dropsOtherReports()
    {
        FakeNode node;
        node.reports = {QByteArray::fromHex("01000500"), QByteArray::fromHex("020a"), QByteArray::fromHex("05aafa46")};
        quint8 buffer[8] = {};
        QCOMPARE(readReportWithId(node.reader(), 0x05, buffer, 8, 150, node.now()), 4);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 4), QByteArray::fromHex("05aafa46"));
        // Each later read waits only for what is left of the time-out.
        QCOMPARE(node.waits, (QList<int>{150, 145, 140}));
    }

    void dropsLeaveTheBufferAlone()
    {
        FakeNode node;
        node.reports = {QByteArray::fromHex("0102030405")};
        quint8 buffer[5] = {9, 9, 9, 9, 9};
        QCOMPARE(readReportWithId(node.reader(), 0x05, buffer, 5, 20, node.now()), 0);
        for (quint8 b : buffer)
            QCOMPARE(int(b), 9);
        // Pointer reports arriving faster than the time-out runs out still end it.
        node.reports.assign(100, QByteArray::fromHex("0101"));
        node.clock = 0;
        QCOMPARE(readReportWithId(node.reader(), 0x05, buffer, 5, 20, node.now()), 0);
        QCOMPARE(node.clock, qint64(20));
    }

    void hidrawNodeWaitsAndReads()
    {
        // Only a hidraw node opens.
        QVERIFY(!HidrawDevice::open("/dev/null", 0x05));
        QVERIFY(!HidrawDevice::open("/dev/hidraw-none", 0x05));
        // Each write to a packet socket stays one message, as each report on a hidraw node does.
        int ends[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
        HidrawDevice node(ends[0], ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK), 0x05);
        QCOMPARE(node.waitForReport(0), 0);
        node.interruptWait();
        QCOMPARE(node.waitForReport(60000), 0);
        for (const QByteArray& report : {QByteArray::fromHex("0101"), QByteArray::fromHex("05aafa46")})
            QCOMPARE(::write(ends[1], report.constData(), size_t(report.size())), ssize_t(report.size()));
        QCOMPARE(node.waitForReport(60000), 1);
        quint8 buffer[8] = {};
        QCOMPARE(node.readTimeout(buffer, 8, 50), 4);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 4), QByteArray::fromHex("05aafa46"));
        const quint8 frame[3] = {0x05, 0x48, 0x00};
        QCOMPARE(node.write(frame, 3), 3);
        QCOMPARE(::read(ends[1], buffer, 8), ssize_t(3));
        // The receiver pulled out.
        ::close(ends[1]);
        QCOMPARE(node.waitForReport(60000), -1);
        QCOMPARE(node.readTimeout(buffer, 8, 60000), -1);
    }

    void failurePassesThrough()
    {
        const RawRead failing = [](quint8*, int, int) { return -1; };
        quint8 buffer[4];
        QCOMPARE(readReportWithId(failing, 0x05, buffer, 4, 50, [] { return qint64(0); }), -1);
    }
    // Against the machine's own HID layer, without opening any real device.
    void backendRefusesAMissingPath()
    {
        HidapiBackend backend;
        QCOMPARE(backend.init(), 0);
        QVERIFY(!backend.openPath("/nonexistent/hidraw99", 5));
        QCOMPARE(backend.releaseNumber("/nonexistent/hidraw99"), -1);
        // Whatever is plugged in, every record carries a path, and the release lookup agrees with it.
        for (const HidDeviceInfo& d : backend.enumerate(0, 0)) {
            QVERIFY(!d.path.isEmpty());
            QCOMPARE(backend.releaseNumber(d.path), int(d.releaseNumber));
        }
        backend.exit();
    }
};

QTEST_GUILESS_MAIN(TestReportFilter)
#include "tst_report_filter.moc"
