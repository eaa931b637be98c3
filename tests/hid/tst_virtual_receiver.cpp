#include "hid/sim/VirtualReceiver.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

namespace {

using Report = VirtualReceiver::Report;

// A frame from hex with its checksum put into byte 1 (for inputs; expected bytes are written out in full).
Report frame(const char* hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    Report r{};
    std::copy(bytes.begin(), bytes.begin() + qMin(bytes.size(), 33), r.begin());
    unsigned sum = 0;
    for (int i = 2; i < 8; ++i)
        sum += r[i];
    r[1] = quint8((sum & 0xFF) ^ 0x66);
    return r;
}

QByteArray hex(const Report& r)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()), 33).toHex();
}

QByteArray padded(const char* hexText)
{
    QByteArray bytes = QByteArray::fromHex(hexText);
    bytes.append(QByteArray(33 - bytes.size(), '\0'));
    return bytes.toHex();
}

struct Mouse
{
    VirtualReceiver receiver;
    std::unique_ptr<HidDevice> command = receiver.openPath(VirtualReceiver::kCommandPath, 5);

    int write(const Report& r) { return command->write(r.data(), 33); }
    // Returns the hex of the next report, or "timeout"/"failure".
    QByteArray read(int timeoutMs = 0)
    {
        Report r{};
        const int got = command->readTimeout(r.data(), 33, timeoutMs);
        if (got == 0)
            return "timeout";
        if (got < 0)
            return "failure";
        return hex(r);
    }
    void writeAll(const QStringList& frames)
    {
        for (const QString& f : frames) {
            QCOMPARE(write(frame(f.toLatin1().constData())), 33);
        }
    }
};

} // namespace

class TestVirtualReceiver : public QObject
{
    Q_OBJECT
private slots:
    void echoesFrames()
    {
        Mouse m;
        QCOMPARE(m.read(), QByteArray("timeout"));
        const Report begin = {0x05, 0x26, 0xFA, 0x46};
        QCOMPARE(m.write(begin), 33);
        QCOMPARE(m.read(), padded("0526fa4600000000"));
        QCOMPARE(m.read(), QByteArray("timeout"));
        // A wrong checksum is dropped without an answer.
        const Report bad = {0x05, 0x27, 0xFA, 0x46};
        QCOMPARE(m.write(bad), 33);
        QCOMPARE(m.read(), QByteArray("timeout"));
        QCOMPARE(m.receiver.firmware().rejectedFrames(), 1);
        QCOMPARE(m.receiver.firmware().sessionBegins(), 1);
        // Only whole reports are taken.
        QCOMPARE(m.command->write(begin.data(), 32), -1);
        QCOMPARE(m.receiver.receivedFrames().size(), size_t(2));
    }

    void tables_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rejected");

