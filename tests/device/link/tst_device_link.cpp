#include "ScriptedHidBackend.h"
#include "device/link/DeviceLink.h"
#include "device/link/VerifiedWrite.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <thread>

Q_DECLARE_METATYPE(std::vector<HidDeviceInfo>)

namespace {

HidDeviceInfo device(quint16 vid, quint16 pid, quint16 page, quint16 usage, const QByteArray& path,
                     quint16 release = 0x0100)
{
    return HidDeviceInfo{path, vid, pid, release, page, usage, QString(), -1};
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

// The block used by most rows: button table bytes at address 2, two payload bytes AA BB.
Frame blockFrame(quint8 command)
{
    Frame f{};
    const quint8 head[] = {0x05, 0x00, 0xFA, command, 0x02, 0x00, 0x02, 0xD2, 0xAA, 0xBB};
    std::copy(std::begin(head), std::end(head), f.begin());
    return f;
}

// Script tokens, each optionally followed by a repeat count ("C20"):
// E echo, P echo with other bytes 1 and 7, X echo with a byte past the payload changed, L with the last byte
// of the report changed, Z all-zero report,
// C other command byte, D other second payload byte, T time-out, F read failure,
// S status report (0x49), B battery reply (0x48). Returns how many reports are not the echo.
int playScript(ScriptedHidBackend& backend, const Frame& sent, const QString& script)
{
    int others = 0;
    for (const QString& token : script.split(' ', Qt::SkipEmptyParts)) {
        const QChar kind = token.at(0);
        const int repeat = token.size() > 1 ? token.mid(1).toInt() : 1;
        for (int i = 0; i < repeat; ++i) {
            ScriptedHidBackend::Report r{};
            std::copy(sent.begin(), sent.end(), r.begin());
            if (kind == 'T') {
                backend.addTimeout();
                continue;
            }
            if (kind == 'F') {
                backend.addReadFailure();
                continue;
            }
            if (kind == 'P') {
                r[1] ^= 0x5A;
                r[7] = 0x00;
            } else if (kind == 'X') {
                r[10] = 0x77;
            } else if (kind == 'L') {
                r[32] ^= 0x01;
            } else if (kind == 'Z') {
                r.fill(0);
            } else if (kind == 'C') {
                r[3] = quint8(r[3] + 1);
            } else if (kind == 'D') {
                r[9] = 0xBC;
            } else if (kind == 'S' || kind == 'B') {
                r = {0x05, 0x00, 0xFA, quint8(kind == 'S' ? 0x49 : 0x48), quint8(i), 0x01, 0x02};
                ++others;
            }
            backend.addReply(r);
        }
    }
    return others;
}

LinkClock noWait()
{
    return LinkClock{[] { return qint64(0); }, [](int) {}};
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

    void retryRules_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("writeResults");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("rereadWaits");
        QTest::addColumn<bool>("echoed");

        const QList<int> ok;
        QTest::addRow("echo") << 0x03 << "E" << ok << 0 << 1 << 1 << 0 << true;
        QTest::addRow("bytes 1 and 7 differ only") << 0x03 << "P" << ok << 0 << 1 << 1 << 0 << true;
        QTest::addRow("byte past the payload differs") << 0x03 << "X" << ok << 0 << 1 << 1 << 0 << true;
        // The first time-out leaves the cleared buffer: six zero replies, five of them rewrites, then done,
        // within the second (6 x (10 + 150) ms) and without an echo.
        QTest::addRow("silent mouse: six time-outs") << 0x03 << "T6" << ok << 0 << 6 << 6 << 0 << false;
        QTest::addRow("five zero replies then echo") << 0x03 << "Z5 E" << ok << 0 << 6 << 6 << 0 << true;
        // The sixth zero acts on the last comparison: a command mismatch re-reads after 50 ms.
        QTest::addRow("zeros after a command mismatch") << 0x03 << "C Z6 E" << ok << 0 << 6 << 8 << 2 << true;
        // ... and a data mismatch costs a rewrite: writes 1, 2 (data), 3-7 (zeros), 8 (sixth zero).
        QTest::addRow("zeros after a data mismatch") << 0x03 << "D Z6 E" << ok << 0 << 8 << 8 << 0 << true;
        // A mismatch does not reset the zero count: the next zero is the sixth.
        QTest::addRow("zeros before a mismatch still count") << 0x03 << "Z5 C Z E" << ok << 0 << 6 << 8 << 2 << true;
        // Zeros and mismatches in turn once bought a rewrite each, over a hundred writes; now the ceiling ends it.
        QTest::addRow("zeros and mismatches in turn")
            << 0x03 << QString("Z C ").repeated(40) << ok << 2 << 6 << 24 << 18 << false;
        // A time-out keeps the mismatching reply, so it counts again.
        QTest::addRow("time-outs repeat the mismatch") << 0x03 << "C T3 E" << ok << 0 << 1 << 5 << 4 << true;
        QTest::addRow("time-outs after a mismatch reach the ceiling")
            << 0x03 << "C T19 E" << ok << 2 << 1 << 6 << 5 << false;
        QTest::addRow("19 command mismatches re-read") << 0x03 << "C19 E" << ok << 0 << 1 << 20 << 19 << true;
        QTest::addRow("20th command mismatch rewrites") << 0x03 << "C20 E" << ok << 0 << 2 << 21 << 19 << true;
        QTest::addRow("mismatch after the fourth write") << 0x03 << "C23" << ok << 2 << 4 << 23 << 19 << false;
        QTest::addRow("three data mismatches") << 0x03 << "D3 E" << ok << 0 << 4 << 4 << 0 << true;
        QTest::addRow("four data mismatches") << 0x03 << "D4" << ok << 2 << 4 << 4 << 0 << false;
        QTest::addRow("read failure re-reads") << 0x03 << "F E" << ok << 0 << 1 << 2 << 1 << true;
        // 50 ms apart, read failures reach the ceiling before the 30th could cost a rewrite.
        QTest::addRow("read failures reach the ceiling") << 0x03 << "F30 E" << ok << 2 << 1 << 20 << 19 << false;
        // Reports that are not the echo go to the status handling and cost nothing.
        QTest::addRow("status burst before the echo") << 0x03 << "S20 E" << ok << 0 << 1 << 21 << 0 << true;
        QTest::addRow("battery reply before the echo") << 0x46 << "B S E" << ok << 0 << 1 << 3 << 0 << true;
        // The time-out after a status report does not hand it over again: it reads as the cleared buffer.
        QTest::addRow("time-outs after a status report") << 0x03 << "S T6" << ok << 0 << 6 << 7 << 0 << false;
        QTest::addRow("failed write") << 0x03 << "E" << QList<int>{-1} << 4 << 1 << 0 << 0 << false;
        QTest::addRow("failed rewrite") << 0x03 << "D E" << QList<int>{33, -1} << 4 << 2 << 1 << 0 << false;
        QTest::addRow("0x44 written once") << 0x44 << "C E" << ok << 0 << 1 << 0 << 0 << false;
        QTest::addRow("0x0A compares the payload") << 0x0A << "D E" << ok << 0 << 2 << 2 << 0 << true;
        QTest::addRow("0x40 header only") << 0x40 << "D" << ok << 0 << 1 << 1 << 0 << true;
        QTest::addRow("0x40 header compared") << 0x40 << "C E" << ok << 0 << 1 << 2 << 1 << true;
    }

    void retryRules()
    {
        QFETCH(int, command);
        QFETCH(QString, script);
        QFETCH(QList<int>, writeResults);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        QFETCH(int, rereadWaits);

        ScriptedHidBackend backend;
        const Frame sent = blockFrame(quint8(command));
        const int others = playScript(backend, sent, script);
        for (int r : writeResults)
            backend.addWriteResult(r);
        // The clock moves only by the waits the write asks for and by the time-outs of its reads.
        qint64 now = 0;
        QList<int> sleeps;
        int longestRead = 0;
        backend.setTimeoutHook([&](int timeoutMs) {
            now += timeoutMs;
            longestRead = qMax(longestRead, timeoutMs);
        });
        const LinkClock clock{[&now] { return now; },
                              [&](int ms) {
                                  sleeps << ms;
                                  now += ms;
                              }};
        std::unique_ptr<HidDevice> handle = backend.openPath("cmd", 5);
        int handed = 0;
        const VerifiedOutcome outcome = sendVerifiedFrame(handle.get(), sent, clock, [&](const Frame& report) {
            QVERIFY(report[3] == 0x48 || report[3] == 0x49);
            ++handed;
        });
        const auto written = backend.writes();
        QCOMPARE(int(outcome.result), result);
        QCOMPARE(int(written.size()), writes);
        QCOMPARE(backend.readsDone(), reads);
        QCOMPARE(int(sleeps.count(50)), rereadWaits);
        QTEST(outcome.bEchoed, "echoed");
        // Every accepted write is followed by its 10 ms wait.
        QCOMPARE(int(sleeps.count(10)), writes - (result == DeviceResult::WriteFailed ? 1 : 0));
        QVERIFY2(now <= kFrameCeilingMs, qPrintable(QString::number(now)));
        QVERIFY(longestRead <= 150);
        // A rewrite sends the very bytes of the first write, checksum included.
        QVERIFY(std::all_of(written.begin(), written.end(), [&](const auto& w) { return w == written.front(); }));
        QCOMPARE(handed, others);
    }

    void writtenFrameCarriesChecksum_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("written");
        // FA+03+02+00+02+D2 = 0x1D3 -> D3 ^ 66 = B5
        QTest::addRow("button block") << QByteArray::fromHex("0500fa03020002d2aabb")
                                      << QByteArray::fromHex("05b5fa03020002d2aabb");
        // FA+40+F3+04 = 0x231 -> 31 ^ 66 = 57; a stale checksum is replaced
        QTest::addRow("reload section") << QByteArray::fromHex("0599fa40f3040000")
                                        << QByteArray::fromHex("0557fa40f3040000");
    }

