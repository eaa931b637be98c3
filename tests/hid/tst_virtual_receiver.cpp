#include "hid/sim/VirtualReceiver.h"

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
        return QByteArray(reinterpret_cast<const char*>(r.data()), 33).toHex();
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
        QCOMPARE(m.read(), QByteArray("0526fa46").leftJustified(66, '0'));
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

        QTest::addRow("block before the first")
            << int(VirtualFirmware::DpiStages) << QStringList{"0500fa02010005d20100100010", "0500fa027f0001d31a"} << 0
            << QByteArray() << 2;
        QTest::addRow("block past the table")
            << int(VirtualFirmware::Buttons)
            << QStringList{"0500fa03000002d10a00", "0500fa03630004d2ffffffff", "0500fa037f0001d31a"} << 0
            << QByteArray::fromHex("0a00") << 1;
        const QString block20 = QString(40, 'a');
        QTest::addRow("macro memory end")
            << int(VirtualFirmware::Macros) << QStringList{"0500fa058c0f14d1" + block20, "0500fa05ff0f01d31a"} << 3980
            << QByteArray(20, char(0xAA)) << 0;
        QTest::addRow("macro past the end")
            << int(VirtualFirmware::Macros) << QStringList{"0500fa05960f14d1" + block20, "0500fa05ff0f01d31a"} << 0
            << QByteArray() << 2;
    }

    void tables()
    {
        QFETCH(int, table);
        QFETCH(QStringList, frames);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        Mouse m;
        m.writeAll(frames);
        const auto t = VirtualFirmware::Table(table);
        QByteArray expected(VirtualFirmware::tableSize(t), '\0');
        expected.replace(offset, bytes.size(), bytes);
        QCOMPARE(m.receiver.firmware().table(t).toHex(), expected.toHex());
        QTEST(m.receiver.firmware().rejectedFrames(), "rejected");
        // Every well-formed frame is echoed, understood or not.
        for (int i = 0; i < frames.size(); ++i)
            QVERIFY(m.read() != "timeout");
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
};

QTEST_GUILESS_MAIN(TestVirtualReceiver)
#include "tst_virtual_receiver.moc"