        const QString settings = "0500fa01000013d1"
                                 "0a0a0a0a0a00020101010101020408011f0305";
        QTest::addRow("settings block") << int(VirtualFirmware::Settings) << QStringList{settings, "0500fa017f0001d31a"}
                                        << 0 << QByteArray::fromHex("0a0a0a0a0a00020101010101020408011f0305") << 0;
        QTest::addRow("not committed") << int(VirtualFirmware::Settings) << QStringList{settings} << 0 << QByteArray()
                                       << 0;
        QTest::addRow("block before the first")
            << int(VirtualFirmware::DpiStages) << QStringList{"0500fa02010005d20100100010", "0500fa027f0001d31a"} << 0
            << QByteArray() << 2;
        QTest::addRow("dpi stages") << int(VirtualFirmware::DpiStages)
                                    << QStringList{"0500fa02000001d106", "0500fa021a0005d20120012001",
                                                   "0500fa027f0001d31a"}
                                    << 0 << QByteArray::fromHex("06" + QByteArray(50, '0') + "0120012001") << 0;
        QTest::addRow("end marks fit") << int(VirtualFirmware::Buttons)
                                       << QStringList{"0500fa03000002d10a00", "0500fa03620004d2ffffffff",
                                                      "0500fa037f0001d31a"}
                                       << 0 << QByteArray::fromHex("0a00" + QByteArray(192, '0') + "ffffffff") << 0;
        QTest::addRow("block past the table")
            << int(VirtualFirmware::Buttons)
            << QStringList{"0500fa03000002d10a00", "0500fa03630004d2ffffffff", "0500fa037f0001d31a"} << 0
            << QByteArray::fromHex("0a00") << 1;
        QTest::addRow("commit elsewhere")
            << int(VirtualFirmware::Lighting)
            << QStringList{"0500fa04000008d18000000000000000", "0500fa047e0001d31a", "0500fa047f0001d31b"} << 0
            << QByteArray() << 2;
        QTest::addRow("lighting") << int(VirtualFirmware::Lighting)
                                  << QStringList{"0500fa04000001d100", "0500fa04480008d28000000000090000",
                                                 "0500fa047f0001d31a"}
                                  << 72 << QByteArray::fromHex("8000000000090000") << 0;
        QTest::addRow("start over") << int(VirtualFirmware::Lighting)
                                    << QStringList{"0500fa04000002d18011", "0500fa04000001d180", "0500fa047f0001d31a"}
                                    << 0 << QByteArray::fromHex("80") << 0;
        const QString block20 = QString(40, 'a');
        QTest::addRow("macro memory end")
            << int(VirtualFirmware::Macros) << QStringList{"0500fa058c0f14d1" + block20, "0500fa05ff0f01d31a"} << 3980
            << QByteArray(20, char(0xAA)) << 0;
        QTest::addRow("macro past the end")
            << int(VirtualFirmware::Macros) << QStringList{"0500fa05960f14d1" + block20, "0500fa05ff0f01d31a"} << 0
            << QByteArray() << 2;
        QTest::addRow("macro commit at the table address")
            << int(VirtualFirmware::Macros) << QStringList{"0500fa05000014d1" + block20, "0500fa057f0001d31a"} << 0
            << QByteArray() << 1;
        QTest::addRow("block over 24 bytes")
            << int(VirtualFirmware::Macros) << QStringList{"0500fa05000019d1" + QString(50, 'b'), "0500fa05ff0f01d31a"}
            << 0 << QByteArray() << 2;
    }

    void tables()
    {
        QFETCH(int, table);
        QFETCH(QStringList, frames);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(int, rejected);
        Mouse m;
        m.writeAll(frames);
        const auto t = VirtualFirmware::Table(table);
        QByteArray expected(VirtualFirmware::tableSize(t), '\0');
        expected.replace(offset, bytes.size(), bytes);
        QCOMPARE(m.receiver.firmware().table(t).toHex(), expected.toHex());
        QCOMPARE(m.receiver.firmware().rejectedFrames(), rejected);
        // Every well-formed frame is echoed, understood or not.
        for (int i = 0; i < frames.size(); ++i)
            QVERIFY(m.read() != "timeout");
    }

    void settingsCommitDrivesStatus()
    {
        Mouse m;
        m.writeAll({"0500fa01000013d10a0a0a0a0a00020101010101020408011f0305", "0500fa017f0001d31a"});
        m.read();
        m.read();
        const VirtualFirmware fw = m.receiver.firmware();
        QCOMPARE(fw.activeProfile(), 2);
        QCOMPARE(fw.dpiStage(), 3);
        QCOMPARE(int(fw.reportRate(1)), 2);
        QCOMPARE(int(fw.reportRate(2)), 4);
        QCOMPARE(int(fw.lightingEffect()), 5);
        m.receiver.sendStatusReport();
        QCOMPARE(m.read(), padded("0500004902030400"));
    }

    void profileSwitch()
    {
        Mouse m;
        m.writeAll({"0500fa4403000000", "0500fa4405000000"});
        QCOMPARE(m.receiver.firmware().activeProfile(), 3);
        QCOMPARE(m.receiver.firmware().profileSwitches(), 1);
        QCOMPARE(m.receiver.firmware().rejectedFrames(), 1);
        m.writeAll({"0500fa40f3040000", "0500fa40f3100000", "0500fa4046000000"});
        QCOMPARE(m.receiver.firmware().reloadMasks(), (std::vector<quint8>{0x04, 0x10}));
    }

    void battery_data()
    {
        QTest::addColumn<int>("reading");
        QTest::addColumn<int>("charging");
        QTest::addColumn<int>("writeStatus");
        QTest::addColumn<bool>("asleep");
        QTest::addColumn<QByteArray>("reply");
        QTest::addRow("full, stored") << 0x0400 << 0 << 1 << false << padded("0500004800040001");
        QTest::addRow("charging") << 0x03E0 << 1 << 1 << false << padded("05000048e0030101");
        QTest::addRow("needs a full write") << 0x03E0 << 0 << 0 << false << padded("05000048e0030000");
        QTest::addRow("asleep") << 0x03E0 << 1 << 1 << true << padded("0500004800000000");
    }

    void battery()
    {
        QFETCH(int, reading);
        QFETCH(int, charging);
        QFETCH(int, writeStatus);
        QFETCH(bool, asleep);
        QFETCH(QByteArray, reply);
        Mouse m;
        m.receiver.setBattery(quint16(reading), quint8(charging));
        m.receiver.setWriteStatus(quint8(writeStatus));
        m.receiver.setAsleep(asleep);
        const Report query = {0x05, 0x24, 0xFA, 0x48};
        QCOMPARE(m.write(query), 33);
        QCOMPARE(m.read(), reply);
    }

    void asleepAppliesNothing()
    {
        Mouse m;
        m.receiver.setAsleep(true);
        m.writeAll({"0500fa46000000", "0500fa04000001d180", "0500fa047f0001d31a", "0500fa4402000000"});
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m.read(), padded("00"));
        const VirtualFirmware fw = m.receiver.firmware();
        QCOMPARE(fw.table(VirtualFirmware::Lighting), QByteArray(80, '\0'));
        QCOMPARE(fw.activeProfile(), 0);
        QCOMPARE(fw.sessionBegins(), 0);
        // The frames did reach the receiver.
        QCOMPARE(m.receiver.receivedFrames().size(), size_t(4));
    }

    void buttonsOnTheMouse()
    {
        Mouse m;
        m.receiver.setAsleep(true);
        m.receiver.mouseSelectsProfile(4);
        m.receiver.mouseSelectsDpiStage(5);
        m.receiver.mouseSelectsRate(8);
        m.receiver.mouseSelectsProfile(9); // no such profile: the report repeats the state
        QCOMPARE(m.read(), padded("0500004904000100"));
        QCOMPARE(m.read(), padded("0500004904050100"));
        QCOMPARE(m.read(), padded("0500004904050800"));
        QCOMPARE(m.read(), padded("0500004904050800"));
        QVERIFY(!m.receiver.firmware().isAsleep());
        QCOMPARE(int(m.receiver.firmware().reportRate(4)), 8);
        QCOMPARE(int(m.receiver.firmware().reportRate(0)), 1);
    }

    void unplugAndPlug()
    {
        Mouse m;
        std::vector<VirtualHotPlugEvent> events;
        m.receiver.setHotPlugListener([&events](const VirtualHotPlugEvent& e) { events.push_back(e); });
        m.writeAll({"0500fa04000001d180", "0500fa047f0001d31a"});
        m.receiver.sendStatusReport();

        m.receiver.unplug();
        m.receiver.unplug(); // already out: no second announcement
        QCOMPARE(events.size(), size_t(2));
        QCOMPARE(events[0].kind, 1);
        QCOMPARE(events[0].path, VirtualReceiver::kPointerPath);
        QCOMPARE(events[1].kind, 4);
        QCOMPARE(events[1].path, VirtualReceiver::kCommandPath);
        QVERIFY(!events[1].arrived);
        QCOMPARE(m.read(), QByteArray("failure")); // queued echoes went with the receiver
        QCOMPARE(m.write(frame("0500fa46000000")), -1);
        QVERIFY(m.receiver.enumerate(0, 0).empty());
        QCOMPARE(m.receiver.releaseNumber(VirtualReceiver::kCommandPath), -1);
        QVERIFY(!m.receiver.openPath(VirtualReceiver::kCommandPath, 5));

        m.receiver.plug();
        QCOMPARE(events.size(), size_t(4));
        QVERIFY(events[2].arrived && events[3].arrived);
        QCOMPARE(events[3].kind, 4);
        QCOMPARE(m.read(), QByteArray("failure")); // a handle from before stays dead
        QCOMPARE(m.receiver.enumerate(0, 0).size(), size_t(2));
        m.command = m.receiver.openPath(VirtualReceiver::kCommandPath, 5);
        QVERIFY(m.command);
        QCOMPARE(m.write(frame("0500fa46010000")), 33);
        QCOMPARE(m.read(), padded("0527fa4601000000"));
        QCOMPARE(m.receiver.firmware().table(VirtualFirmware::Lighting).left(1), QByteArray::fromHex("80"));
    }

    void unplugWakesBlockedReader()
    {
        Mouse m;
        int result = 0;
        std::thread reader([&] {
            quint8 buffer[33];
            result = m.command->readTimeout(buffer, 33, -1);
        });
        QTest::qWait(20);
        m.receiver.unplug();
        reader.join();
        QCOMPARE(result, -1);
    }

    void faults_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("writeResult");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("received");
        QTest::addColumn<bool>("applied");
        QTest::addRow("time-out") << int(VirtualFault::Timeout) << 33 << QByteArray("timeout") << 1 << true;
        QTest::addRow("zero reply") << int(VirtualFault::ZeroReply) << 33 << padded("00") << 1 << true;
        QTest::addRow("mismatched echo") << int(VirtualFault::MismatchedEcho) << 33 << padded("05b6fa84000001d180") << 1
                                         << true;
        QTest::addRow("mismatched data") << int(VirtualFault::MismatchedData) << 33 << padded("05b6fa04000001d17f") << 1
                                         << true;
        QTest::addRow("write error") << int(VirtualFault::WriteError) << -1 << QByteArray("timeout") << 0 << false;
    }

    void faults()
    {
        QFETCH(int, fault);
        QFETCH(int, writeResult);
        QFETCH(QByteArray, reply);
        QFETCH(int, received);
        QFETCH(bool, applied);
        Mouse m;
        m.receiver.injectFault(VirtualFault(fault));
        // FA+04+01+D1 = 0x1D0 -> D0 ^ 66 = B6
        const Report block = {0x05, 0xB6, 0xFA, 0x04, 0x00, 0x00, 0x01, 0xD1, 0x80};
        QCOMPARE(m.write(block), writeResult);
        QCOMPARE(m.read(), reply);
        QCOMPARE(int(m.receiver.receivedFrames().size()), received);
        QCOMPARE(m.receiver.firmware().isTableOpen(VirtualFirmware::Lighting), applied);
        // One frame only: the next one is answered normally.
        QCOMPARE(m.write(block), 33);
        QCOMPARE(m.read(), padded("05b6fa04000001d180"));
    }

    void faultsByCommandAndCount()
    {
        Mouse m;
        m.receiver.injectFault(VirtualFault::Timeout, 2, 0x46);
        m.writeAll({"0500fa44010000", "0500fa46000000", "0500fa46010000", "0500fa46000000"});
        QCOMPARE(m.read(), padded("0559fa4401000000"));
        QCOMPARE(m.read(), padded("0526fa4600000000"));
        QCOMPARE(m.read(), QByteArray("timeout"));
        m.receiver.injectFault(VirtualFault::WriteError, 5);
        m.receiver.clearFaults();
        QCOMPARE(m.write(frame("0500fa46000000")), 33);
    }

    void queueKeepsTheNewest()
    {
        Mouse m;
        m.receiver.setEchoLatency(0);
        for (int i = 0; i < 70; ++i) {
            Report r = frame("0500fa44000000");
            r[8] = quint8(i); // a payload byte past the length keeps the frames apart
            m.write(r);
        }
        Report first{};
        QCOMPARE(m.command->readTimeout(first.data(), 33, 0), 33);
        QCOMPARE(int(first[8]), 6);
        int left = 1;
        while (m.read() != "timeout")
            ++left;
        QCOMPARE(left, 64);
    }

    void anyFrameIsSafe()
    {
        Mouse m;
        m.receiver.setEchoLatency(0);
        QRandomGenerator rng(5);
        for (int i = 0; i < 20000; ++i) {
            Report r{};
            for (auto& b : r)
                b = quint8(rng.bounded(256));
            if (i % 2) {
                r[0] = 0x05;
                r[2] = 0xFA;
                r[3] = quint8(rng.bounded(0, 0x50));
                r = frame(QByteArray(reinterpret_cast<const char*>(r.data()), 33).toHex().constData());
            }
            m.write(r);
            m.read();
        }
        QVERIFY(m.receiver.firmware().rejectedFrames() > 0);
    }
};

QTEST_GUILESS_MAIN(TestVirtualReceiver)
#include "tst_virtual_receiver.moc"