    void writtenFrameCarriesChecksum()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, written);
        Frame f{};
        std::copy(frame.begin(), frame.end(), f.begin());
        ScriptedHidBackend backend;
        ScriptedHidBackend::Report echo{};
        std::copy(written.begin(), written.end(), echo.begin());
        backend.addReply(echo);
        auto handle = backend.openPath("cmd", 5);
        QCOMPARE(int(sendVerifiedFrame(handle.get(), f, noWait()).result), 0);
        QCOMPARE(backend.writes().size(), size_t(1));
        const ScriptedHidBackend::Report w = backend.writes().front();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(w.data()), written.size()), written);
        for (int i = written.size(); i < kFrameSize; ++i)
            QCOMPARE(int(w[i]), 0);
    }

    void lengthBeyondTheFrameIsSafe()
    {
        // A length byte of 0xFF is held to the 25 bytes after the header, so the last byte of the frame is payload.
        Frame sent = blockFrame(0x01);
        sent[6] = 0xFF;
        sent[32] = 0x42;
        for (const char* script : {"E", "L4"}) {
            ScriptedHidBackend backend;
            playScript(backend, sent, script);
            auto handle = backend.openPath("cmd", 5);
            QCOMPARE(int(sendVerifiedFrame(handle.get(), sent, noWait()).result), script[0] == 'E' ? 0 : 2);
        }
    }

    void noHandle() { QCOMPARE(int(sendVerifiedFrame(nullptr, blockFrame(0x03), noWait()).result), 1); }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_device_link.moc"
