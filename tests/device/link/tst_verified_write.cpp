#include "ScriptedHidBackend.h"
#include "device/link/VerifiedWrite.h"

#include <QTest>

namespace {

// The block used by most rows: button table bytes at address 2, two payload bytes AA BB.
Frame blockFrame(quint8 command)
{
    Frame f{};
    const quint8 head[] = {0x05, 0x00, 0xFA, command, 0x02, 0x00, 0x02, 0xD2, 0xAA, 0xBB};
    std::copy(std::begin(head), std::end(head), f.begin());
    return f;
}

// Script tokens, each optionally followed by a repeat count ("C20"):
// E echo, P echo with other bytes 1 and 7, X echo with a byte past the payload changed, Z all-zero report,
// C other command byte, D other second payload byte, T time-out, F read failure.
void playScript(ScriptedHidBackend& backend, const Frame& sent, const QString& script)
{
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
            } else if (kind == 'Z') {
                r.fill(0);
            } else if (kind == 'C') {
                r[3] = quint8(r[3] + 1);
            } else if (kind == 'D') {
                r[9] = 0xBC;
            }
            backend.addReply(r);
        }
    }
}

struct Run
{
    quint8 result;
    int writes;
    int reads;
    int rereadWaits;
    int afterWriteWaits;
};

Run runRow(quint8 command, const QString& script, const QList<int>& writeResults)
{
    ScriptedHidBackend backend;
    const Frame sent = blockFrame(command);
    playScript(backend, sent, script);
    for (int r : writeResults)
        backend.addWriteResult(r);
    std::unique_ptr<HidDevice> handle = backend.openPath("cmd", 5);
    QList<int> sleeps;
    const quint8 result = sendVerifiedOn(handle.get(), sent, [&sleeps](int ms) { sleeps << ms; });
    const int writes = int(backend.writes().size());
    return Run{result, writes, backend.readsDone(), int(sleeps.count(50)), int(sleeps.count(10))};
}

} // namespace

class TestVerifiedWrite : public QObject
{
    Q_OBJECT
private slots:
    void retryRules_data();
    void retryRules();
    void writtenFrameCarriesChecksum_data();
    void writtenFrameCarriesChecksum();
    void rewritesSendTheSameBytes();
    void lengthBeyondTheFrameIsSafe();
    void noHandle();
};

void TestVerifiedWrite::retryRules_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("writeResults");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("rereadWaits");

    const QList<int> ok;
    QTest::addRow("echo") << 0x03 << "E" << ok << 0 << 1 << 1 << 0;
    QTest::addRow("bytes 1 and 7 differ only") << 0x03 << "P" << ok << 0 << 1 << 1 << 0;
    QTest::addRow("byte past the payload differs") << 0x03 << "X" << ok << 0 << 1 << 1 << 0;
    // The first time-out leaves the cleared buffer: six zero replies, five of them rewrites, then done.
    QTest::addRow("silent mouse: six time-outs") << 0x03 << "T6" << ok << 0 << 6 << 6 << 0;
    QTest::addRow("six zero replies") << 0x03 << "Z6" << ok << 0 << 6 << 6 << 0;
    QTest::addRow("five zero replies then echo") << 0x03 << "Z5 E" << ok << 0 << 6 << 6 << 0;
    // The sixth zero acts on the last comparison: a command mismatch re-reads after 50 ms.
    QTest::addRow("zeros after a command mismatch") << 0x03 << "C Z6 E" << ok << 0 << 6 << 8 << 2;
    // ... and a data mismatch costs a rewrite: writes 1, 2 (data), 3-7 (zeros), 8 (sixth zero).
    QTest::addRow("zeros after a data mismatch") << 0x03 << "D Z6 E" << ok << 0 << 8 << 8 << 0;
    // A time-out keeps the mismatching reply, so it counts again: 20 mismatches, then a rewrite.
    QTest::addRow("time-outs repeat the mismatch") << 0x03 << "C T19 E" << ok << 0 << 2 << 21 << 19;
    QTest::addRow("19 command mismatches re-read") << 0x03 << "C19 E" << ok << 0 << 1 << 20 << 19;
    QTest::addRow("20th command mismatch rewrites") << 0x03 << "C20 E" << ok << 0 << 2 << 21 << 19;
    QTest::addRow("mismatch after the fourth write") << 0x03 << "C23" << ok << 2 << 4 << 23 << 19;
    QTest::addRow("three data mismatches") << 0x03 << "D3 E" << ok << 0 << 4 << 4 << 0;
    QTest::addRow("four data mismatches") << 0x03 << "D4" << ok << 2 << 4 << 4 << 0;
    QTest::addRow("29 read failures re-read") << 0x03 << "F29 E" << ok << 0 << 1 << 30 << 29;
    QTest::addRow("30th read failure rewrites") << 0x03 << "F30 E" << ok << 0 << 2 << 31 << 29;
    QTest::addRow("read failures after the fourth write") << 0x03 << "F33" << ok << 2 << 4 << 33 << 29;
    QTest::addRow("mismatches and read failures share the rewrites")
        << 0x03 << "D F29 F D E" << ok << 0 << 4 << 33 << 29;
    QTest::addRow("failed write") << 0x03 << "E" << QList<int>{-1} << 4 << 1 << 0 << 0;
    QTest::addRow("failed rewrite") << 0x03 << "D E" << QList<int>{33, -1} << 4 << 2 << 1 << 0;
    QTest::addRow("0x44 written once") << 0x44 << "C E" << ok << 0 << 1 << 0 << 0;
    QTest::addRow("0x0B written once") << 0x0B << "C E" << ok << 0 << 1 << 0 << 0;
    QTest::addRow("0x48 written once") << 0x48 << "C E" << ok << 0 << 1 << 0 << 0;
    QTest::addRow("0x44 write failure") << 0x44 << "" << QList<int>{-1} << 4 << 1 << 0 << 0;
    QTest::addRow("0x0A compares the payload") << 0x0A << "D E" << ok << 0 << 2 << 2 << 0;
    QTest::addRow("0x40 header only") << 0x40 << "D" << ok << 0 << 1 << 1 << 0;
    QTest::addRow("0x46 header only") << 0x46 << "D" << ok << 0 << 1 << 1 << 0;
    QTest::addRow("0x40 header compared") << 0x40 << "C E" << ok << 0 << 1 << 2 << 1;
    QTest::addRow("0x46 zero replies") << 0x46 << "Z6" << ok << 0 << 6 << 6 << 0;
}

