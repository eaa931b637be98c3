#include "ScriptedHidBackend.h"
#include "device/link/DeviceLink.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

#include <QRegularExpression>
#include <cstring>
#include <thread>

Q_DECLARE_METATYPE(std::vector<HidDeviceInfo>)

namespace {

HidDeviceInfo device(quint16 vid, quint16 pid, quint16 page, quint16 usage, const QByteArray& path,
                     quint16 release = 0x0100)
{
    HidDeviceInfo d;
    d.vendorId = vid;
    d.productId = pid;
    d.usagePage = page;
    d.usage = usage;
    d.path = path;
    d.releaseNumber = release;
    return d;
}

// The four presence flags as text, in the order A1 A2 B1 B2, with the stored paths.
QString presence(const MouseDescriptor& e)
{
    QStringList parts;
    if (e.presentA1)
        parts << "A1=" + QString(e.pathA1);
    if (e.presentA2)
        parts << "A2=" + QString(e.pathA2);
    if (e.presentB1)
        parts << "B1=" + QString(e.pathB1);
    if (e.presentB2)
        parts << "B2=" + QString(e.pathB2);
    return parts.join(' ');
}

struct Fixture
{
    ScriptedHidBackend* backend;
    DeviceLink link;

    Fixture() : Fixture(new ScriptedHidBackend) {}
    explicit Fixture(ScriptedHidBackend* b) : backend(b), link(std::unique_ptr<HidBackend>(b))
    {
        link.setSleepFunction([](int) {});
        link.InitDeviceTable();
    }
    MouseDescriptor& entry() { return link.deviceTable().entries[0]; }
    void enumerate(const std::vector<HidDeviceInfo>& devices)
    {
        backend->setDevices(devices);
        QCOMPARE(link.EnumerateDevices(), 0);
    }
};

const std::vector<HidDeviceInfo> kSetA = {device(0x248A, 0xFA02, 1, 2, "pa1"), device(0x248A, 0xFA02, 1, 0, "pa2")};
const std::vector<HidDeviceInfo> kBothSets = {device(0x248A, 0xFA02, 1, 2, "pa1"), device(0x248A, 0xFA02, 1, 0, "pa2"),
                                              device(0x248A, 0xFB01, 1, 2, "pb1"), device(0x248A, 0xFB01, 1, 0, "pb2")};

// Input report of the command collection: byte 3 the kind, bytes 4..7 its values.
ScriptedHidBackend::Report inputReport(quint8 kind, quint8 b4, quint8 b5, quint8 b6, quint8 b7)
{
    return {0x05, 0x00, 0xFA, kind, b4, b5, b6, b7};
}
} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT
private slots:
    void enumeration_data()
    {
        QTest::addColumn<std::vector<HidDeviceInfo>>("devices");
        QTest::addColumn<QString>("expected");
        QTest::addRow("set A") << kSetA << "A1=pa1 A2=pa2";
        QTest::addRow("both sets") << kBothSets << "A1=pa1 A2=pa2 B1=pb1 B2=pb2";
        QTest::addRow("one hidraw node for both collections")
            << std::vector<HidDeviceInfo>{device(0x248A, 0xFB01, 1, 2, "/dev/hidraw3"),
                                          device(0x248A, 0xFB01, 1, 0, "/dev/hidraw3")}
            << "B1=/dev/hidraw3 B2=/dev/hidraw3";
        QTest::addRow("other product of the vendor")
            << std::vector<HidDeviceInfo>{device(0x248A, 0x1234, 1, 2, "x1"), device(0x248A, 0x1234, 1, 0, "x2")} << "";
        QTest::addRow("vendor usage page")
            << std::vector<HidDeviceInfo>{device(0x248A, 0xFA02, 0xFF00, 0, "x1"), device(0x248A, 0xFA02, 1, 6, "kbd")}
            << "";
        QTest::addRow("pointer only") << std::vector<HidDeviceInfo>{device(0x248A, 0xFA02, 1, 2, "pa1")} << "A1=pa1";
        QTest::addRow("later record wins")
            << std::vector<HidDeviceInfo>{device(0x248A, 0xFA02, 1, 0, "old"), device(0x248A, 0xFA02, 1, 0, "new")}
            << "A2=new";
    }

    void enumeration()
    {
        QFETCH(std::vector<HidDeviceInfo>, devices);
        Fixture f;
        f.enumerate(devices);
        QTEST(presence(f.entry()), "expected");
    }

    void releaseBounds_data()
    {
        QTest::addColumn<int>("minRelease");
        QTest::addColumn<int>("maxRelease");
        QTest::addColumn<int>("release");
        QTest::addColumn<bool>("accepted");
        QTest::addRow("below") << 0x100 << 0x200 << 0x0FF << false;
        QTest::addRow("minimum") << 0x100 << 0x200 << 0x100 << true;
        QTest::addRow("maximum") << 0x100 << 0x200 << 0x200 << true;
        QTest::addRow("above") << 0x100 << 0x200 << 0x201 << false;
        QTest::addRow("max 0 skips the minimum") << 0x100 << 0 << 0x050 << true;
    }

    void releaseBounds()
    {
        QFETCH(int, minRelease);
        QFETCH(int, maxRelease);
        QFETCH(int, release);
        QFETCH(bool, accepted);
        Fixture f;
        f.entry().minReleaseA = quint32(minRelease);
        f.entry().maxReleaseA = quint32(maxRelease);
        // Set B keeps "any release", so its collections are found whatever the number.
        f.enumerate({device(0x248A, 0xFA02, 1, 2, "pa1", quint16(release)),
                     device(0x248A, 0xFA02, 1, 0, "pa2", quint16(release)),
                     device(0x248A, 0xFB01, 1, 0, "pb2", quint16(release))});
        QCOMPARE(presence(f.entry()), accepted ? QString("A1=pa1 A2=pa2 B2=pb2") : QString("B2=pb2"));
    }

    void longPathRefused()
    {
        Fixture f;
        const QByteArray fits(254, 'p');
        const QByteArray tooLong(255, 'q');
        f.enumerate({device(0x248A, 0xFA02, 1, 2, fits), device(0x248A, 0xFA02, 1, 0, tooLong)});
        QCOMPARE(f.entry().presentA1, 1u);
        QCOMPARE(QByteArray(f.entry().pathA1), fits);
        QCOMPARE(f.entry().presentA2, 0u);
        QCOMPARE(f.entry().pathA2[0], '\0');
        // A refused path does not overwrite one already known.
        f.enumerate({device(0x248A, 0xFA02, 1, 2, QByteArray(300, 'r'))});
        QCOMPARE(QByteArray(f.entry().pathA1), fits);
    }

    void initFailure()
    {
        Fixture f;
        f.backend->setDevices(kSetA);
        f.backend->setInitFails(true);
        QCOMPARE(f.link.EnumerateDevices(), -1);
        QCOMPARE(presence(f.entry()), QString());
        f.entry().presentA1 = f.entry().presentA2 = 1;
        f.link.OpenDevice("OSKEN R5");
        QVERIFY(!f.link.hasCommandHandle());
    }

    void openDevice_data()
    {
        QTest::addColumn<std::vector<HidDeviceInfo>>("devices");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QStringList>("opens");
        QTest::addRow("set A") << kSetA << QByteArray("OSKEN R5") << QStringList{"open pa1 -1", "open pa2 5"};
        QTest::addRow("both sets") << kBothSets << QByteArray("OSKEN R5")
                                   << QStringList{"open pa1 -1", "open pa2 5", "open pb1 -1", "open pb2 5"};
        QTest::addRow("half a set") << std::vector<HidDeviceInfo>{kSetA[1]} << QByteArray("OSKEN R5") << QStringList{};
        QTest::addRow("other name") << kSetA << QByteArray("OSKEN R") << QStringList{};
        QTest::addRow("name compared exactly") << kSetA << QByteArray("osken r5") << QStringList{};
    }

    void openDevice()
    {
        QFETCH(std::vector<HidDeviceInfo>, devices);
        QFETCH(QByteArray, name);
        QFETCH(QStringList, opens);
        Fixture f;
        f.enumerate(devices);
        f.link.OpenDevice(name.constData());
        QCOMPARE(f.backend->log().filter("open"), opens);
        QCOMPARE(f.link.hasCommandHandle(), !opens.isEmpty());
    }

    void openWriteReopenAndClose()
    {
        Fixture f;
        f.enumerate(kBothSets);
        f.link.OpenDevice("OSKEN R5");
        const Frame frame = makeFrame(0x44, 0, 0);
        QCOMPARE(int(f.link.SendVerified(frame)), 0);
        QCOMPARE(f.link.sender()(frame), quint8(0));
        QCOMPARE(f.link.writeReport(frame), 33);
        QCOMPARE(f.backend->log().filter("write"), (QStringList{"write pb2", "write pb2", "write pb2"}));
        // Opening again replaces each open handle; closing twice closes once.
        f.link.OpenDevice("OSKEN R5");
        f.link.CloseDevice();
        f.link.CloseDevice();
        QCOMPARE(f.backend->log().filter(QRegularExpression("^(open|close)")).mid(4),
                 (QStringList{"close pa1", "open pa1 -1", "close pa2", "open pa2 5", "close pb1", "open pb1 -1",
                              "close pb2", "open pb2 5", "close pa1", "close pa2", "close pb1", "close pb2"}));
        QCOMPARE(int(f.link.SendVerified(frame)), 1);

        f.backend->failOpen("pa2");
        f.backend->failOpen("pb2");
        f.link.OpenDevice("OSKEN R5");
        QVERIFY(!f.link.hasCommandHandle());
        QCOMPARE(int(f.link.SendVerified(frame)), 1);
        QCOMPARE(f.link.writeReport(frame), -1);
        quint8 buffer[33];
        QCOMPARE(f.link.readReport(buffer, 33, 0), -1);
        QCOMPARE(f.backend->writes().size(), size_t(3));
        QCOMPARE(f.link.hid_get_release_number("pa2"), 0x0100);
        QCOMPARE(f.link.hid_get_release_number("gone"), -1);
        QCOMPARE(f.link.hid_get_release_number(nullptr), -1);
    }

    void closeWaitsForReader()
    {
        auto* backend = new ScriptedHidBackend;
        Fixture f(backend);
        f.enumerate(kSetA);
        f.link.OpenDevice("OSKEN R5");
        QSemaphore entered;
        QSemaphore release;
        backend->setReadHook([&] {
            entered.release();
            release.acquire();
        });
        std::thread reader([&] {
            quint8 buffer[33];
            f.link.readReport(buffer, 33, 50);
        });
        entered.acquire();
        std::thread closer([&] { f.link.CloseDevice(); });
        QTest::qWait(50); // give a wrong close the chance to happen under the reader
        QCOMPARE(backend->log().filter("close").size(), 0);
        release.release();
        reader.join();
        closer.join();
        const QStringList log = backend->log();
        QVERIFY(log.indexOf("read pa2") < log.indexOf("close pa2"));
        backend->setReadHook(nullptr);
    }

    void batteryState_data()
    {
        QTest::addColumn<QString>("script"); // A awake reply, Z zero reply, S status report, T time-out, F failure
        QTest::addColumn<bool>("bWriteFails");
        QTest::addColumn<int>("wake");
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("statusSignals");
        QTest::addColumn<int>("writeStatusSignals");
        const int awake = int(MouseWake::Awake), asleep = int(MouseWake::Asleep), none = int(MouseWake::NoAnswer);
        QTest::addRow("awake") << "A" << false << awake << 1 << 0 << 1;
        QTest::addRow("asleep: zeros, no write status") << "Z" << false << asleep << 1 << 0 << 0;
        QTest::addRow("status reports on the way") << "S S T A" << false << awake << 4 << 2 << 1;
        // Ten reads of 50 ms fill the half second.
        QTest::addRow("no answer") << "" << false << none << 10 << 0 << 0;
        QTest::addRow("read failure") << "S F A" << false << none << 2 << 1 << 0;
        QTest::addRow("query not written") << "A" << true << none << 0 << 0 << 0;
    }

    void batteryState()
    {
        QFETCH(QString, script);
        QFETCH(bool, bWriteFails);
        QFETCH(int, wake);
        Fixture f;
        qint64 now = 0;
        f.link.setClock(LinkClock{[&now] { return now; }, [&now](int ms) { now += ms; }});
        f.backend->setTimeoutHook([&now](int ms) { now += ms; });
        QCOMPARE(f.link.askBatteryState(), MouseWake::NoDevice);
        f.enumerate(kSetA);
        f.link.OpenDevice("OSKEN R5");
        for (const QChar c : script) {
            if (c == 'A')
                f.backend->addReply(inputReport(0x48, 0x00, 0x04, 0x01, 0x01));
            else if (c == 'Z')
                f.backend->addReply(inputReport(0x48, 0, 0, 0, 0));
            else if (c == 'S')
                f.backend->addReply(inputReport(0x49, 2, 1, 4, 0));
            else if (c == 'T')
                f.backend->addTimeout();
            else if (c == 'F')
                f.backend->addReadFailure();
        }
        if (bWriteFails)
            f.backend->addWriteResult(-1);
        QSignalSpy battery(&f.link.statusRelay(), &StatusReportRelay::RefreshBatteryStatus);
        QSignalSpy status(&f.link.statusRelay(), &StatusReportRelay::RefreshStatus);
        QSignalSpy writeStatus(&f.link.statusRelay(), &StatusReportRelay::RefreshWriteStatus);

        QCOMPARE(int(f.link.askBatteryState()), wake);
        QTEST(f.backend->readsDone(), "reads");
        QTEST(status.size(), "statusSignals");
        QTEST(writeStatus.size(), "writeStatusSignals");
        // The reply reaches the battery display, zeros included, so the asleep flag is fresh too.
        QCOMPARE(battery.size(), wake == int(MouseWake::NoAnswer) ? 0 : 1);
        QVERIFY(now <= kBatteryProbeMs);
        const auto writes = f.backend->writes();
        QCOMPARE(writes.size(), size_t(1));
        QCOMPARE(int(writes[0][1]), 0x24);
        QCOMPARE(int(writes[0][3]), 0x48);
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_device_link.moc"