void TestVerifiedWrite::retryRules()
{
    QFETCH(int, command);
    QFETCH(QString, script);
    QFETCH(QList<int>, writeResults);
    QFETCH(int, result);
    QFETCH(int, writes);
    QFETCH(int, reads);
    QFETCH(int, rereadWaits);

    const Run run = runRow(quint8(command), script, writeResults);
    QCOMPARE(int(run.result), result);
    QCOMPARE(run.writes, writes);
    QCOMPARE(run.reads, reads);
    QCOMPARE(run.rereadWaits, rereadWaits);
    // Every accepted write is followed by its 10 ms wait.
    QCOMPARE(run.afterWriteWaits, writes - (result == DeviceResult::WriteFailed ? 1 : 0));
}

void TestVerifiedWrite::writtenFrameCarriesChecksum_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("written");
    // FA+03+02+00+02+D2 = 0x1D3 -> D3 ^ 66 = B5
    QTest::addRow("button block") << QByteArray::fromHex("0500fa03020002d2aabb")
                                  << QByteArray::fromHex("05b5fa03020002d2aabb");
    // FA+46 = 0x140 -> 40 ^ 66 = 26
    QTest::addRow("session begin") << QByteArray::fromHex("0500fa4600000000")
                                   << QByteArray::fromHex("0526fa4600000000");
    // FA+40+F3+04 = 0x231 -> 31 ^ 66 = 57; a stale checksum is replaced
    QTest::addRow("reload section") << QByteArray::fromHex("0599fa40f3040000")
                                    << QByteArray::fromHex("0557fa40f3040000");
    // FA+44+03 = 0x141 -> 41 ^ 66 = 27
    QTest::addRow("profile switch") << QByteArray::fromHex("0500fa4403000000")
                                    << QByteArray::fromHex("0527fa4403000000");
}

void TestVerifiedWrite::writtenFrameCarriesChecksum()
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
    QCOMPARE(int(sendVerifiedOn(handle.get(), f, [](int) {})), 0);
    QCOMPARE(backend.writes().size(), size_t(1));
    const ScriptedHidBackend::Report w = backend.writes().front();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(w.data()), written.size()), written);
    for (int i = written.size(); i < kFrameSize; ++i)
        QCOMPARE(int(w[i]), 0);
}

void TestVerifiedWrite::rewritesSendTheSameBytes()
{
    ScriptedHidBackend backend;
    const Frame sent = blockFrame(0x03);
    playScript(backend, sent, "D Z E");
    auto handle = backend.openPath("cmd", 5);
    QCOMPARE(int(sendVerifiedOn(handle.get(), sent, [](int) {})), 0);
    const auto writes = backend.writes();
    QCOMPARE(writes.size(), size_t(3));
    for (const auto& w : writes) {
        QCOMPARE(int(w[1]), 0xB5);
        QVERIFY(w == writes.front());
    }
}

void TestVerifiedWrite::lengthBeyondTheFrameIsSafe()
{
    // A length byte of 0xFF is held to the 25 bytes after the header; the echo then compares equal.
    Frame sent = blockFrame(0x01);
    sent[6] = 0xFF;
    sent[32] = 0x42;
    ScriptedHidBackend backend;
    playScript(backend, sent, "E");
    auto handle = backend.openPath("cmd", 5);
    QCOMPARE(int(sendVerifiedOn(handle.get(), sent, [](int) {})), 0);

    ScriptedHidBackend other;
    ScriptedHidBackend::Report r{};
    std::copy(sent.begin(), sent.end(), r.begin());
    r[32] = 0x43; // the last byte of the frame is still payload
    other.addReply(r);
    other.addReply(r);
    other.addReply(r);
    other.addReply(r);
    auto otherHandle = other.openPath("cmd", 5);
    QCOMPARE(int(sendVerifiedOn(otherHandle.get(), sent, [](int) {})), 2);
}

void TestVerifiedWrite::noHandle()
{
    QCOMPARE(int(sendVerifiedOn(nullptr, blockFrame(0x03), [](int) {})), 1);
}

QTEST_GUILESS_MAIN(TestVerifiedWrite)
#include "tst_verified_write.moc"
